#include <gtest/gtest.h>

#include <QDir>

#include "MouseInput.h"
#include "controls/qt/PButton.h"

namespace {

// Writes docs/screenshots/pbutton-rest.png and pbutton-hover.png when VENDROLUPA_SCREENSHOTS
// names a folder (scripts/screenshots does).
TEST(PButtonScreenshot, RestingAndHovered) {
    QString folder = qEnvironmentVariable("VENDROLUPA_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "VENDROLUPA_SCREENSHOTS not set";
    QDir().mkpath(folder);
    PButton button;
    button.setText(QStringLiteral("开始下载"));
    button.setColorText(0xFFFFFF);
    button.resize(160, 44);
    button.setCursorTest([] { return true; });
    button.show();
    ASSERT_TRUE(button.grab().save(folder + "/pbutton-rest.png"));
    test_input::mouse(&button, QEvent::MouseMove, {20, 20});
    for (int step = 0; step < 60 && button.fading(); ++step)
        button.fadeStep();
    ASSERT_TRUE(button.grab().save(folder + "/pbutton-hover.png"));
}

}  // namespace
