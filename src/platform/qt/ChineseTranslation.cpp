#include "platform/qt/ChineseTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace platform {

bool installQtChineseTranslation() {
    // Lives as long as the application: the application keeps only a pointer to it.
    static QTranslator* translator = nullptr;
    if (translator) return true;
    auto loaded = new QTranslator(QCoreApplication::instance());
    if (!loaded->load(QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(loaded)) {
        delete loaded;
        return false;
    }
    translator = loaded;
    return true;
}

QString chineseButtonText(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return QStringLiteral("确定");
        case QMessageBox::Cancel:
            return QStringLiteral("取消");
        case QMessageBox::Yes:
            return QStringLiteral("是");
        case QMessageBox::No:
            return QStringLiteral("否");
        default:
            break;
    }
    return {};
}

}  // namespace platform
