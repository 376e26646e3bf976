#pragma once
#include <QColor>
#include <QObject>
#include <QString>
#include <QtGlobal>
#include <string>

// Small conversions every window needs at the Qt boundary.
namespace platform {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// `object` with its object name set, so tests and scripts find it by that name.
template <typename T>
T* named(T* object, const char* name) {
    object->setObjectName(name);
    return object;
}

// Sizes of the designer are in twips; the screen has 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

// Colours as the platform stores them: red in the low byte, blue in the high byte.
inline QColor toQColor(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
inline quint32 toPlatformColor(const QColor& color) {
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}
// A colour written 0xRRGGBB.
inline QColor fromRgb(quint32 rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

}  // namespace platform
