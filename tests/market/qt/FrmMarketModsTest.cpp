#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <filesystem>

#include "LoopbackMirror.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "TestSeams.h"
#include "controls/qt/PButton.h"
#include "market/ModDownload.h"
#include "market/qt/frmmarket.h"
#include "platform/Sha256.h"
#include "platform/curl/CurlHttpClient.h"

using namespace testing_support;

namespace {

// The update server's start page beside a mirror that serves the files.
struct FrmMarketModsTest : ::testing::Test {
    TempFolder www{"mirror"};
    LoopbackMirror mirror{www.path()};
    std::string page;
    LoopbackHttpServer updateServer{[this](const std::string&) {
        ScriptedResponse r;
        r.batches = {LoopbackHttpServer::response(200, page)};
        return r;
    }};
    TempFolder folder{"模组 mods"};
    ScriptedDialogs dialogs;
    RecordingProcessStarter processes;
    platform::CurlHttpClient http;
    SequenceRandom random;
    ManualClock clock;
    LauncherContext context{folder.path(), Seams{dialogs, processes, http, random, clock},
                            platform::PathStyle::posix()};
    std::unique_ptr<frmmarket> window;
    bool ended = false;

    FrmMarketModsTest() {
        context.services.source = DownloadSourceKind::Mirror;
        context.services.mirror = mirror.baseUrl();
        context.services.update = updateServer.baseUrl();
        folder.makeFolder(".Vendrolupa_Data");
        context.hooks.endProcess = [this] {
            ended = true;
            window->done(0);
        };
    }
    void choose(const QString& version) {
        int index = window->选择版本->findText(version);
        window->选择版本->setCurrentIndex(index);
        emit window->选择版本->activated(index);
    }
    QStringList mods() const {
        QStringList names;
        for (int i = 0; i < window->List4->count(); ++i)
            names << window->List4->item(i)->text();
        return names;
    }
};

}  // namespace

TEST_F(FrmMarketModsTest, ChosenVersionListsItsModsAndTheButtonDownloadsOneIntoTheModsFolder) {
    www.write("mods/ic2.jar", "ic2 bytes");
    page = "-MODLISTBEGIN<p>[1.7.10]</p>\r\n<p>工业|" + mirror.baseUrl() +
           "/mods/ic2.jar|电力</p>\r\n<p>[Other]</p>\r\nRei|http://h/rei.jar|地图-MODLISTEND";
    window = std::make_unique<frmmarket>(context);
    choose("1.7.10");
    EXPECT_EQ(mods(), QStringList{"工业"});
    EXPECT_EQ(window->modsNote(), "");

    // No mod clicked yet: nothing happens.
    window->PButton3_Click();
    EXPECT_TRUE(window->pipeline().empty());
    EXPECT_TRUE(dialogs.shown.empty());

    window->List4_Click(0);
    EXPECT_EQ(window->Label9->text(), "Mod描述：电力");
    EXPECT_EQ(window->Label7->text().toStdString(), mirror.baseUrl() + "/mods/ic2.jar");
    window->PButton3_Click();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{market::kModsFolderMissing});
    EXPECT_TRUE(window->pipeline().empty());

    folder.makeFolder(".minecraft/mods");
    window->PButton3_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->pipeline().empty(); }, 20000));
    EXPECT_EQ(readAll(folder.path() + "/.minecraft/mods/ic2.jar"), "ic2 bytes");

    choose("Other");
    EXPECT_EQ(mods(), QStringList{"Rei"});
}

TEST_F(FrmMarketModsTest, PageWithoutCatalogueIsSaidInTheTabAndTriedAgainLater) {
    page = "<html>维护中</html>";
    window = std::make_unique<frmmarket>(context);
    choose("1.7.10");
    EXPECT_TRUE(mods().isEmpty());
    EXPECT_TRUE(window->modsNote().startsWith("无法载入Mod列表"))
        << window->modsNote().toStdString();
    EXPECT_TRUE(dialogs.shown.empty());
    page = "-MODLISTBEGIN[1.7.10]\r\nA|http://h/a.jar|d-MODLISTEND";
    choose("1.7.10");
    EXPECT_EQ(mods(), QStringList{"A"});
    EXPECT_EQ(window->modsNote(), "");
}

TEST_F(FrmMarketModsTest, AcceptedUpdateDownloadsInUpdateModeAndStartsTheScript) {
    www.write("dl/vendrolupa-0.7.1", "new launcher");
    for (const std::string& digest :
         {platform::sha256Hex("new launcher"), platform::sha256Hex("x")}) {
        page = "【0.7.1|" + mirror.baseUrl() + "/dl/vendrolupa-0.7.1|新版本[vbcrlf]更好|" + digest +
               "】";
        dialogs.messageAnswers = {platform::DialogAnswer::Yes};
        dialogs.shown.clear();
        ended = false;
        std::filesystem::remove(folder.path() + "/upd.sh");
        window = std::make_unique<frmmarket>(context);
        window->CheckUpdate();
        EXPECT_EQ(window->windowTitle(), "自动更新中");
        EXPECT_TRUE(window->closed());
        const bool genuine = digest == platform::sha256Hex("new launcher");
        EXPECT_EQ(ended, genuine);
        EXPECT_EQ(processes.started.size(), 1u);
        EXPECT_EQ(exists(folder.path() + "/upd.sh"), genuine);
        EXPECT_EQ(exists(folder.path() + "/vendrolupa-0.7.1"), genuine);
        EXPECT_EQ(dialogs.shown.size(), genuine ? 1u : 2u);
    }
}
