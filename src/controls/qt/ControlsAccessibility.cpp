#include "controls/qt/ControlsAccessibility.h"

#include <QWidget>
#include <set>

namespace controls {

CaptionButton::CaptionButton(QWidget* widget, std::function<QString()> caption,
                             std::function<bool()> enabled, std::function<void()> click)
    : QAccessibleWidget(widget, QAccessible::Button),
      caption_(std::move(caption)),
      enabled_(std::move(enabled)),
      click_(std::move(click)) {}

QString CaptionButton::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return caption_();
    return QAccessibleWidget::text(t);
}

QAccessible::State CaptionButton::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    if (!enabled_()) s.disabled = true;
    return s;
}

QStringList CaptionButton::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void CaptionButton::doAction(const QString& name) {
    if (name == pressAction()) {
        if (enabled_()) click_();
        return;
    }
    QAccessibleWidget::doAction(name);
}

void registerAccessibleFace(QAccessible::InterfaceFactory factory) {
    // Widgets live on the one user-interface thread; so do their constructors.
    static std::set<QAccessible::InterfaceFactory> installed;
    if (installed.insert(factory).second) QAccessible::installFactory(factory);
}

void announceNameChange(QWidget* control) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceValueChange(QWidget* control, double value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

}  // namespace controls
