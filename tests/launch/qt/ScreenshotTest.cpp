#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>

#include "TestLauncher.h"
#include "account/qt/frmsetting.h"
#include "launch/qt/frmmain.h"
#include "startup/Theme.h"

using testing_support::TestLauncher;

namespace {

// How many pixels of `image` have exactly `colour`.
int pixelsOf(const QImage& image, QColor colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

// How many pixels differ between two images of one size.
int differingPixels(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            count += a.pixelColor(x, y) != b.pixelColor(x, y);
    }
    return count;
}

// Saves the grab when VENDROLUPA_SCREENSHOTS names a folder (scripts/screenshots sets it).
void keep(const QPixmap& grab, const char* name) {
    QString folder = qEnvironmentVariable("VENDROLUPA_SCREENSHOTS");
    if (folder.isEmpty()) return;
    QDir().mkpath(folder);
    EXPECT_TRUE(grab.save(folder + "/" + name, "PNG"));
}

TEST(ScreenshotTest, ChineseCaptionsRenderInBothWindows) {
    QLabel probe;
    QRawFont chinese = QRawFont::fromFont(probe.font(), QFontDatabase::SimplifiedChinese);
    ASSERT_TRUE(chinese.supportsCharacter(QChar(u'启'))) << "no CJK font installed";

    TestLauncher launcher{"screenshots"};
    for (const char* id : {"1.7.10", "1.6.4", "Forge"})
        launcher.folder.makeFolder(std::string(".minecraft/versions/") + id);
    launcher.context.config = {"steve233", "2048", "/usr/lib/jvm/java-17/bin/java", "", "blue"};

    frmmain main(launcher.context);
    loadMainWindow(launcher.context, main);
    main.setThemeColour(themeColour("blue"));
    main.show();
    QPixmap mainGrab = main.grab();
    EXPECT_EQ(mainGrab.size(), QSize(720, 480));
    // The white caption of the start button is drawn, not left as empty boxes.
    QLabel* start = main.findChild<QLabel*>("btnstartgame");
    EXPECT_GT(pixelsOf(start->grab().toImage(), Qt::white), 40);
    keep(mainGrab, "frmmain.png");

    frmsetting settings(launcher.context);
    settings.show();
    QPixmap settingsGrab = settings.grab();
    EXPECT_EQ(settingsGrab.size(), settings.size());
    // A caption is drawn when the button looks different without it.
    auto* random = settings.findChild<QPushButton*>("btnrandomname");
    ASSERT_NE(random, nullptr);
    const QImage captioned = random->grab().toImage();
    random->setText("");
    EXPECT_GT(differingPixels(captioned, random->grab().toImage()), 40);
    keep(settingsGrab, "frmsetting.png");
}

}  // namespace
