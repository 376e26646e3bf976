#include "platform/qt/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "platform/qt/ChineseTranslation.h"

namespace platform {
namespace {

QMessageBox::Icon toQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Critical:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// "a|b|c|d" (description and pattern pairs) to Qt's "a (b);;c (d)".
QString toQtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        pairs << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return pairs.join(";;");
}

}  // namespace

DialogAnswer QtDialogs::messageBox(const std::string& text, const std::string& title,
                                   MessageIcon icon, MessageButtons buttons) {
    QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text),
                    toQt(buttons), QApplication::activeWindow());
    // Named here as well as by Qt's catalogue, which a system may lack.
    for (QAbstractButton* button : box.buttons())
        if (QString chinese = chineseButtonText(box.standardButton(button)); !chinese.isEmpty())
            button->setText(chinese);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return DialogAnswer::Yes;
        case QMessageBox::No:
            return DialogAnswer::No;
        case QMessageBox::Cancel:
            return DialogAnswer::Cancel;
        default:
            break;
    }
    // Closing a Yes/No box by its frame counts as No, as with a system message box.
    return buttons == MessageButtons::YesNo ? DialogAnswer::No : DialogAnswer::Ok;
}

std::optional<std::string> QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                               const std::string& defaultText) {
    bool ok = false;
    QString answer = QInputDialog::getText(
        QApplication::activeWindow(), QString::fromStdString(title), QString::fromStdString(prompt),
        QLineEdit::Normal, QString::fromStdString(defaultText), &ok);
    if (!ok) return std::nullopt;
    return answer.toStdString();
}

std::string QtDialogs::fileDialog(const FileDialogRequest& request) {
    QString folder = QString::fromStdString(request.initialFolder);
    if (!request.initialFileName.empty()) {
        folder = folder.isEmpty() ? QString::fromStdString(request.initialFileName)
                                  : folder + "/" + QString::fromStdString(request.initialFileName);
    }
    QString title = QString::fromStdString(request.title);
    QString filter = toQtFilter(request.filter);
    QString path = request.saveMode ? QFileDialog::getSaveFileName(nullptr, title, folder, filter)
                                    : QFileDialog::getOpenFileName(nullptr, title, folder, filter);
    if (!path.isEmpty() && request.saveMode && !request.defaultExtension.empty() &&
        QFileInfo(path).suffix().isEmpty()) {
        path += "." + QString::fromStdString(request.defaultExtension);
    }
    return path.toStdString();
}

}  // namespace platform
