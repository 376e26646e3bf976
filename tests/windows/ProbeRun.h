#pragma once
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "TempFolder.h"
#include "platform/Paths.h"
#include "platform/TextFile.h"

namespace testing_support {

// The probe program built beside the test programs.
inline std::string probeProgram() {
    return platform::executableFolder() + "\\vendrolupa_probe.exe";
}

// Waits, bounded, until `path` exists; false when it never came.
inline bool waitForFile(const std::string& path, bool present = true) {
    for (int i = 0; i < 300; ++i) {
        if (exists(path) == present) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// The lines the probe wrote into `folder`: its folder, its window style, its arguments.
inline std::vector<std::string> probeReport(const std::string& folder) {
    std::string path = folder + "\\probe.txt";
    if (!waitForFile(path)) return {};
    std::string text = readAll(path);
    std::vector<std::string> lines;
    for (size_t start = 0, end; start < text.size(); start = end + 1) {
        end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

}  // namespace testing_support
