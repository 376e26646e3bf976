#include "app/LauncherWindows.h"

#include "account/qt/frmsetting.h"
#include "launch/qt/frmmain.h"

LauncherWindows::LauncherWindows(LauncherContext& context) : context_(context) {
    context_.hooks.applyTheme = [this](uint32_t colour) { mainWindow().setThemeColour(colour); };
}

LauncherWindows::~LauncherWindows() {
    context_.hooks.applyTheme = [](uint32_t) {};
}

void LauncherWindows::showSettingsModal() {
    frmsetting window(context_, main_.get());
    window.exec();
}

void LauncherWindows::showMainWindow() {
    mainWindow().show();
}

frmmain& LauncherWindows::mainWindow() {
    if (!main_) main_ = std::make_unique<frmmain>(context_);
    return *main_;
}
