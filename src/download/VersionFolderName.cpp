#include "download/VersionFolderName.h"

#include "download/DownloadNames.h"

namespace download {

std::string versionFolderNameProblem(std::string_view name) {
    if (name.empty()) return "没有版本名。";
    const std::string text(name);
    if (plainFileName(text) == text && text.find("..") == std::string::npos &&
        text.find('%') == std::string::npos)
        return {};
    return "版本名“" + text +
           "”不能用作文件夹名：不能有路径分隔符（/ 或 \\）、“..”、字符 < > : \" | ? * %，"
           "不能以点或空格结尾，也不能是 CON、NUL、COM1 这样的设备名。";
}

}  // namespace download
