#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "platform/Result.h"

// The feature release of a Java runtime from what `java -version` prints: "1.8.0_292" is 8,
// "17.0.2" is 17, "21" is 21, "9-ea" is 9. nullopt when the text names no version.
std::optional<int> javaMajorFromVersionText(std::string_view output);

// The feature release of the Java at `javaPath`. Asking a runtime takes a start of the JVM, so
// the answer is remembered in `cacheFile` (one line per runtime: modification time, release,
// path) and asked again only when that file changed. The failure says why it could not be told.
platform::Result<int> javaMajorVersion(const std::string& javaPath, const std::string& cacheFile);
