#pragma once
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes. `nameHint` becomes part of the folder name (it may hold Chinese text
// and blanks, to test such paths).
class TempFolder {
  public:
    explicit TempFolder(const std::string& nameHint = "vendrolupa");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // `path()` + "/" + relative; creates the parent folders of the result.
    std::string file(const std::string& relative) const;
    // Writes `bytes` to `relative` (parents created) and returns the full path.
    std::string write(const std::string& relative, const std::string& bytes) const;
    // Creates the folder `relative` and returns its full path.
    std::string makeFolder(const std::string& relative) const;

  private:
    std::string path_;
};

// The whole content of a file, or "<missing>" when it cannot be read.
std::string readAll(const std::string& path);
bool exists(const std::string& path);

}  // namespace testing_support
