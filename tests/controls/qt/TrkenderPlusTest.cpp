#include "controls/qt/TrkenderPlus.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "MouseInput.h"

namespace {

// The picture (pure red) over a known background (pure blue) at each opacity.
TEST(TrkenderPlus, BlendsPictureWithConstantOpacityOverBackground) {
    struct Case {
        int tmd;
        int red;
        int blue;
    };
    const Case cases[] = {{0, 0, 255}, {120, 120, 135}, {255, 255, 0}};
    for (const Case& c : cases) {
        QWidget holder;
        holder.resize(300, 200);
        holder.setAutoFillBackground(true);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::blue);
        holder.setPalette(palette);
        auto* overlay = new TrkenderPlus(&holder);
        QImage picture(600, 400, QImage::Format_RGB32);
        picture.fill(Qt::red);
        overlay->setPicture(picture);
        overlay->setTMD(c.tmd);
        QColor seen = holder.grab().toImage().pixelColor(50, 50);
        EXPECT_NEAR(seen.red(), c.red, 1) << c.tmd;
        EXPECT_EQ(seen.green(), 0) << c.tmd;
        EXPECT_NEAR(seen.blue(), c.blue, 1) << c.tmd;
    }
}

TEST(TrkenderPlus, OpacityStaysWithinAByte) {
    TrkenderPlus overlay;
    EXPECT_EQ(overlay.tmd(), 160);
    overlay.setTMD(300);
    EXPECT_EQ(overlay.tmd(), 255);
    overlay.setTMD(-4);
    EXPECT_EQ(overlay.tmd(), 0);
}

TEST(TrkenderPlus, WholeRectangleTakesClicksEvenWhereInvisible) {
    TrkenderPlus overlay;
    overlay.setTMD(0);
    QSignalSpy clicks(&overlay, &TrkenderPlus::Click);
    test_input::click(&overlay, {599, 399});
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
