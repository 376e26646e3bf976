#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace download {

// The file that receives a download's bytes as they arrive, in arrival order.
class TempFile {
  public:
    TempFile() = default;
    ~TempFile() { close(); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Creates (or empties) `path`; false when it cannot be created.
    bool open(const std::string& path);
    bool append(const char* data, size_t size);
    // Flushes and closes; false when the last writes failed.
    bool close();
    bool isOpen() const { return file_ != nullptr; }

  private:
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// Removes `path` when it exists; any failure is ignored.
void removeIfExists(const std::string& path);

// Moves `from` over `to` (both in one folder); false when it cannot.
bool replaceFile(const std::string& from, const std::string& to);

}  // namespace download
