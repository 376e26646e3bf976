#pragma once
#include <cstdio>
#include <cstdlib>

// A property every input must keep. Unlike assert() it stays in optimised builds, and the
// fuzzer records the input that broke it.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)
