#include "platform/qt/ChineseTranslation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>

#include "WhenShown.h"
#include "platform/qt/QtDialogs.h"

using platform::DialogAnswer;
using platform::MessageButtons;

namespace {

// The captions of the buttons of `box`, in the order the box lays them out.
QStringList captions(QMessageBox* box) {
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    return texts;
}

// A real message box of the launcher: its buttons read as on a Chinese Windows, and the
// answer is the button pressed.
TEST(ChineseTranslation, MessageBoxButtonsSpeakChinese) {
    struct Case {
        MessageButtons buttons;
        QStringList expected;  // sorted
        QMessageBox::StandardButton pressed;
        DialogAnswer answer;
    };
    const Case cases[] = {
        {MessageButtons::Ok, {"确定"}, QMessageBox::Ok, DialogAnswer::Ok},
        {MessageButtons::OkCancel, QStringList{"确定", "取消"}, QMessageBox::Cancel,
         DialogAnswer::Cancel},
        {MessageButtons::YesNo, QStringList{"否", "是"}, QMessageBox::No, DialogAnswer::No},
        {MessageButtons::YesNoCancel, QStringList{"否", "是", "取消"}, QMessageBox::Yes,
         DialogAnswer::Yes},
    };
    platform::QtDialogs dialogs;
    for (const Case& c : cases) {
        QStringList shown;
        testing_support::whenShown(
            [] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
            [&](QWidget* window) {
                auto* box = static_cast<QMessageBox*>(window);
                shown = captions(box);
                box->button(c.pressed)->click();
            },
            500);
        QStringList expected = c.expected;
        expected.sort();
        EXPECT_EQ(dialogs.messageBox("内容", "标题", platform::MessageIcon::Question, c.buttons),
                  c.answer);
        EXPECT_EQ(shown, expected);
    }
}

// Qt's own catalogue, from the system's translation folder, names the standard buttons of
// every other dialog (input boxes, file dialogs).
TEST(ChineseTranslation, QtsCatalogueNamesTheStandardButtons) {
    ASSERT_TRUE(platform::installQtChineseTranslation())
        << "qtbase_zh_CN is missing: scripts/setup installs qt6-translations-l10n";
    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(box.button(QDialogButtonBox::Ok)->text(), "确定");
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), "取消");
    // A second call keeps the one catalogue.
    EXPECT_TRUE(platform::installQtChineseTranslation());
}

}  // namespace
