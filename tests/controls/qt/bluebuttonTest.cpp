#include "controls/qt/bluebutton.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "MouseInput.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

using test_input::mouse;

TEST(bluebutton, TakesDownColourWhileHeldAndRestoresItAfterMouseUp) {
    bluebutton button;
    button.resize(120, 30);
    button.setBackColor(0xFF8000);
    button.setDownColor(0x404040);
    QSignalSpy clicks(&button, &bluebutton::Click);
    mouse(&button, QEvent::MouseButtonPress, {10, 10});
    EXPECT_EQ(button.currentBackColor(), 0x404040u);
    EXPECT_EQ(button.grab().toImage().pixelColor(3, 3), platform::toQColor(0x404040));
    mouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton);
    mouse(&button, QEvent::MouseButtonRelease, {10, 10});
    EXPECT_EQ(button.currentBackColor(), 0xFF8000u);
    EXPECT_EQ(button.grab().toImage().pixelColor(3, 3), platform::toQColor(0xFF8000));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(bluebutton, CaptionStaysCentredAfterCaptionAndSizeChanges) {
    bluebutton button;
    button.setCaption(QStringLiteral("刷新列表"));
    button.show();
    for (QSize size : {QSize(120, 30), QSize(201, 57)}) {
        button.resize(size);
        QRect caption = button.captionGeometry();
        EXPECT_LE(std::abs(caption.center().x() - QRect(QPoint(), size).center().x()), 1);
        EXPECT_LE(std::abs(caption.center().y() - QRect(QPoint(), size).center().y()), 1);
    }
}

TEST(bluebutton, CaptionWithMarkupShowsAsWritten) {
    bluebutton button;
    button.setCaption(QStringLiteral("<i>刷新</i>"));
    EXPECT_GE(button.captionGeometry().width(),
              QFontMetrics(button.captionFont()).horizontalAdvance(button.caption()));
}

TEST(bluebutton, PropertiesRoundTrip) {
    QWidget holder;
    auto* source = new bluebutton(&holder);
    PropertyBag defaults;
    source->writeProperties(defaults);
    EXPECT_TRUE(defaults.entries().isEmpty());
    source->setCaption(QStringLiteral("刷新列表"));
    source->setDownColor(0x00FF00);
    source->setBorderStyle(1);
    PropertyBag bag;
    source->writeProperties(bag);
    auto* copy = new bluebutton(&holder);
    copy->readProperties(bag);
    EXPECT_EQ(copy->caption(), QStringLiteral("刷新列表"));
    EXPECT_EQ(copy->downColor(), 0x00FF00u);
    EXPECT_EQ(copy->borderStyle(), 1);
}

}  // namespace
