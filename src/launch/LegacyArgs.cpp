#include "launch/LegacyArgs.h"

#include "launch/FindFiles.h"

void addLegacyArgs(LaunchArgs& args, const LegacyValues& values,
                   const std::vector<std::string>& jars, platform::PathStyle style) {
    args.clear();
    args.AddArg("-Xincgc");
    args.AddArg("-Xmx" + std::to_string(values.memoryMb) + "M");
    args.AddArg("-XX:PermSize=" + std::to_string(values.permSizeMb) + "M");
    args.AddArg("-XX:MaxPermSize=" + std::to_string(values.maxPermSizeMb) + "M");
    args.AddArg("-Dsun.java2d.noddraw=" + values.noDirectDraw);
    args.AddArg("-Dsun.java2d.pmoffscreen=" + values.pmOffscreen);
    args.AddArg("-Dsun.java2d.d3d=" + values.direct3d);
    args.AddArg("-Dsun.java2d.opengl=" + values.openGl);
    args.AddArg("-cp");
    std::string classPath = "\"";
    for (size_t i = 0; i < jars.size(); ++i) {
        if (i > 0) classPath += style.classPathSeparator;
        classPath += jars[i];
    }
    args.AddArg(classPath + "\"");
    args.AddArg("-Djava.library.path=\"" + values.nativesFolder + "\"");
    args.AddArg("net.minecraft.client.Minecraft");
    args.AddArg(values.userName);
}

void MakeLegacyArgs(LaunchArgs& args, const LegacyValues& values, const GameFolders& folders) {
    const platform::PathStyle style = folders.style();
    std::string versionFolder = folders.versionFolder(values.versionId) + style.separator;
    addLegacyArgs(args, values, FindFiles(versionFolder, "*.jar", style), style);
}
