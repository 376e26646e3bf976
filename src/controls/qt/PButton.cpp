#include "controls/qt/PButton.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QPainter>

#include "controls/qt/ControlsAccessibility.h"
#include "controls/qt/MouseArgs.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

int component(quint32 color, int shift) {
    return int((color >> shift) & 0xFF);
}

int stepTowards(int from, int to, int step) {
    if (from < to) return std::min(from + step, to);
    return std::max(from - step, to);
}

QAccessibleInterface* accessibleFace(const QString& className, QObject* object) {
    if (className != QLatin1String("PButton")) return nullptr;
    auto* button = static_cast<PButton*>(object);
    return new controls::CaptionButton(
        button, [button] { return button->text(); }, [button] { return button->isButtonEnabled(); },
        [button] { emit button->Click(); });
}

}  // namespace

PButton::PButton(QWidget* parent) : QWidget(parent) {
    controls::registerAccessibleFace(accessibleFace);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    timer1_.setInterval(kTimerIntervalMs);
    timer2_.setInterval(kTimerIntervalMs);
    connect(&timer1_, &QTimer::timeout, this, &PButton::leaveTest);
    connect(&timer2_, &QTimer::timeout, this, &PButton::fadeStep);
    cursorOverButton_ = [this] { return QApplication::widgetAt(QCursor::pos()) == this; };
    resize(platform::twipsToPixels(1215), platform::twipsToPixels(495));
}

void PButton::setColorBack(quint32 color) {
    colorBack_ = color;
    colorBegin_ = color;
    current_ = color;
    update();
}

void PButton::setColorBegin(quint32) {
    colorBegin_ = colorBack_;
}

void PButton::setColorEnd(quint32 color) {
    colorEnd_ = color;
    update();
}

void PButton::setColorText(quint32 color) {
    colorText_ = color;
    update();
}

void PButton::setText(const QString& text) {
    text_ = text;
    update();
    controls::announceNameChange(this);
}

void PButton::setFontName(const QString& name) {
    fontName_ = name;
    update();
}

void PButton::setFontSize(int size) {
    fontSize_ = size;
    update();
}

void PButton::setFontBold(bool on) {
    fontBold_ = on;
    update();
}

void PButton::setFontItalic(bool on) {
    fontItalic_ = on;
    update();
}

void PButton::setFontUnderline(bool on) {
    fontUnderline_ = on;
    update();
}

quint32 PButton::borderColor() const {
    return ~colorEnd_ & 0xFFFFFF;
}

QFont PButton::captionFont() const {
    QFont font(fontName_);
    font.setPointSize(fontSize_ > 0 ? fontSize_ : 1);
    font.setBold(fontBold_);
    font.setItalic(fontItalic_);
    font.setUnderline(fontUnderline_);
    return font;
}

QPoint PButton::captionPosition() const {
    QFontMetrics metrics(captionFont());
    int x = (width() - metrics.horizontalAdvance(text_)) / 2;
    int y = (height() - metrics.height()) / 2;
    if (pressed_) {
        x += platform::twipsToPixels(kPressOffsetTwips);
        y += platform::twipsToPixels(kPressOffsetTwips);
    }
    return {x, y};
}

void PButton::leaveTest() {
    if (cursorOverButton_()) return;
    hovering_ = false;
    timer1_.stop();
    if (!timer2_.isActive()) timer2_.start();
    borderVisible_ = false;
    update();
}

void PButton::fadeStep() {
    quint32 target = hovering_ ? colorEnd_ : colorBack_;
    quint32 next = 0;
    for (int shift : {0, 8, 16})
        next |=
            quint32(stepTowards(component(current_, shift), component(target, shift), kFadeStep))
            << shift;
    current_ = next;
    if (next == target) timer2_.stop();
    update();
}

void PButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(current_));
    if (borderVisible_) {
        painter.setPen(platform::toQColor(borderColor()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QFont font = captionFont();
    painter.setFont(font);
    painter.setPen(platform::toQColor(colorText_));
    QPoint at = captionPosition();
    painter.drawText(at.x(), at.y() + QFontMetrics(font).ascent(), text_);
}

void PButton::mouseMoveEvent(QMouseEvent* event) {
    if (!enabled_) return;
    hovering_ = true;
    // Restarting a running timer would hold the fade back while the mouse keeps moving.
    if (!timer1_.isActive()) timer1_.start();
    if (!timer2_.isActive()) timer2_.start();
    borderVisible_ = true;
    update();
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseMove(m.button, m.shift, m.x, m.y);
}

void PButton::mousePressEvent(QMouseEvent* event) {
    if (!enabled_) return;
    pressed_ = true;
    mouseHeld_ = true;
    update();
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseDown(m.button, m.shift, m.x, m.y);
}

void PButton::mouseReleaseEvent(QMouseEvent* event) {
    pressed_ = false;
    bool wasHeld = mouseHeld_;
    mouseHeld_ = false;
    update();
    if (!enabled_) return;
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseUp(m.button, m.shift, m.x, m.y);
    if (wasHeld && rect().contains(m.x, m.y)) emit Click();
}

void PButton::mouseDoubleClickEvent(QMouseEvent*) {
    if (!enabled_) return;
    // The second press of a double click reports DblClick instead of MouseDown and Click.
    pressed_ = true;
    mouseHeld_ = false;
    update();
    emit DblClick();
}

void PButton::keyPressEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) return QWidget::keyPressEvent(event);
    if (!enabled_ || event->isAutoRepeat()) return;
    pressed_ = true;
    keyHeld_ = true;
    update();
}

void PButton::keyReleaseEvent(QKeyEvent* event) {
    if (!isPressKey(event->key())) return QWidget::keyReleaseEvent(event);
    if (event->isAutoRepeat()) return;
    pressed_ = false;
    update();
    // Only a key press the button took counts: a disabled button clicks by no means.
    if (keyHeld_ && enabled_) emit Click();
    keyHeld_ = false;
}

void PButton::resizeEvent(QResizeEvent*) {
    update();
}

void PButton::writeProperties(PropertyBag& bag) const {
    bag.write("Color_Back", colorBack_, kDefaultBack);
    bag.write("Color_Begin", colorBegin_, kDefaultBack);
    bag.write("Color_End", colorEnd_, kDefaultEnd);
    bag.write("Color_Text", colorText_, 0u);
    bag.write("Text", text_, QStringLiteral("PButton"));
    bag.write("Font_Name", fontName_, QStringLiteral("微软雅黑"));
    bag.write("Font_Size", fontSize_, 11);
    bag.write("Font_Bold", fontBold_, false);
    bag.write("Font_Italic", fontItalic_, false);
    bag.write("Font_Underline", fontUnderline_, false);
    bag.write("Enabled", enabled_, true);
}

void PButton::readProperties(const PropertyBag& bag) {
    setColorBack(bag.read("Color_Back", kDefaultBack).toUInt());
    setColorEnd(bag.read("Color_End", kDefaultEnd).toUInt());
    setColorText(bag.read("Color_Text", 0u).toUInt());
    setText(bag.read("Text", QStringLiteral("PButton")).toString());
    setFontName(bag.read("Font_Name", QStringLiteral("微软雅黑")).toString());
    setFontSize(bag.read("Font_Size", 11).toInt());
    setFontBold(bag.read("Font_Bold", false).toBool());
    setFontItalic(bag.read("Font_Italic", false).toBool());
    setFontUnderline(bag.read("Font_Underline", false).toBool());
    setButtonEnabled(bag.read("Enabled", true).toBool());
}
