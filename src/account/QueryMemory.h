#pragma once
#include <cstdint>
#include <optional>

#include "platform/Machine.h"

// Memory figures of the machine: 0 total physical, 1 total virtual, 2 total page file,
// 3-5 the available amounts, 6-8 the used amounts (total minus available), 9 the load
// in percent. Sizes are in 1024^unitPower kilobytes (0 KB, 1 MB, 2 GB, 3 TB), truncated.
// Any failure (unknown figure, kilobytes beyond 32 bits, bad unit power, no answer from
// the system) gives 0.
int32_t QueryMemory(int32_t figure, int32_t unitPower);

// The same rules on a given status (nullopt: the system did not answer).
int32_t QueryMemory(const std::optional<platform::MemoryStatus>& status, int32_t figure,
                    int32_t unitPower);
