#include "market/qt/frmmarket.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "LoopbackMirror.h"
#include "ScriptedDialogs.h"
#include "TaskText.h"
#include "TempFolder.h"
#include "TestSeams.h"
#include "controls/qt/PButton.h"
#include "controls/qt/PProgressBar.h"
#include "download/qt/XGTDL.h"
#include "launch/MakeArgs.h"
#include "platform/curl/CurlHttpClient.h"

using namespace testing_support;

namespace {

const char* kManifest =
    "{\"latest\": {\"release\": \"1.8\"}, \"versions\": [\n"
    "  {\"id\": \"1.8\", \"type\": \"release\"},\n"
    "  {\"id\": \"14w02a\", \"type\": \"snapshot\"},\n"
    "  {\"id\": \"rd-132211\", \"type\": \"old_alpha\"}\n"
    "]}";

struct FrmMarketTest : ::testing::Test {
    TempFolder www{"mirror"};
    LoopbackMirror mirror{www.path()};
    TempFolder folder{"市场 market"};
    ScriptedDialogs dialogs;
    RecordingProcessStarter processes;
    platform::CurlHttpClient http;
    SequenceRandom random;
    ManualClock clock;
    int pumps = 0;
    LauncherContext context{
        folder.path(),
        Seams{dialogs, processes, http, random, clock, [](int) {}, [this] { ++pumps; }},
        platform::PathStyle::posix()};

    FrmMarketTest() {
        context.services.source = DownloadSourceKind::Mirror;
        context.services.mirror = context.services.official = mirror.baseUrl();
    }
    std::unique_ptr<frmmarket> open() { return std::make_unique<frmmarket>(context); }
    static QStringList lines(const QListWidget* list) {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result << list->item(i)->text();
        return result;
    }
    // Whether `upper` lies above `lower` among their parent's children.
    static bool above(const QWidget* upper, const QWidget* lower) {
        const QObjectList& children = upper->parentWidget()->children();
        return children.indexOf(upper) > children.indexOf(lower);
    }
};

TEST_F(FrmMarketTest, CatalogueListsEveryVersionWithItsTypeTextAndDetails) {
    www.write("versions/versions.json", kManifest);
    auto window = open();
    EXPECT_EQ(lines(window->List1),
              (QStringList{"版本名称：1.8 版本类型：正式版", "版本名称：14w02a 版本类型：快照版",
                           "版本名称：rd-132211 版本类型：Alpha版"}));
    EXPECT_EQ(window->List2, (std::vector<std::string>{"1.8", "14w02a", "rd-132211"}));
    EXPECT_EQ(pumps, 3);  // events run once per entry while the list fills
    EXPECT_EQ(window->catalogueNote(), "");
    EXPECT_EQ(window->windowTitle(), "Vendrolupa - Minecraft 应用市场");

    QTest::mouseClick(window->List1->viewport(), Qt::LeftButton, {},
                      window->List1->visualItemRect(window->List1->item(1)).center());
    EXPECT_EQ(window->Label2->text(), "版本名称：14w02a");
    EXPECT_EQ(window->Label3->text(), "版本类型：快照版");
}

TEST_F(FrmMarketTest, AFailedCatalogueIsExplainedInTheWindowWithoutAMessageBox) {
    struct Case {
        std::string mirror;
        const char* manifest;  // nullptr: none on the mirror
        QString said;
    };
    const Case cases[] = {
        {"http://127.0.0.1:1", kManifest, "无法获取版本列表："},
        {mirror.baseUrl(), nullptr,
         QString::fromStdString("无法获取版本列表：服务器对 " + mirror.baseUrl() +
                                "/versions/versions.json 的回答是 HTTP 404")},
        {mirror.baseUrl(), "{\"versions\": []}", "版本列表是空的"},
    };
    for (const Case& c : cases) {
        std::remove((www.path() + "/versions/versions.json").c_str());
        if (c.manifest) www.write("versions/versions.json", c.manifest);
        context.services.mirror = c.mirror;
        auto window = open();
        EXPECT_EQ(window->List1->count(), 0) << c.mirror;
        EXPECT_TRUE(window->catalogueNote().startsWith(c.said))
            << window->catalogueNote().toStdString();
        EXPECT_TRUE(dialogs.shown.empty());

        // With nothing to choose, neither button queues anything.
        window->PButton1_Click();
        window->PButton2_Click();
        EXPECT_TRUE(window->pipeline().empty());
        EXPECT_EQ(dialogs.messageTexts(),
                  (std::vector<std::string>{"请先选择版本", "请先选择版本"}));
        dialogs.shown.clear();
    }
}

TEST_F(FrmMarketTest, ANeverClickedEntryIsNoSelection) {
    www.write("versions/versions.json", kManifest);
    auto window = open();
    window->show();
    // Focus alone makes an entry current without selecting it.
    window->List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    window->PButton1_Click();
    EXPECT_TRUE(window->pipeline().empty());
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"请先选择版本"});
}

TEST_F(FrmMarketTest, TabsRecolourAndBringTheirPanelForwardUnderTheDownloadList) {
    www.write("versions/versions.json", kManifest);
    auto window = open();
    auto colour = [&](int tab) { return window->tabs(tab)->styleSheet(); };
    EXPECT_EQ(colour(0), "color: #1c74d5");
    EXPECT_EQ(colour(1), "color: #707070");
    EXPECT_EQ(colour(2), "color: #707070");
    EXPECT_TRUE(above(window->pnlVersions, window->pnlMods));
    EXPECT_EQ(window->选择版本->count(), 4);
    EXPECT_EQ(window->选择版本->itemText(3), "Other");

    struct Step {
        int tab;
        QWidget* front;
    };
    for (Step step : {Step{1, window->pnlMods}, Step{2, window->pnlMods},
                      Step{0, window->pnlVersions}, Step{2, window->pnlVersions}}) {
        QTest::mouseClick(window->tabs(step.tab), Qt::LeftButton);
        for (int tab = 0; tab < 3; ++tab)
            EXPECT_EQ(colour(tab), tab == step.tab ? "color: #1c74d5" : "color: #000000");
        QWidget* back = step.front == window->pnlMods ? window->pnlVersions : window->pnlMods;
        EXPECT_TRUE(above(step.front, back)) << step.tab;
        EXPECT_TRUE(above(window->Frame1, step.front)) << step.tab;
    }
}

TEST_F(FrmMarketTest, UpdateModeShowsTheDownloadListAlone) {
    www.write("versions/versions.json", kManifest);
    auto window = open();
    QSize frame = window->Frame1->size();
    window->EnterUpdateMode("Libraries更新中");
    EXPECT_EQ(window->windowTitle(), "Libraries更新中");
    EXPECT_EQ(window->pipeline().mode(), market::MarketMode::Libraries);
    EXPECT_TRUE(window->pnlVersions->isHidden());
    EXPECT_EQ(window->Frame1->pos(), QPoint(3, 3));
    EXPECT_EQ(window->size(), frame + QSize(13, 33));
}

TEST_F(FrmMarketTest, TheRunningTaskStaysSelected) {
    auto window = open();
    window->show();
    for (const char* task :
         {"http://h/a[下载到]/x", "http://h/b[下载到]/x", "http://h/c[下载到]/x"})
        window->pipeline().append(entryOf(task));
    EXPECT_EQ(window->List3->currentRow(), 0);
    QTest::mouseClick(window->List3->viewport(), Qt::LeftButton, {},
                      window->List3->visualItemRect(window->List3->item(2)).center());
    EXPECT_EQ(window->List3->currentRow(), 0);
    EXPECT_EQ(window->List3->count(), 3);
}

// Three files through the real download control: the window's events run in the pause between
// two tasks (the next download has not started yet), and the count label follows the queue.
TEST_F(FrmMarketTest, QueueRunsThroughWithEventsBetweenTasks) {
    std::string target = folder.makeFolder("downloads");
    for (const char* name : {"a.bin", "b.bin", "c.bin"})
        www.write(std::string("files/") + name, std::string(3000, name[0]));
    auto window = open();
    std::vector<std::string> seenBetween;
    window->refreshVersions = [&] {
        QTimer::singleShot(0, window.get(),
                           [&] { seenBetween.push_back(window->XGTDL1->engine().url()); });
    };
    for (const char* name : {"a.bin", "b.bin", "c.bin"})
        window->pipeline().append(
            entryOf(mirror.baseUrl() + "/files/" + name + "[下载到]" + target));
    window->pipeline().StartHeadTask();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->pipeline().empty(); }, 20000));
    EXPECT_EQ(seenBetween, (std::vector<std::string>{mirror.baseUrl() + "/files/a.bin",
                                                     mirror.baseUrl() + "/files/b.bin"}));
    for (const char* name : {"a.bin", "b.bin", "c.bin"})
        EXPECT_EQ(testing_support::readAll(target + "/" + name), std::string(3000, name[0]));
    EXPECT_EQ(window->List3->count(), 0);
    EXPECT_EQ(window->PProgressBar1->value(), 0.0f);
    EXPECT_TRUE(window->Label5->text().endsWith("KB/S"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Label8->text() == "0项"; }, 3000));
    EXPECT_FALSE(window->closed());  // normal use never closes the window
    EXPECT_TRUE(dialogs.shown.empty());
}

// A missing file on the mirror: the message names it and says why, then the queue goes on.
TEST_F(FrmMarketTest, ADownloadErrorSaysWhichFileAndWhy) {
    std::string target = folder.makeFolder("downloads");
    www.write("files/here.bin", "here");
    auto window = open();
    for (const char* name : {"gone.bin", "here.bin"})
        window->pipeline().append(
            entryOf(mirror.baseUrl() + "/files/" + name + "[下载到]" + target));
    window->pipeline().StartHeadTask();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->pipeline().empty(); }, 20000));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const std::string& said = dialogs.shown[0].text;
    EXPECT_EQ(said.rfind("下载错误", 0), 0u) << said;
    EXPECT_NE(said.find("gone.bin"), std::string::npos) << said;
    EXPECT_NE(said.find("原因："), std::string::npos) << said;
    EXPECT_NE(said.find("404"), std::string::npos) << said;
    EXPECT_FALSE(exists(target + "/gone.bin"));
    EXPECT_EQ(readAll(target + "/here.bin"), "here");
}

TEST_F(FrmMarketTest, LibraryCheckOfAnOldLayoutClosesTheWindowAtOnce) {
    auto window = open();
    folder.makeFolder(".minecraft/versions/b1.7.3");
    folder.write(".minecraft/versions/b1.7.3/minecraft.jar", "jar");
    window->show();
    window->CheckLibraries("b1.7.3", readVersionFiles(context.folders(), "b1.7.3"));
    EXPECT_TRUE(window->closed());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->pipeline().empty());
}

TEST_F(FrmMarketTest, TheSourceIsShownSwitchedAndRememberedInServicesIni) {
    www.write("versions/versions.json", kManifest);
    www.write("mc/manifest.json",
              "{\"versions\": [{\"id\": \"1.20\", \"type\": \"release\", "
              "\"url\": \"http://h/1.20.json\"}]}");
    context.services.manifest = mirror.baseUrl() + "/mc/manifest.json";
    const std::string services = folder.makeFolder(".Vendrolupa_Data") + "/services.ini";
    folder.write(".Vendrolupa_Data/services.ini", "update=http://u.test\r\nsource=mirror\r\n");
    auto window = open();
    const QString mirrorLabel =
        QString::fromStdString("下载源：镜像 " + mirror.baseUrl().substr(7));
    EXPECT_EQ(window->sourceLabel()->text(), mirrorLabel);
    EXPECT_EQ(window->List1->count(), 3);

    struct Step {
        QString label;
        QStringList catalogue;
        const char* saved;
    };
    const Step steps[] = {
        {"下载源：官方", {"版本名称：1.20 版本类型：正式版"}, "source=official"},
        {mirrorLabel,
         {"版本名称：1.8 版本类型：正式版", "版本名称：14w02a 版本类型：快照版",
          "版本名称：rd-132211 版本类型：Alpha版"},
         "source=mirror"},
    };
    for (const Step& step : steps) {
        window->switchSource();
        EXPECT_EQ(window->sourceLabel()->text(), step.label);
        EXPECT_EQ(lines(window->List1), step.catalogue);
        EXPECT_EQ(window->List2.size(), size_t(step.catalogue.size()));
        EXPECT_EQ(loadServiceHosts(services).source, context.services.source);
        EXPECT_EQ(readAll(services), std::string("update=http://u.test\r\n") + step.saved + "\r\n");
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FrmMarketTest, ASourceThatCannotBeSavedStaysAndSaysWhy) {
    www.write("versions/versions.json", kManifest);
    folder.write(".Vendrolupa_Data", "a file where the data folder should be");
    auto window = open();
    const QString before = window->sourceLabel()->text();
    window->switchSource();
    EXPECT_EQ(window->sourceLabel()->text(), before);
    EXPECT_EQ(context.services.source, DownloadSourceKind::Mirror);
    EXPECT_EQ(window->List1->count(), 3);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("无法切换下载源"), std::string::npos);
}

// What lies under another panel is out of reach: not shown, not announced, never focused.
TEST_F(FrmMarketTest, OnlyTheChosenTabsPanelIsThereAndFocusStartsOnTheCatalogue) {
    www.write("versions/versions.json", kManifest);
    auto window = open();
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(QApplication::focusWidget(), window->List1);
    struct Step {
        int tab;
        QWidget* shown;
        QWidget* hidden;
    };
    for (Step step :
         {Step{0, window->PButton1, window->PButton3}, Step{1, window->PButton3, window->PButton1},
          Step{0, window->PButton1, window->选择版本}}) {
        QTest::mouseClick(window->tabs(step.tab), Qt::LeftButton);
        EXPECT_TRUE(step.shown->isVisible()) << step.tab;
        EXPECT_FALSE(step.hidden->isVisible()) << step.tab;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(step.hidden);
        ASSERT_NE(face, nullptr);
        EXPECT_TRUE(face->state().invisible) << step.tab;
    }
    // Tabbing through the versions panel never lands on the mods panel.
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_FALSE(window->pnlMods->isAncestorOf(QApplication::focusWidget()));
    }
}

TEST_F(FrmMarketTest, AnEmptyProgressBarLooksEmpty) {
    auto window = open();
    window->show();
    PProgressBar* bar = window->PProgressBar1;
    const QPoint middle(bar->width() / 2, bar->height() / 2);
    bar->setValue(1);
    const QColor full = bar->grab().toImage().pixelColor(middle);
    bar->setValue(0);
    const QColor empty = bar->grab().toImage().pixelColor(middle);
    // Told apart at a glance: far apart in lightness, not only in hue.
    EXPECT_GT(std::abs(full.lightness() - empty.lightness()), 60)
        << full.name().toStdString() << " " << empty.name().toStdString();
}

}  // namespace
