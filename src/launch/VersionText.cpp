#include "launch/VersionText.h"

#include "platform/TextFile.h"

namespace {

constexpr std::string_view kNameMarker = "\"name\": ";
constexpr std::string_view kWindowsMarker = "\"windows\": \"";
constexpr std::string_view kObjectEnd = "},";
constexpr std::string_view kArrayEnd = "],";

// Finds `marker` from `from` on, remembering once it is absent from some position so a long
// tail of unterminated objects is not searched again for every library.
class TailSearch {
  public:
    TailSearch(std::string_view text, std::string_view marker) : text_(text), marker_(marker) {}
    size_t from(size_t position) {
        if (position >= absentFrom_) return std::string_view::npos;
        size_t found = text_.find(marker_, position);
        if (found == std::string_view::npos) absentFrom_ = position;
        return found;
    }

  private:
    std::string_view text_;
    std::string_view marker_;
    size_t absentFrom_ = std::string_view::npos;
};

}  // namespace

std::string MakeVersionText(const std::vector<std::string>& lines) {
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

std::optional<std::string> ReadVersionText(const std::string& jsonPath) {
    std::optional<std::vector<std::string>> lines = platform::readTextLines(jsonPath);
    if (!lines) return std::nullopt;
    return MakeVersionText(*lines);
}

std::vector<Library> ScanLibraries(std::string_view text) {
    std::vector<Library> libraries;
    TailSearch objectEnd(text, kObjectEnd);
    TailSearch arrayEnd(text, kArrayEnd);
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
        std::string_view entry = text.substr(start, end > start ? end - start : 0);
        std::string_view coordinate = entry.substr(0, entry.find('"'));
        if (coordinate.find(':') == std::string_view::npos) continue;
        libraries.push_back({std::string(entry), std::string(coordinate)});
    }
    return libraries;
}

std::optional<std::string> NativeClassifier(std::string_view entry) {
    size_t marker = entry.find(kWindowsMarker);
    if (marker == std::string_view::npos) return std::nullopt;
    size_t start = marker + kWindowsMarker.size();
    // The closing quote is looked for from the classifier's second character on.
    size_t close = start + 1 <= entry.size() ? entry.find('"', start + 1) : std::string_view::npos;
    if (close == std::string_view::npos) close = entry.size();
    return std::string(entry.substr(start, close - start));
}

std::string ReplaceArch(std::string classifier, std::string_view archDigits) {
    constexpr std::string_view kArch = "${arch}";
    for (size_t at = classifier.find(kArch); at != std::string::npos;
         at = classifier.find(kArch, at + archDigits.size())) {
        classifier.replace(at, kArch.size(), archDigits);
    }
    return classifier;
}
