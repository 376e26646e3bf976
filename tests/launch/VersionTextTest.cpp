#include <gtest/gtest.h>

#include "LaunchFixtures.h"
#include "TempFolder.h"
#include "launch/VersionText.h"

using launch_fixtures::versionJson;

namespace {

std::vector<std::string> coordinates(const std::string& text) {
    std::vector<std::string> result;
    for (const Library& library : scanLibraries(text))
        result.emplace_back(library.coordinate);
    return result;
}

}  // namespace

TEST(VersionText, EveryLineGetsCrLfInFront) {
    EXPECT_EQ(makeVersionText({"{", "  \"id\": \"中\"", "}"}), "\r\n{\r\n  \"id\": \"中\"\r\n}");
    EXPECT_EQ(makeVersionText({}), "");

    testing_support::TempFolder folder;
    folder.write("v.json", "{\n\"a\": 1\r\n}");
    EXPECT_EQ(*readVersionText(folder.file("v.json")), "\r\n{\r\n\"a\": 1\r\n}");
    EXPECT_FALSE(readVersionText(folder.file("missing.json")));
}

TEST(LibraryScan, WalksLibrariesAndSkipsNamesWithoutColon) {
    std::string text =
        makeVersionText({versionJson("1.7.10", "net.minecraft.client.main.Main",
                                     {{"org.lwjgl.lwjgl:lwjgl:2.9.1", ""},
                                      {"org.lwjgl.lwjgl:lwjgl-platform:2.9.1", "natives-windows"},
                                      {"tv.twitch:twitch-platform:5.16", "natives-windows-${arch}"},
                                      {"org.lwjgl.lwjgl:lwjgl:2.9.1", ""}})});
    // The rules' "os" names ("osx") have no ":" and are no libraries; a repeated library
    // comes twice.
    EXPECT_EQ(coordinates(text),
              (std::vector<std::string>{
                  "org.lwjgl.lwjgl:lwjgl:2.9.1", "org.lwjgl.lwjgl:lwjgl-platform:2.9.1",
                  "tv.twitch:twitch-platform:5.16", "org.lwjgl.lwjgl:lwjgl:2.9.1"}));
}

TEST(LibraryScan, EntryRunsToObjectEndThenArrayEndThenTextEnd) {
    struct Case {
        const char* text;
        std::vector<Library> expected;
    };
    const Case cases[] = {
        // The object end wins over an earlier array end.
        {"\r\n{\"name\": \"a:b:1\"], \"x\": 1},", {{"a:b:1\"], \"x\": 1", "a:b:1"}}},
        {"\r\n{\"name\": \"a:b:1\"}\r\n],", {{"a:b:1\"}\r\n", "a:b:1"}}},
        // Neither end: the rest of the text, without running past it.
        {"\r\n{\"name\": \"a:b:1\"}", {{"a:b:1\"}", "a:b:1"}}},
        {"\r\n\"name\": ", {}},
        {"\r\n\"name\": \"", {}},
        {"\r\n\"name\": \"g:a\"", {{"g:a\"", "g:a"}}},
        // An end right behind the marker gives an empty entry, not a negative length.
        {"\r\n\"name\": },", {}},
        // Without the blank after the colon nothing is found.
        {"\r\n{\"name\":\"a:b:1\"},", {}},
        // The very first character is never a match.
        {"\"name\": \"a:b:1\"},", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scanLibraries(c.text), c.expected) << c.text;
}

TEST(LibraryScan, LaterObjectsFallBackWhenTheEndMarkersRunOut) {
    std::string text = "\r\n{\"name\": \"a:b:1\"},{\"name\": \"c:d:1\"}],{\"name\": \"e:f:1\"}";
    EXPECT_EQ(
        scanLibraries(text),
        (std::vector<Library>{{"a:b:1\"", "a:b:1"}, {"c:d:1\"}", "c:d:1"}, {"e:f:1\"}", "e:f:1"}}));
}

TEST(LibraryScan, CutsTheWindowsClassifierFromTheEntry) {
    struct Case {
        const char* entry;
        std::optional<std::string_view> expected;
    };
    const Case cases[] = {
        {"a:b:1\",\r\n\"natives\": {\r\n\"windows\": \"natives-windows\"\r\n", "natives-windows"},
        {"a:b:1\", \"natives\": {\"windows\": \"natives-windows-${arch}\"",
         "natives-windows-${arch}"},
        {"a:b:1\", \"natives\": {\"linux\": \"natives-linux\"", std::nullopt},
        {"a:b:1\", \"windows\":\"natives-windows\"", std::nullopt},
        {"a:b:1\", \"windows\": \"natives-win", "natives-win"},
        {"a:b:1\", \"windows\": \"", ""},
    };
    for (const Case& c : cases) {
        // Without an end marker the entry is the rest of the text.
        const std::string text = std::string("\r\n\"name\": \"") + c.entry;
        std::vector<Library> found = scanLibraries(text);
        ASSERT_EQ(found.size(), 1u) << c.entry;
        EXPECT_EQ(found[0].entry, c.entry);
        EXPECT_EQ(found[0].nativeClassifier, c.expected) << c.entry;
    }
    EXPECT_EQ(replaceArch("natives-${arch}-${arch}", "64"), "natives-64-64");
    EXPECT_EQ(replaceArch("natives-windows", "32"), "natives-windows");
}

TEST(LibraryScan, OverlappingEntriesEachSeeOnlyTheirOwnClassifier) {
    struct Case {
        const char* text;
        std::vector<std::optional<std::string_view>> expected;
    };
    const Case cases[] = {
        // A marker in front of an entry or behind its end is not its own.
        {"\r\n{\"name\": \"a:1\", \"windows\": \"x\"},{\"name\": \"b:2\"},", {"x", std::nullopt}},
        {"\r\n{\"name\": \"a:1\"},{\"name\": \"b:2\", \"windows\": \"y\"},", {std::nullopt, "y"}},
        // Unclosed objects share the tail and its classifier, up to the text end.
        {"\r\n{\"name\": \"a:1\", {\"name\": \"b:2\", \"windows\": \"z", {"z", "z"}},
        // An object left open takes the classifier of the next one, up to its quote.
        {"\r\n\"name\": \"a:1\", {\"name\": \"b:2\", \"windows\": \"w\"},", {"w", "w"}},
    };
    for (const Case& c : cases) {
        std::vector<std::optional<std::string_view>> found;
        for (const Library& library : scanLibraries(c.text))
            found.push_back(library.nativeClassifier);
        EXPECT_EQ(found, c.expected) << c.text;
    }
}
