#include "controls/qt/PProgressBar.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/qt/ControlsAccessibility.h"
#include "controls/qt/MouseArgs.h"
#include "platform/qt/WidgetHelpers.h"

namespace {

// The bar's value from 0 to 1, read as a percentage.
class ProgressBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ProgressBarAccessible(PProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::number(qRound(bar()->value() * 100)) + '%';
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return double(bar()->value()); }
    void setCurrentValue(const QVariant&) override {}  // the pipeline alone moves the bar
    QVariant maximumValue() const override { return 1.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.0; }

  private:
    PProgressBar* bar() const { return static_cast<PProgressBar*>(widget()); }
};

QAccessibleInterface* accessibleFace(const QString& className, QObject* object) {
    if (className != QLatin1String("PProgressBar")) return nullptr;
    return new ProgressBarAccessible(static_cast<PProgressBar*>(object));
}

}  // namespace

PProgressBar::PProgressBar(QWidget* parent) : QWidget(parent) {
    controls::registerAccessibleFace(accessibleFace);
    resize(platform::twipsToPixels(3000), platform::twipsToPixels(255));
}

void PProgressBar::setColorTop(quint32 color) {
    colorTop_ = color;
    update();
}

void PProgressBar::setColorBack(quint32 color) {
    colorBack_ = color;
    update();
}

void PProgressBar::setValue(float value) {
    if (!(value >= 0.0f))
        value = 0.0f;
    else if (value > 1.0f)
        value = 1.0f;
    value_ = value;
    update();
    controls::announceValueChange(this, value_);
}

QRect PProgressBar::progressRect() const {
    return QRect(0, 0, int(width() * double(value_)), height());
}

void PProgressBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(colorBack_));
    QRect filled = progressRect();
    if (filled.width() > 0) painter.fillRect(filled, platform::toQColor(colorTop_));
}

void PProgressBar::mousePressEvent(QMouseEvent* event) {
    if (!enabled_) return;
    mouseHeld_ = true;
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseDown(m.button, m.shift, m.x, m.y, relativeX(m.x));
}

void PProgressBar::mouseMoveEvent(QMouseEvent* event) {
    if (!enabled_) return;
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseMove(m.button, m.shift, m.x, m.y, relativeX(m.x));
}

void PProgressBar::mouseReleaseEvent(QMouseEvent* event) {
    bool wasHeld = mouseHeld_;
    mouseHeld_ = false;
    if (!enabled_) return;
    controls::MouseArgs m = controls::mouseArgs(event);
    emit MouseUp(m.button, m.shift, m.x, m.y, relativeX(m.x));
    if (wasHeld && rect().contains(m.x, m.y)) emit Click();
}

void PProgressBar::mouseDoubleClickEvent(QMouseEvent*) {
    if (enabled_) emit DblClick();
}

void PProgressBar::writeProperties(PropertyBag& bag) const {
    bag.write("Color_Top", colorTop_, kDefaultTop);
    bag.write("Color_Back", colorBack_, kDefaultBack);
    bag.write("Enabled", enabled_, true);
    bag.write("Value", value_, 1.0f);
}

void PProgressBar::readProperties(const PropertyBag& bag) {
    setColorTop(bag.read("Color_Top", kDefaultTop).toUInt());
    setColorBack(bag.read("Color_Back", kDefaultBack).toUInt());
    setBarEnabled(bag.read("Enabled", true).toBool());
    setValue(bag.read("Value", 1.0f).toFloat());
}
