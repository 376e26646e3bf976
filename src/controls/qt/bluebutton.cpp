#include "controls/qt/bluebutton.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "controls/qt/ControlsAccessibility.h"
#include "controls/qt/MouseArgs.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

QAccessibleInterface* accessibleFace(const QString& className, QObject* object) {
    if (className != QLatin1String("bluebutton")) return nullptr;
    auto* button = static_cast<bluebutton*>(object);
    return new controls::CaptionButton(
        button, [button] { return button->caption(); }, [button] { return button->isEnabled(); },
        [button] { emit button->Click(); });
}

}  // namespace

bluebutton::bluebutton(QWidget* parent)
    : QWidget(parent), label_(new QLabel(QStringLiteral("Label1"), this)) {
    controls::registerAccessibleFace(accessibleFace);
    // The label only shows the caption; the control takes its mouse events.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The caption is shown as written, never read as markup.
    label_->setTextFormat(Qt::PlainText);
    backColor_ = defaultBackColor();
    foreColor_ = defaultForeColor();
    setForeColor(foreColor_);
    resize(platform::twipsToPixels(1200), platform::twipsToPixels(375));
    centreCaption();
}

quint32 bluebutton::defaultBackColor() const {
    return platform::toPlatformColor(QApplication::palette().color(QPalette::Button));
}

quint32 bluebutton::defaultForeColor() const {
    return platform::toPlatformColor(QApplication::palette().color(QPalette::ButtonText));
}

void bluebutton::setBackColor(quint32 color) {
    backColor_ = color;
    update();
}

void bluebutton::setForeColor(quint32 color) {
    foreColor_ = color;
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, platform::toQColor(color));
    label_->setPalette(palette);
}

QFont bluebutton::captionFont() const {
    return label_->font();
}

void bluebutton::setCaptionFont(const QFont& font) {
    label_->setFont(font);
    centreCaption();
}

QString bluebutton::caption() const {
    return label_->text();
}

void bluebutton::setCaption(const QString& caption) {
    label_->setText(caption);
    centreCaption();
    controls::announceNameChange(this);
}

void bluebutton::setBorderStyle(int style) {
    borderStyle_ = style == 1 ? 1 : 0;
    centreCaption();
    update();
}

QRect bluebutton::captionGeometry() const {
    return label_->geometry();
}

void bluebutton::centreCaption() {
    label_->adjustSize();
    int border = borderStyle_ == 1 ? 1 : 0;
    int innerWidth = width() - 2 * border;
    int innerHeight = height() - 2 * border;
    label_->move(border + (innerWidth - label_->width()) / 2,
                 border + (innerHeight - label_->height()) / 2);
}

void bluebutton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(currentBackColor()));
    if (borderStyle_ == 1) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void bluebutton::resizeEvent(QResizeEvent*) {
    centreCaption();
}

void bluebutton::mousePressEvent(QMouseEvent* event) {
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseDown(m.button, m.shift, m.x, m.y);
    // A second button pressed while one is held keeps the resting colour to restore.
    held_ = true;
    clickPending_ = true;
    update();
}

void bluebutton::mouseMoveEvent(QMouseEvent* event) {
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseMove(m.button, m.shift, m.x, m.y);
}

void bluebutton::mouseReleaseEvent(QMouseEvent* event) {
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseUp(m.button, m.shift, m.x, m.y);
    held_ = false;
    update();
    bool click = clickPending_ && rect().contains(m.x, m.y);
    clickPending_ = false;
    if (click) emit Click();
}

void bluebutton::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
    // The second press of a double click is no click of its own.
    clickPending_ = false;
    emit DblClick();
}

void bluebutton::writeProperties(PropertyBag& bag) const {
    bag.write("BackColor", backColor_, defaultBackColor());
    bag.write("ForeColor", foreColor_, defaultForeColor());
    QFont parentFont = parentWidget() ? parentWidget()->font() : QApplication::font();
    bag.write("Font", captionFont(), parentFont);
    bag.write("DownColor", downColor_, 0u);
    bag.write("Caption", caption(), QStringLiteral("Label1"));
    bag.write("BorderStyle", borderStyle_, 0);
}

void bluebutton::readProperties(const PropertyBag& bag) {
    setBackColor(bag.read("BackColor", defaultBackColor()).toUInt());
    setForeColor(bag.read("ForeColor", defaultForeColor()).toUInt());
    QFont parentFont = parentWidget() ? parentWidget()->font() : QApplication::font();
    setCaptionFont(bag.read("Font", parentFont).value<QFont>());
    setDownColor(bag.read("DownColor", 0u).toUInt());
    setCaption(bag.read("Caption", QStringLiteral("Label1")).toString());
    setBorderStyle(bag.read("BorderStyle", 0).toInt());
}
