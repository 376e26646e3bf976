#pragma once
#include <QWidget>

#include "controls/qt/PropertyBag.h"

// A bar that fills the fraction `Value` of its width from the left edge.
class PProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 Color_Top READ colorTop WRITE setColorTop)
    Q_PROPERTY(quint32 Color_Back READ colorBack WRITE setColorBack)
    Q_PROPERTY(bool Enabled READ isBarEnabled WRITE setBarEnabled)
    Q_PROPERTY(float Value READ value WRITE setValue)

  public:
    static constexpr quint32 kDefaultTop = 0xFF7402;   // #0274FF
    static constexpr quint32 kDefaultBack = 0xF2AF00;  // #00AFF2

    explicit PProgressBar(QWidget* parent = nullptr);

    quint32 colorTop() const { return colorTop_; }
    void setColorTop(quint32 color);
    quint32 colorBack() const { return colorBack_; }
    void setColorBack(quint32 color);
    bool isBarEnabled() const { return enabled_; }
    void setBarEnabled(bool on) { enabled_ = on; }
    float value() const { return value_; }
    // Clamped to 0..1; anything that is not a number counts as 0.
    void setValue(float value);
    // The filled part, `Progress`, in pixels.
    QRect progressRect() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

  signals:
    void Click();
    void DblClick();
    // `relative` is x divided by the bar's width.
    void MouseDown(int button, int shift, int x, int y, double relative);
    void MouseMove(int button, int shift, int x, int y, double relative);
    void MouseUp(int button, int shift, int x, int y, double relative);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    double relativeX(int x) const { return width() > 0 ? double(x) / width() : 0.0; }

    quint32 colorTop_ = kDefaultTop;
    quint32 colorBack_ = kDefaultBack;
    bool enabled_ = true;
    float value_ = 1.0f;
    bool mouseHeld_ = false;
};
