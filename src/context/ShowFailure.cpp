#include "context/ShowFailure.h"

void showFailure(const LauncherContext& context, const std::string& text, const std::string& title,
                 platform::MessageIcon icon) {
    context.log.write(title + "：" + text);
    context.dialogs().messageBox(text, title, icon, platform::MessageButtons::Ok);
}
