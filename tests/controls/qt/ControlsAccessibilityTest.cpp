#include "controls/qt/ControlsAccessibility.h"

#include <gtest/gtest.h>

#include <QAccessibleActionInterface>
#include <QSignalSpy>
#include <QWidget>

#include "controls/qt/PButton.h"
#include "controls/qt/PProgressBar.h"
#include "controls/qt/TrkenderPlus.h"
#include "controls/qt/bluebutton.h"

namespace {

// The child of `window` that assistive tools find under `name`, as UI automation looks it up.
QAccessibleInterface* findByName(QWidget* window, const QString& name) {
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child && child->text(QAccessible::Name) == name) return child;
    }
    return nullptr;
}

struct Window {
    QWidget window;
    PButton* download = new PButton(&window);
    PButton* assets = new PButton(&window);
    bluebutton* refresh = new bluebutton(&window);
    TrkenderPlus* clickable = new TrkenderPlus(&window);
    TrkenderPlus* overlay = new TrkenderPlus(&window);
    PProgressBar* bar = new PProgressBar(&window);

    Window() {
        download->setText(QStringLiteral("加入下载列表"));
        assets->setText(QStringLiteral("更新资源"));
        refresh->setCaption(QStringLiteral("刷新"));
        clickable->setAccessibleName(QStringLiteral("开始"));
        overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
        overlay->setAccessibleName(QStringLiteral("按下"));
        bar->setAccessibleName(QStringLiteral("进度"));
        window.show();
    }
};

TEST(ControlsAccessibility, ControlsAreFoundByCaptionWithTheirRole) {
    Window w;
    struct Case {
        QString name;
        QAccessible::Role role;
        QWidget* widget;
    };
    const Case cases[] = {
        {QStringLiteral("加入下载列表"), QAccessible::Button, w.download},
        {QStringLiteral("更新资源"), QAccessible::Button, w.assets},
        {QStringLiteral("刷新"), QAccessible::Button, w.refresh},
        {QStringLiteral("开始"), QAccessible::Button, w.clickable},
        {QStringLiteral("按下"), QAccessible::Graphic, w.overlay},
        {QStringLiteral("进度"), QAccessible::ProgressBar, w.bar},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* found = findByName(&w.window, c.name);
        ASSERT_NE(found, nullptr) << c.name.toStdString();
        EXPECT_EQ(found->object(), c.widget) << c.name.toStdString();
        EXPECT_EQ(found->role(), c.role) << c.name.toStdString();
    }
}

TEST(ControlsAccessibility, NameFollowsTheCaption) {
    Window w;
    w.download->setText(QStringLiteral("下载中"));
    w.refresh->setCaption(QStringLiteral("再刷新"));
    EXPECT_EQ(findByName(&w.window, QStringLiteral("加入下载列表")), nullptr);
    EXPECT_NE(findByName(&w.window, QStringLiteral("下载中")), nullptr);
    EXPECT_NE(findByName(&w.window, QStringLiteral("再刷新")), nullptr);
}

TEST(ControlsAccessibility, PressActionClicksOnlyAnEnabledButton) {
    Window w;
    QSignalSpy downloadClicks(w.download, &PButton::Click);
    QSignalSpy refreshClicks(w.refresh, &bluebutton::Click);
    QSignalSpy pictureClicks(w.clickable, &TrkenderPlus::Click);
    for (QWidget* widget : {static_cast<QWidget*>(w.download), static_cast<QWidget*>(w.refresh),
                            static_cast<QWidget*>(w.clickable)}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(iface->actionInterface(), nullptr);
        EXPECT_TRUE(iface->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(downloadClicks.count(), 1);
    EXPECT_EQ(refreshClicks.count(), 1);
    EXPECT_EQ(pictureClicks.count(), 1);

    w.download->setButtonEnabled(false);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.download);
    EXPECT_TRUE(iface->state().disabled);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(downloadClicks.count(), 1);
}

TEST(ControlsAccessibility, ProgressBarTellsItsValue) {
    Window w;
    w.bar->setValue(0.5f);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w.bar);
    ASSERT_NE(iface->valueInterface(), nullptr);
    EXPECT_DOUBLE_EQ(iface->valueInterface()->currentValue().toDouble(), 0.5);
    EXPECT_DOUBLE_EQ(iface->valueInterface()->maximumValue().toDouble(), 1.0);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("50%"));
    w.bar->setValue(1.5f);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("100%"));
}

}  // namespace
