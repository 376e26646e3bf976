#include "controls/qt/PButton.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "MouseInput.h"

namespace {

using test_input::mouse;

struct HoverFixture : ::testing::Test {
    PButton button;
    bool cursorOver = true;
    void SetUp() override {
        button.resize(100, 40);
        button.setCursorTest([this] { return cursorOver; });
    }
    int fadeUntilStill() {
        int steps = 0;
        while (button.fading() && steps < 100) {
            button.fadeStep();
            ++steps;
        }
        return steps;
    }
};

TEST_F(HoverFixture, DefaultButtonFadesToHoverColourInTwelveStepsWithInvertedBorder) {
    mouse(&button, QEvent::MouseMove, {10, 10});
    EXPECT_TRUE(button.hovering());
    EXPECT_TRUE(button.borderVisible());
    EXPECT_EQ(button.borderColor(), 0x008BFDu);  // #FD8B00
    EXPECT_EQ(fadeUntilStill(), 12);
    EXPECT_EQ(button.currentBackColor(), PButton::kDefaultEnd);
}

TEST_F(HoverFixture, FadeMovesEachComponentFiveNeverPast) {
    mouse(&button, QEvent::MouseMove, {10, 10});
    button.fadeStep();
    // #00AFF2 -> #0274FF: red +2 (reached), green -5, blue +5.
    EXPECT_EQ(button.currentBackColor(), 0xF7AA02u);
}

TEST_F(HoverFixture, LeavingFadesBackAndHidesBorder) {
    mouse(&button, QEvent::MouseMove, {10, 10});
    fadeUntilStill();
    button.leaveTest();  // cursor still over it: nothing changes
    EXPECT_TRUE(button.hovering());
    cursorOver = false;
    button.leaveTest();
    EXPECT_FALSE(button.hovering());
    EXPECT_FALSE(button.borderVisible());
    EXPECT_FALSE(button.leaveTestRunning());
    EXPECT_EQ(fadeUntilStill(), 12);
    EXPECT_EQ(button.currentBackColor(), PButton::kDefaultBack);
}

TEST_F(HoverFixture, NewHoverDuringFadeBackTurnsFromCurrentColour) {
    mouse(&button, QEvent::MouseMove, {10, 10});
    fadeUntilStill();
    cursorOver = false;
    button.leaveTest();
    for (int i = 0; i < 4; ++i)
        button.fadeStep();
    cursorOver = true;
    mouse(&button, QEvent::MouseMove, {10, 10});
    EXPECT_EQ(fadeUntilStill(), 4);
    EXPECT_EQ(button.currentBackColor(), PButton::kDefaultEnd);
}

TEST_F(HoverFixture, DisabledButtonNeitherFadesNorRaisesMouseEventsOrClick) {
    button.setButtonEnabled(false);
    QSignalSpy clicks(&button, &PButton::Click);
    QSignalSpy moves(&button, &PButton::MouseMove);
    QSignalSpy downs(&button, &PButton::MouseDown);
    QSignalSpy ups(&button, &PButton::MouseUp);
    mouse(&button, QEvent::MouseMove, {10, 10});
    test_input::click(&button, {10, 10});
    test_input::key(&button, QEvent::KeyPress, Qt::Key_Space);
    test_input::key(&button, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_FALSE(button.fading());
    EXPECT_FALSE(button.hovering());
    EXPECT_FALSE(button.pressed());
    EXPECT_EQ(button.currentBackColor(), PButton::kDefaultBack);
    EXPECT_EQ(clicks.count() + moves.count() + downs.count() + ups.count(), 0);
}

TEST(PButton, PressMovesCaptionByThirtyTwipsAndClickFollowsRelease) {
    PButton button;
    button.resize(100, 40);
    QSignalSpy clicks(&button, &PButton::Click);
    QPoint resting = button.captionPosition();
    mouse(&button, QEvent::MouseButtonPress, {5, 5});
    EXPECT_TRUE(button.pressed());
    EXPECT_EQ(button.captionPosition(), resting + QPoint(2, 2));
    EXPECT_EQ(clicks.count(), 0);
    mouse(&button, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_FALSE(button.pressed());
    EXPECT_EQ(button.captionPosition(), resting);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(PButton, SpaceAndEnterPressAndClickOnRelease) {
    for (int key : {int(Qt::Key_Space), int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        PButton button;
        QSignalSpy clicks(&button, &PButton::Click);
        test_input::key(&button, QEvent::KeyPress, key);
        EXPECT_TRUE(button.pressed()) << key;
        test_input::key(&button, QEvent::KeyRelease, key);
        EXPECT_FALSE(button.pressed()) << key;
        EXPECT_EQ(clicks.count(), 1) << key;
    }
    PButton button;
    QSignalSpy clicks(&button, &PButton::Click);
    test_input::key(&button, QEvent::KeyPress, Qt::Key_A);
    test_input::key(&button, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(PButton, ColorBackSetsFaceAtOnceAndColorBeginFollowsIt) {
    PButton button;
    button.setColorBack(0x123456);
    EXPECT_EQ(button.currentBackColor(), 0x123456u);
    button.setColorBegin(0x000001);
    EXPECT_EQ(button.colorBegin(), 0x123456u);
}

TEST(PButton, PropertiesRoundTripAndDefaultsAreNotWritten) {
    PButton source;
    PropertyBag defaults;
    source.writeProperties(defaults);
    EXPECT_TRUE(defaults.entries().isEmpty());

    source.setText(QStringLiteral("下载"));
    source.setColorEnd(0x0000FF);
    source.setFontBold(true);
    source.setButtonEnabled(false);
    PropertyBag bag;
    source.writeProperties(bag);
    EXPECT_EQ(bag.entries().size(), 4);
    EXPECT_EQ(bag.entries().first().first, QStringLiteral("color_end"));

    PButton copy;
    copy.readProperties(bag);
    EXPECT_EQ(copy.text(), QStringLiteral("下载"));
    EXPECT_EQ(copy.colorEnd(), 0x0000FFu);
    EXPECT_TRUE(copy.fontBold());
    EXPECT_FALSE(copy.isButtonEnabled());
}

}  // namespace
