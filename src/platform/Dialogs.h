#pragma once
#include <optional>
#include <string>

namespace platform {

enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class DialogAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    bool saveMode = false;
    std::string title;
    std::string filter;  // "description|pattern|description|pattern"
    std::string initialFileName;
    std::string defaultExtension;
    std::string initialFolder;
};

// Everything the launcher asks the user (a test seam): real Qt dialogs in the program,
// scripted answers in tests.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual DialogAnswer messageBox(const std::string& text, const std::string& title,
                                    MessageIcon icon, MessageButtons buttons) = 0;
    // nullopt when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) = 0;
    // The chosen full path; empty when cancelled.
    virtual std::string fileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace platform
