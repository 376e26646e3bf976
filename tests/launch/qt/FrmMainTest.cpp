#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "TestLauncher.h"
#include "controls/qt/TrkenderPlus.h"
#include "launch/qt/frmmain.h"
#include "servers/qt/serveradfrm.h"

using platform::DialogAnswer;
using testing_support::TestLauncher;

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton,
               QPoint at = {2, 2}) {
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease || type == QEvent::MouseMove
                                ? Qt::NoButton
                                : Qt::MouseButtons(button);
    QMouseEvent event(type, at, widget->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void writePicture(const std::string& path, QColor colour) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path)));
}

struct FrmMainTest : ::testing::Test {
    TestLauncher launcher{"主窗口 main"};
    std::vector<std::string> calls;
    FrmMainTest() {
        LauncherHooks& hooks = launcher.context.hooks;
        hooks.checkUpdate = [this] { calls.push_back("checkUpdate"); };
        hooks.checkNative = [this](const std::string& folder) {
            calls.push_back("checkNative " + folder);
        };
        hooks.showMarket = [this](bool modal) {
            calls.push_back(modal ? "market modal" : "market");
        };
    }
    std::unique_ptr<frmmain> open() {
        auto window = std::make_unique<frmmain>(launcher.context);
        loadMainWindow(launcher.context, *window);
        window->show();
        return window;
    }
    template <typename T = QLabel>
    static T* child(QWidget* w, const char* name) {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QStringList versions(frmmain* w) {
        QStringList items;
        auto* list = child<QComboBox>(w, "bootitem");
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }
};

TEST_F(FrmMainTest, LoadSequenceRunsInOrderAndSetsTheTitle) {
    launcher.folder.write(".minecraft/bin/minecraft.jar", "jar");
    launcher.dialogs.messageAnswers = {DialogAnswer::No};
    launcher.context.version = {0, 7, 1};
    auto window = open();
    EXPECT_EQ(child(window.get(), "lbltitle")->text(),
              "Vendrolupa Pre-Alpha Version 0.7.1 - 启动你的世界");
    EXPECT_EQ(mainWindowTitle(1, 10, 203), "Vendrolupa Pre-Alpha Version 1.10.203 - 启动你的世界");
    EXPECT_EQ(calls,
              (std::vector<std::string>{
                  "checkUpdate", "checkNative " + launcher.folder.path() + "/.minecraft/native/"}));
    EXPECT_EQ(launcher.dialogs.messageTexts(),
              std::vector<std::string>{"Vendrolupa检测到有旧版本的启动文件 是否迁移？"});
}

TEST_F(FrmMainTest, VersionListHoldsTheSubFoldersAndSelectsTheFirst) {
    for (const char* id : {"1.6.4", "1.7.10", "Forge"})
        launcher.folder.makeFolder(std::string(".minecraft/versions/") + id + "/natives");
    launcher.folder.write(".minecraft/versions/notes.txt", "not a version");
    auto window = open();
    // The file system decides the order; the set of names and the first selected are fixed.
    QStringList shown = versions(window.get());
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(child<QComboBox>(window.get(), "bootitem")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(window.get(), "bootitem")->currentText(), shown[0]);
    shown.sort();
    EXPECT_EQ(shown, (QStringList{"1.6.4", "1.7.10", "Forge"}));

    window->ShowFolderList(launcher.folder.path() + "/missing/");
    EXPECT_TRUE(versions(window.get()).isEmpty());
}

TEST_F(FrmMainTest, BackgroundIsARandomPictureOfTheDataFolder) {
    auto plain = open();
    EXPECT_EQ(plain->backgroundFile(), "");
    EXPECT_EQ(plain->themeColour(), QColor("#525252"));

    std::string data = launcher.folder.makeFolder(".Vendrolupa_Data");
    writePicture(data + "/a.jpg", Qt::red);
    writePicture(data + "/b.BMP", Qt::blue);
    writePicture(data + "/c.png", Qt::green);
    launcher.random.draws = {0.0, 0.99, 0.5};
    auto window = open();
    EXPECT_EQ(window->backgroundFile(), "a.jpg");
    sendMouse(window.get(), QEvent::MouseButtonDblClick);
    EXPECT_EQ(window->backgroundFile(), "b.BMP");
    window->showRandomBackground();
    EXPECT_EQ(window->backgroundFile(), "b.BMP");
    EXPECT_EQ(window->grab().toImage().pixelColor(1, 1), QColor(Qt::blue));
}

TEST_F(FrmMainTest, AFileThatIsNoPictureKeepsTheCurrentBackground) {
    launcher.folder.write(".Vendrolupa_Data/broken.jpg", "not a jpeg");
    auto window = open();
    EXPECT_EQ(window->backgroundFile(), "");
    window->setThemeColour(0x339344);
    EXPECT_EQ(window->grab().toImage().pixelColor(1, 1), QColor("#339344"));
}

TEST_F(FrmMainTest, BottomEdgeShutsOverTheWindowAndOpensOverTheStrip) {
    auto window = open();
    EXPECT_EQ(window->heightTwips(), 7200);
    auto* timer = window->findChild<QTimer*>("Timer1");
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(timer->interval(), 10);

    sendMouse(window.get(), QEvent::MouseMove);
    EXPECT_TRUE(window->collapsing());
    for (int i = 0; i < 100 && timer->isActive(); ++i)
        window->Timer1_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(window->heightTwips(), 6690);  // the first height not above 6705

    sendMouse(child(window.get(), "Label1"), QEvent::MouseMove);
    EXPECT_FALSE(window->collapsing());
    for (int i = 0; i < 100 && timer->isActive(); ++i)
        window->Timer1_Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(window->heightTwips(), 7200);
}

TEST_F(FrmMainTest, TitleButtonsTurnBoldWhileHeldThenMinimiseOrEnd) {
    auto window = open();
    QLabel* minimise = child(window.get(), "btnmin");
    EXPECT_EQ(minimise->toolTip(), "最小化");
    sendMouse(minimise, QEvent::MouseButtonPress);
    EXPECT_TRUE(minimise->font().bold());
    sendMouse(minimise, QEvent::MouseButtonRelease);
    EXPECT_FALSE(minimise->font().bold());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(launcher.ended);

    QLabel* close = child(window.get(), "btnclose");
    EXPECT_EQ(close->text(), "×");
    sendMouse(close, QEvent::MouseButtonPress);
    EXPECT_TRUE(close->font().bold());
    sendMouse(close, QEvent::MouseButtonRelease, Qt::LeftButton, {-20, -20});  // released outside
    EXPECT_FALSE(launcher.ended);
    sendMouse(close, QEvent::MouseButtonPress);
    sendMouse(close, QEvent::MouseButtonRelease);
    EXPECT_TRUE(launcher.ended);
    EXPECT_TRUE(launcher.dialogs.shown.empty());
}

TEST_F(FrmMainTest, OnlyTheLeftButtonShowsTheStartOverlay) {
    auto window = open();
    auto* overlay = child<TrkenderPlus>(window.get(), "clickxger");
    EXPECT_EQ(overlay->tmd(), 50);
    EXPECT_EQ(child<TrkenderPlus>(window.get(), "TMDer")->tmd(), 120);
    QLabel* start = child(window.get(), "btnstartgame");
    EXPECT_EQ(start->text(), "开始游戏");
    EXPECT_FALSE(overlay->isVisible());
    sendMouse(start, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_FALSE(overlay->isVisible());
    sendMouse(start, QEvent::MouseButtonPress, Qt::LeftButton);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->geometry(), start->geometry());
}

TEST_F(FrmMainTest, ButtonsOpenTheOtherWindows) {
    auto window = open();
    calls.clear();
    EXPECT_EQ(child<QPushButton>(window.get(), "btnmarket")->text(), "Minecraft 应用市场");
    child<QPushButton>(window.get(), "btnmarket")->click();
    EXPECT_EQ(calls, std::vector<std::string>{"market modal"});
    child<QPushButton>(window.get(), "btnservers")->click();
    child<QPushButton>(window.get(), "btnservers")->click();
    auto servers = window->findChildren<serveradfrm*>();
    ASSERT_EQ(servers.size(), 1);
    EXPECT_TRUE(servers[0]->isVisible());
    EXPECT_FALSE(servers[0]->isModal());
    sendMouse(child(window.get(), "Label2"), QEvent::MouseButtonRelease);
    auto* credits = window->findChild<QWidget*>("frmcredits");
    ASSERT_NE(credits, nullptr);
    EXPECT_TRUE(credits->isVisible());
    EXPECT_FALSE(credits->isModal());
}

// The launch reads the stored settings; no hidden settings window stands in for them.
TEST_F(FrmMainTest, TheLaunchStepsBuildNoSettingsWindow) {
    launcher.context.config = {"steve", "1024", "/opt/java/bin/java", "pw", "gray"};
    auto window = open();
    window->showMarketHideMain();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(calls.back(), "market");
    window->restoreMainWindow();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->findChild<QWidget*>("frmsetting"), nullptr);
}

}  // namespace
