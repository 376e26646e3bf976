#pragma once
#include <QColor>
#include <QtGlobal>

// Colours are kept as the platform stores them: red in the low byte, blue in the high byte.
namespace controls {

inline QColor toQColor(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 toPlatformColor(const QColor& color) {
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

// Sizes of the designer are in twips; the screen has 15 twips to a pixel.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
inline constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

}  // namespace controls
