#pragma once
#include <chrono>
#include <string>
#include <string_view>

#include "platform/Random.h"

namespace download {

// True when `name` holds one of the nine characters Windows refuses in file names:
// \ / : * ? " < > |
bool HasIllegalFileChar(const std::string& name);

// `raw` (UTF-8, or else the system code page) as UTF-8 when it is a plain file name that
// stays inside its folder and is an ordinary file on Windows too (no separator, none of the
// nine characters, no control character, not "." or "..", no final dot or blank, no device
// name such as CON or COM1 with any extension), else empty.
std::string plainFileName(const std::string& raw);

// One path element: no separator of either style, no drive (":"), none of the characters
// Windows refuses, no control character, not empty, "." or "..".
bool isSafePathElement(std::string_view name);

// A relative folder path written with `separator` whose every element is a safe path element:
// joined to a folder, it cannot lead out of it.
bool isSafeRelativeFolder(std::string_view folder, char separator);

// `count` characters of A-Z, a-z, 0-9, each drawn from `random`.
std::string RandomString(int count, platform::Random& random);

// The temporary file name of a download: the local date and time written as digits
// ("2026127214541" for 2026/12/7 21:45:41), the milliseconds as three digits, "-" and
// 32 random characters.
std::string makeTempName(std::chrono::system_clock::time_point now, platform::Random& random);

// The file name of a Content-Disposition line in `headerText`
// (`attachment;filename="x"` or `attachment; filename*="x"`), raw as written, or
// `defaultName` when there is none.
std::string FileNameFromChunk(const std::string& headerText, const std::string& defaultName);

}  // namespace download
