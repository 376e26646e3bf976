#include "controls/qt/TrkenderPlus.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/qt/ControlsAccessibility.h"

namespace {

QAccessibleInterface* accessibleFace(const QString& className, QObject* object) {
    if (className != QLatin1String("TrkenderPlus")) return nullptr;
    auto* picture = static_cast<TrkenderPlus*>(object);
    // A picture that lets the mouse through is decoration; one that takes clicks is a button.
    bool clickable = !picture->testAttribute(Qt::WA_TransparentForMouseEvents);
    if (!clickable) return new QAccessibleWidget(picture, QAccessible::Graphic);
    return new controls::CaptionButton(
        picture, [picture] { return picture->accessibleName(); },
        [picture] { return picture->isEnabled(); }, [picture] { emit picture->Click(); });
}

}  // namespace

TrkenderPlus::TrkenderPlus(QWidget* parent) : QWidget(parent), picture_(defaultPicture()) {
    controls::registerAccessibleFace(accessibleFace);
    resize(kPictureWidth, kPictureHeight);
}

QImage TrkenderPlus::defaultPicture() {
    // A plain white sheet: drawn at partial opacity it lightens what lies behind it.
    QImage picture(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

void TrkenderPlus::setTMD(int opacity) {
    tmd_ = std::clamp(opacity, 0, 255);
    update();
}

void TrkenderPlus::setPicture(const QImage& picture) {
    picture_ = picture.copy(0, 0, std::min(picture.width(), int(kPictureWidth)),
                            std::min(picture.height(), int(kPictureHeight)));
    update();
}

void TrkenderPlus::paintEvent(QPaintEvent*) {
    if (tmd_ == 0) return;
    QPainter painter(this);
    painter.setOpacity(tmd_ / 255.0);
    painter.drawImage(QPoint(0, 0), picture_);
}

void TrkenderPlus::mousePressEvent(QMouseEvent*) {
    mouseHeld_ = true;
}

void TrkenderPlus::mouseReleaseEvent(QMouseEvent* event) {
    bool wasHeld = mouseHeld_;
    mouseHeld_ = false;
    if (wasHeld && rect().contains(event->position().toPoint())) emit Click();
}

void TrkenderPlus::writeProperties(PropertyBag& bag) const {
    bag.write("TMD", tmd_, kDefaultTMD);
}

void TrkenderPlus::readProperties(const PropertyBag& bag) {
    setTMD(bag.read("TMD", kDefaultTMD).toInt());
}
