#pragma once
#include <string>

// Text files and the sign-in escaping use the system's 8-bit code page: the ANSI code
// page on Windows, GBK (code page 936) everywhere else. Inside the program text is UTF-8.
namespace platform {

// UTF-8 to code-page bytes; a character the code page lacks becomes "?".
std::string toCodePage(const std::string& utf8);

// Code-page bytes to UTF-8; a byte sequence that is not valid becomes U+FFFD.
std::string fromCodePage(const std::string& bytes);

// The code-page bytes of one UTF-8 encoded character, or empty when the code page lacks it.
std::string codePageBytesOf(const std::string& utf8Character);

}  // namespace platform
