#include "GameJar.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

#include "TempFolder.h"
#include "platform/Paths.h"

extern char** environ;

namespace testing_support {

namespace fs = std::filesystem;

int startProgram(const std::vector<std::string>& arguments, const std::string& outputPath,
                 const std::string& workingFolder) {
    std::vector<std::string> words = arguments;
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outputPath.c_str(), O_WRONLY | O_CREAT, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    if (!workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

ProgramResult runProgram(const std::vector<std::string>& arguments,
                         const std::string& workingFolder, std::chrono::milliseconds limit) {
    TempFolder scratch("program-output");
    std::string outputPath = scratch.file("output.txt");
    pid_t pid = startProgram(arguments, outputPath, workingFolder);
    ProgramResult result;
    if (pid < 0) return result;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    pid_t ended = 0;
    while ((ended = waitpid(pid, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (ended == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    } else if (ended == pid && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.output = readAll(outputPath);
    return result;
}

std::string findOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        std::string candidate = folder + "/" + name;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

bool javaToolsAvailable() {
    return !findOnPath("java").empty() && !findOnPath("javac").empty() &&
           !findOnPath("jar").empty();
}

JarBuilder& JarBuilder::source(const std::string& className, const std::string& code) {
    sources_.emplace_back(className, code);
    return *this;
}

JarBuilder& JarBuilder::classPath(const std::string& jarPath) {
    classPath_ = jarPath;
    return *this;
}

std::string JarBuilder::build(const std::string& jarPath) const {
    TempFolder work("jar-build");
    std::vector<std::string> javac{"javac", "-encoding", "UTF-8", "-d", work.path() + "/classes"};
    if (!classPath_.empty()) javac.insert(javac.end(), {"-cp", classPath_});
    for (const auto& [className, code] : sources_) {
        std::string file = className;
        for (char& c : file)
            if (c == '.') c = '/';
        javac.push_back(work.write("src/" + file + ".java", code));
    }
    ProgramResult compiled = runProgram(javac);
    if (compiled.exitCode != 0) return "javac: " + compiled.output;
    std::error_code ec;
    fs::create_directories(platform::fromUtf8Path(jarPath).parent_path(), ec);
    ProgramResult packed = runProgram({"jar", "cf", jarPath, "-C", work.path() + "/classes", "."});
    if (packed.exitCode != 0) return "jar: " + packed.output;
    return "";
}

std::string probeLibrarySource() {
    return "package probe.lib;\n"
           "public class Greeting {\n"
           "    public static String text() { return \"" +
           std::string(kProbeGreeting) + "\"; }\n}\n";
}

std::string probeGameSource(const std::string& className) {
    size_t dot = className.rfind('.');
    std::string package = dot == std::string::npos ? "" : className.substr(0, dot);
    std::string simple = dot == std::string::npos ? className : className.substr(dot + 1);
    std::string code = package.empty() ? "" : "package " + package + ";\n";
    code += R"(import java.nio.charset.StandardCharsets;
import java.nio.file.*;
import java.util.*;
public class )" +
            simple + R"( {
    public static void main(String[] args) throws Exception {
        List<String> lines = new ArrayList<>();
        for (String a : args) lines.add("arg=" + a);
        lines.add("classpath=" + System.getProperty("java.class.path"));
        lines.add("librarypath=" + System.getProperty("java.library.path"));
        lines.add("workdir=" + System.getProperty("user.dir"));
        String greeting;
        try {
            greeting = (String) Class.forName("probe.lib.Greeting").getMethod("text").invoke(null);
        } catch (Throwable t) {
            greeting = "missing: " + t;
        }
        lines.add("library=" + greeting);
        Path out = Paths.get("probe-output.txt").toAbsolutePath();
        Path part = Paths.get("probe-output.part").toAbsolutePath();
        Files.write(part, lines, StandardCharsets.UTF_8);
        Files.move(part, out, StandardCopyOption.ATOMIC_MOVE);
    }
}
)";
    return code;
}

std::optional<std::string> waitForFile(const std::string& path, std::chrono::milliseconds limit) {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        if (exists(path)) return readAll(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

std::vector<std::string> probeValues(const std::string& output, const std::string& key) {
    std::vector<std::string> values;
    std::stringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with(key + "=")) values.push_back(line.substr(key.size() + 1));
    }
    return values;
}

}  // namespace testing_support
