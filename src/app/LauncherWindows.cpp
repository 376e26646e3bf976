#include "app/LauncherWindows.h"

#include "account/qt/frmsetting.h"
#include "launch/qt/frmmain.h"
#include "market/qt/frmmarket.h"
#include "startup/MainWindowLoad.h"

LauncherWindows::LauncherWindows(LauncherContext& context) : context_(context) {
    LauncherHooks& hooks = context_.hooks;
    hooks.applyTheme = [this](uint32_t colour) { mainWindow().setThemeColour(colour); };
    hooks.showMarket = [this](bool modal) { showMarket(modal); };
    hooks.checkUpdate = [this] {
        market().CheckUpdate();
        unloadClosedMarket();
    };
    hooks.checkNative = [this](const std::string& nativeFolder) {
        market().CheckNative(nativeFolder);
        unloadClosedMarket();
    };
    hooks.checkLibraries = [this](const std::string& versionId, const VersionFiles& files) {
        market().CheckLibraries(versionId, files);
        unloadClosedMarket();
    };
}

LauncherWindows::~LauncherWindows() {
    context_.hooks = LauncherHooks{.endProcess = context_.hooks.endProcess};
}

void LauncherWindows::showSettingsModal() {
    frmsetting window(context_, main_.get());
    window.exec();
}

void LauncherWindows::showMainWindow() {
    mainWindow().show();
}

frmmain& LauncherWindows::mainWindow() {
    if (!main_) {
        main_ = std::make_unique<frmmain>(context_);
        // The load runs once the window exists, so its checks may call back into it.
        loadMainWindow(context_, *main_);
    }
    return *main_;
}

frmmarket& LauncherWindows::market() {
    unloadClosedMarket();
    if (!market_) {
        market_ = std::make_unique<frmmarket>(context_);
        market_->refreshVersions = [this] { refreshVersions(); };
    }
    return *market_;
}

void LauncherWindows::showMarket(bool modal) {
    if (!modal) {
        market().show();
        return;
    }
    market().exec();
    unloadClosedMarket();
}

void LauncherWindows::unloadClosedMarket() {
    if (market_ && market_->closed()) market_.reset();
}

void LauncherWindows::refreshVersions() {
    if (!main_) return;
    main_->ShowFolderList(context_.folders().versions() + context_.style().separator);
}
