#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

struct ProgramResult {
    int exitCode = -1;   // -1: it could not be started or did not end normally
    std::string output;  // standard output and error together
};

// Starts a program found on PATH with `arguments` (no shell) without waiting, its standard
// output and error going to the file `outputPath`; the process id, or -1 when it cannot start.
int startProgram(const std::vector<std::string>& arguments, const std::string& outputPath,
                 const std::string& workingFolder = "");

// Runs a program found on PATH with `arguments` (no shell) and waits for it, at most `limit`:
// then it is killed and reported as not ended normally.
ProgramResult runProgram(const std::vector<std::string>& arguments,
                         const std::string& workingFolder = "",
                         std::chrono::milliseconds limit = std::chrono::minutes(5));

// The full path of `name` on PATH, or empty text.
std::string findOnPath(const std::string& name);

// Whether `java`, `javac` and `jar` are all on PATH.
bool javaToolsAvailable();

// Compiles Java sources with javac and packs the classes into a jar with the jar tool.
class JarBuilder {
  public:
    // `className` is the dotted name; the source goes into the matching file.
    JarBuilder& source(const std::string& className, const std::string& code);
    JarBuilder& classPath(const std::string& jarPath);
    // Writes the jar to `jarPath` (parent folders created); empty text on success, otherwise
    // what javac or jar said.
    std::string build(const std::string& jarPath) const;

  private:
    std::vector<std::pair<std::string, std::string>> sources_;
    std::string classPath_;
};

// A library class `probe.lib.Greeting` whose static `text()` answers kProbeGreeting.
inline constexpr const char* kProbeGreeting = "greeting from the library";
std::string probeLibrarySource();

// A game main class `className` that writes what it received to `probe-output.txt` in its
// working folder, one "key=value" line each, in UTF-8: every argument ("arg="), then
// "classpath=", "librarypath=", "workdir=" and "library=" (the greeting of probe.lib.Greeting,
// or "missing: ..." when that class cannot be loaded). The file appears whole (renamed into
// place).
std::string probeGameSource(const std::string& className);

// The content of `path` once it exists, polling until `limit` has passed; nullopt then.
std::optional<std::string> waitForFile(const std::string& path, std::chrono::milliseconds limit);

// The lines of a probe output that start with `key` + "=", without that prefix.
std::vector<std::string> probeValues(const std::string& output, const std::string& key);

}  // namespace testing_support
