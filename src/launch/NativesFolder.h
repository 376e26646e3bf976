#pragma once
#include <string>
#include <vector>

#include "launch/LibraryFiles.h"
#include "platform/Paths.h"
#include "platform/Result.h"

// Whether an entry of a natives jar goes into the natives folder: not below "META-INF/" (the
// jar's signature and manifest) and not starting with any of the library's `exclude` texts.
bool nativeEntryWanted(const std::string& name, const std::vector<std::string>& exclude);

// Extracts every natives jar (its path relative to `librariesFolder`) into `nativesFolder`,
// created when missing. Stops at the first jar that is missing, damaged or holds an unsafe entry
// name; the failure names that jar and the reason.
platform::Result<> extractNatives(const std::vector<LibraryFiles::Natives>& natives,
                                  const std::string& librariesFolder,
                                  const std::string& nativesFolder, platform::PathStyle style);
