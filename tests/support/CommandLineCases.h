#pragma once
#include <string>
#include <vector>

namespace testing_support {

struct CommandLineCase {
    std::string line;
    std::vector<std::string> words;
};

// Command lines and the words Windows programs take from them: split on Linux by
// splitWindowsCommandLine, and on Windows passed to a real program through CreateProcessW.
inline const std::vector<CommandLineCase>& commandLineCases() {
    static const std::vector<CommandLineCase> cases = {
        {R"("C:\Program Files\Java\bin\javaw.exe" -Xmx1024m)",
         {R"(C:\Program Files\Java\bin\javaw.exe)", "-Xmx1024m"}},
        {"a  b\tc", {"a", "b", "c"}},
        {R"(--username "Ste ve" x)", {"--username", "Ste ve", "x"}},
        {R"(a\"b)", {"a\"b"}},
        {R"(a\\"b c")", {R"(a\b c)"}},
        {R"(a\\\"b)", {R"(a\"b)"}},
        {R"(C:\dir\ x)", {R"(C:\dir\)", "x"}},
        {R"("" x)", {"", "x"}},
        {R"("a""b")", {"a\"b"}},
        {"$(rm -rf ~);echo", {"$(rm", "-rf", "~);echo"}},
        {R"(--username "玩家 一号" 中文\"名)", {"--username", "玩家 一号", "中文\"名"}},
        {"", {}},
    };
    return cases;
}

}  // namespace testing_support
