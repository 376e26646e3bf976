#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/Result.h"

namespace download {

// The file that receives a download's bytes as they arrive, in arrival order. Failures name
// the file and the system's reason.
class TempFile {
  public:
    TempFile() = default;
    ~TempFile() { static_cast<void>(close()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Creates (or empties) `path`.
    platform::Result<> open(const std::string& path);
    platform::Result<> append(const char* data, size_t size);
    // Flushes and closes; fails when the last writes failed.
    platform::Result<> close();
    bool isOpen() const { return file_ != nullptr; }

  private:
    platform::Failure writeFailure(int error);

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string failure_;
};

// Removes `path` when it exists; any failure is ignored.
void removeIfExists(const std::string& path);

// Moves `from` over `to` (both in one folder); the failure names `to` and the reason.
platform::Result<> replaceFile(const std::string& from, const std::string& to);

}  // namespace download
