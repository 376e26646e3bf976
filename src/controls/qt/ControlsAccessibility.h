#pragma once
#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <functional>

class QWidget;

// What the custom-drawn controls share to be seen by screen readers and UI automation as what
// they are. Each control registers the face of its own class when it is built.
namespace controls {

// A button face whose caption is its name and whose press action is its click.
class CaptionButton : public QAccessibleWidget {
  public:
    CaptionButton(QWidget* widget, std::function<QString()> caption, std::function<bool()> enabled,
                  std::function<void()> click);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

  private:
    std::function<QString()> caption_;
    std::function<bool()> enabled_;
    std::function<void()> click_;
};

// Installs `factory` for the life of the application; a factory installed before is left
// alone, so every control may call this from its constructor.
void registerAccessibleFace(QAccessible::InterfaceFactory factory);

// Tell assistive tools that a control's caption or value changed.
void announceNameChange(QWidget* control);
void announceValueChange(QWidget* control, double value);

}  // namespace controls
