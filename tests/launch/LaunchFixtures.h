#pragma once
#include <string>
#include <vector>

#include "TempFolder.h"
#include "context/GameFolders.h"
#include "launch/MakeArgs.h"

namespace launch_fixtures {

// The game folders relative to a launcher folder, for writing into one: `pick` of a layout
// rooted at ".", without the leading "./".
inline std::string inLauncher(std::string (GameFolders::*pick)(std::string_view) const,
                              std::string_view versionId) {
    return (GameFolders(".", platform::PathStyle::posix()).*pick)(versionId).substr(2);
}
inline std::string inLauncher(std::string (GameFolders::*pick)() const) {
    return (GameFolders(".", platform::PathStyle::posix()).*pick)().substr(2);
}

// The launch values of the player "Steve" with the game folders in `separator` style, as
// the launch sequence passes them.
inline LaunchValues steve(const std::string& versionId, int32_t memoryMb, char separator) {
    LaunchValues values;
    values.memoryMb = memoryMb;
    values.userName = "Steve";
    values.versionId = versionId;
    GameFolders folders(
        "", separator == '\\' ? platform::PathStyle::windows() : platform::PathStyle::posix());
    values.nativesDir = folders.relativeNative();
    values.assetsDir = folders.relativeAssets();
    values.gameDir = folders.relativeRoot();
    return values;
}

// Version JSON texts laid out as the installed descriptions are: pretty-printed, one key a
// line, "natives" objects inside the library objects.

struct JsonLibrary {
    std::string name;
    std::string windowsNative;  // empty: no "natives" object
};

inline std::string versionJson(const std::string& id, const std::string& mainClass,
                               const std::vector<JsonLibrary>& libraries) {
    std::string json = "{\n  \"id\": \"" + id + "\",\n  \"type\": \"release\",\n";
    json +=
        "  \"minecraftArguments\": \"--username ${auth_player_name} --session "
        "${auth_session}\",\n";
    if (!mainClass.empty()) json += "  \"mainClass\": \"" + mainClass + "\",\n";
    json += "  \"libraries\": [\n";
    for (size_t i = 0; i < libraries.size(); ++i) {
        json += "    {\n      \"name\": \"" + libraries[i].name + "\"";
        if (!libraries[i].windowsNative.empty()) {
            json += ",\n      \"natives\": {\n        \"linux\": \"natives-linux\",\n";
            json += "        \"windows\": \"" + libraries[i].windowsNative + "\"\n      },\n";
            json += "      \"rules\": [\n        {\n          \"action\": \"allow\"\n        },\n";
            json += "        {\n          \"action\": \"disallow\",\n          \"os\": {\n";
            json += "            \"name\": \"osx\"\n          }\n        }\n      ]";
        }
        json += i + 1 < libraries.size() ? "\n    },\n" : "\n    }\n";
    }
    json += "  ],\n  \"assets\": \"legacy\"\n}\n";
    return json;
}

// Writes the version JSON of `id` into the launcher folder and returns its path.
inline std::string writeVersion(const testing_support::TempFolder& launcher, const std::string& id,
                                const std::string& json) {
    return launcher.write(inLauncher(&GameFolders::versionJson, id), json);
}

// Puts a file into the folder of `folderPart` under the libraries folder.
inline void fillLibraryFolder(const testing_support::TempFolder& launcher,
                              const std::string& folderPart, const std::string& fileName) {
    launcher.write(inLauncher(&GameFolders::libraries) + "/" + folderPart + "/" + fileName, "PK");
}

}  // namespace launch_fixtures
