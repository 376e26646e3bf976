#include "controls/qt/PProgressBar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <cmath>
#include <limits>

#include "MouseInput.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

TEST(PProgressBar, ValueIsClampedAndWidthFollowsIt) {
    struct Case {
        float assigned;
        float reads;
        int filledWidth;
    };
    const Case cases[] = {
        {1.5f, 1.0f, 200},
        {-0.2f, 0.0f, 0},
        {0.25f, 0.25f, 50},
        {std::numeric_limits<float>::quiet_NaN(), 0.0f, 0},
    };
    for (const Case& c : cases) {
        PProgressBar bar;
        bar.resize(200, 20);
        bar.setValue(c.assigned);
        EXPECT_EQ(bar.value(), c.reads) << c.assigned;
        EXPECT_EQ(bar.progressRect(), QRect(0, 0, c.filledWidth, 20)) << c.assigned;
    }
}

TEST(PProgressBar, ResizeKeepsFractionAndFullHeight) {
    PProgressBar bar;
    bar.resize(200, 20);
    bar.setValue(0.5f);
    bar.resize(400, 30);
    EXPECT_EQ(bar.progressRect(), QRect(0, 0, 200, 30));
}

TEST(PProgressBar, PaintsFilledPartInTopColourAndRestInBackColour) {
    PProgressBar bar;
    bar.resize(100, 10);
    bar.setValue(0.3f);
    QImage face = bar.grab().toImage();
    EXPECT_EQ(face.pixelColor(10, 5), platform::toQColor(PProgressBar::kDefaultTop));
    EXPECT_EQ(face.pixelColor(80, 5), platform::toQColor(PProgressBar::kDefaultBack));
}

TEST(PProgressBar, MouseEventsCarryRelativePositionOnlyWhileEnabled) {
    PProgressBar bar;
    bar.resize(200, 20);
    QSignalSpy downs(&bar, &PProgressBar::MouseDown);
    QSignalSpy clicks(&bar, &PProgressBar::Click);
    test_input::click(&bar, {50, 5});
    ASSERT_EQ(downs.count(), 1);
    EXPECT_DOUBLE_EQ(downs.at(0).at(4).toDouble(), 0.25);
    EXPECT_EQ(clicks.count(), 1);
    bar.setBarEnabled(false);
    test_input::click(&bar, {50, 5});
    EXPECT_EQ(downs.count(), 1);
    EXPECT_EQ(clicks.count(), 1);
}

}  // namespace
