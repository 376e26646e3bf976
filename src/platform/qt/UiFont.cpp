#include "platform/qt/UiFont.h"

namespace platform {

QStringList uiFontFamilies() {
    return {"微软雅黑", "Microsoft YaHei", "Noto Sans CJK SC", "WenQuanYi Micro Hei"};
}

QFont uiFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies(uiFontFamilies());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QFont latinFont(const QString& family, double pointSize, bool bold) {
    QFont font = uiFont(pointSize, bold);
    font.setFamilies(QStringList{family} + uiFontFamilies());
    return font;
}

}  // namespace platform
