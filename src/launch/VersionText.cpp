#include "launch/VersionText.h"

#include "platform/AsciiText.h"
#include "platform/CodePage.h"
#include "platform/TextFile.h"

namespace {

constexpr std::string_view kNameMarker = "\"name\": ";
constexpr std::string_view kWindowsMarker = "\"windows\": \"";
constexpr std::string_view kObjectEnd = "},";
constexpr std::string_view kArrayEnd = "],";

// Finds `marker` from a position on, for positions that never go back. Entries overlap
// (an unclosed object runs to the end of the text), so the answer for one position is kept
// while it still lies ahead, and an absent marker is remembered: no byte is searched twice.
class ForwardSearch {
  public:
    ForwardSearch(std::string_view text, std::string_view marker) : text_(text), marker_(marker) {}
    size_t from(size_t position) {
        if (position >= absentFrom_) return std::string_view::npos;
        if (found_ != std::string_view::npos && position <= found_) return found_;
        found_ = text_.find(marker_, position);
        if (found_ == std::string_view::npos) absentFrom_ = position;
        return found_;
    }

  private:
    std::string_view text_;
    std::string_view marker_;
    size_t found_ = std::string_view::npos;
    size_t absentFrom_ = std::string_view::npos;
};

}  // namespace

std::string makeVersionText(const std::vector<std::string>& lines) {
    std::string text;
    size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += "\r\n";
        text += line;
    }
    return text;
}

platform::Result<std::string> readVersionText(const std::string& jsonPath) {
    platform::Result<std::string> bytes = platform::readFileBytes(jsonPath);
    if (!bytes) return bytes.failure();
    return versionTextOfBytes(bytes.value());
}

std::string versionTextOfBytes(const std::string& bytes) {
    return makeVersionText(platform::splitTextLines(platform::fromCodePage(bytes)));
}

std::vector<Library> scanLibraries(std::string_view text) {
    std::vector<Library> libraries;
    ForwardSearch objectEnd(text, kObjectEnd);
    ForwardSearch arrayEnd(text, kArrayEnd);
    ForwardSearch windows(text, kWindowsMarker);
    ForwardSearch quote(text, "\"");
    // The first search starts one character in, and each later one just behind the start of
    // the previous marker.
    size_t searchFrom = 1;
    while (true) {
        size_t name = text.find(kNameMarker, searchFrom);
        if (name == std::string_view::npos) break;
        searchFrom = name + 1;
        size_t end = objectEnd.from(name);
        if (end == std::string_view::npos) end = arrayEnd.from(name);
        if (end == std::string_view::npos) end = text.size();
        // The value starts behind the marker and its opening quote.
        size_t start = std::min(name + kNameMarker.size() + 1, text.size());
        end = std::max(end, start);
        std::string_view entry = text.substr(start, end - start);
        std::string_view coordinate = entry.substr(0, entry.find('"'));
        if (coordinate.find(':') == std::string_view::npos) continue;
        Library library{entry, coordinate, std::nullopt};
        size_t marker = windows.from(start);
        if (marker != std::string_view::npos && marker + kWindowsMarker.size() <= end) {
            size_t value = marker + kWindowsMarker.size();
            // The closing quote is looked for from the classifier's second character on.
            size_t close = value + 1 <= end ? quote.from(value + 1) : end;
            library.nativeClassifier = text.substr(value, std::min(close, end) - value);
        }
        libraries.push_back(library);
    }
    return libraries;
}

std::string replaceArch(std::string_view classifier, std::string_view archDigits) {
    return platform::replacedAll(classifier, "${arch}", archDigits);
}
