#include "controls/qt/ControlsAccessibility.h"

#include <QAccessibleWidget>
#include <QString>
#include <mutex>

#include "controls/qt/PButton.h"
#include "controls/qt/PProgressBar.h"
#include "controls/qt/TrkenderPlus.h"
#include "controls/qt/bluebutton.h"

namespace {

// A button face whose caption is its name and whose press action is its click.
class CaptionButton : public QAccessibleWidget {
  public:
    CaptionButton(QWidget* widget, std::function<QString()> caption, std::function<bool()> enabled,
                  std::function<void()> click)
        : QAccessibleWidget(widget, QAccessible::Button),
          caption_(std::move(caption)),
          enabled_(std::move(enabled)),
          click_(std::move(click)) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return caption_();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!enabled_()) s.disabled = true;
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (enabled_()) click_();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

  private:
    std::function<QString()> caption_;
    std::function<bool()> enabled_;
    std::function<void()> click_;
};

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

QAccessibleInterface* controlsFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("PButton")) {
        auto* button = static_cast<PButton*>(object);
        return new CaptionButton(
            button, [button] { return button->text(); },
            [button] { return button->isButtonEnabled(); }, [button] { emit button->Click(); });
    }
    if (className == QLatin1String("bluebutton")) {
        auto* button = static_cast<bluebutton*>(object);
        return new CaptionButton(
            button, [button] { return button->caption(); },
            [button] { return button->isEnabled(); }, [button] { emit button->Click(); });
    }
    if (className == QLatin1String("PProgressBar"))
        return new ProgressBarAccessible(static_cast<PProgressBar*>(object));
    if (className == QLatin1String("TrkenderPlus")) {
        auto* picture = static_cast<TrkenderPlus*>(object);
        // A picture that lets the mouse through is decoration; one that takes clicks is a button.
        bool clickable = !picture->testAttribute(Qt::WA_TransparentForMouseEvents);
        if (!clickable) return new QAccessibleWidget(picture, QAccessible::Graphic);
        return new CaptionButton(
            picture, [picture] { return picture->accessibleName(); },
            [picture] { return picture->isEnabled(); }, [picture] { emit picture->Click(); });
    }
    return nullptr;
}

}  // namespace

namespace controls {

void installAccessibility() {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(controlsFactory); });
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
