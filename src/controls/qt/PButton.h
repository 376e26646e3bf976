#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>

#include "controls/qt/PropertyBag.h"

// A flat button whose background fades towards a hover colour while the mouse is over it
// and back after it leaves, five units per colour component on each fade tick.
class PButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 Color_Back READ colorBack WRITE setColorBack)
    Q_PROPERTY(quint32 Color_Begin READ colorBegin WRITE setColorBegin)
    Q_PROPERTY(quint32 Color_End READ colorEnd WRITE setColorEnd)
    Q_PROPERTY(quint32 Color_Text READ colorText WRITE setColorText)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(QString Font_Name READ fontName WRITE setFontName)
    Q_PROPERTY(int Font_Size READ fontSize WRITE setFontSize)
    Q_PROPERTY(bool Font_Bold READ fontBold WRITE setFontBold)
    Q_PROPERTY(bool Font_Italic READ fontItalic WRITE setFontItalic)
    Q_PROPERTY(bool Font_Underline READ fontUnderline WRITE setFontUnderline)
    Q_PROPERTY(bool Enabled READ isButtonEnabled WRITE setButtonEnabled)

  public:
    static constexpr quint32 kDefaultBack = 0xF2AF00;  // #00AFF2
    static constexpr quint32 kDefaultEnd = 0xFF7402;   // #0274FF
    // The fade and leave timers; the platform's own minimum interval, whatever is asked.
    static constexpr int kTimerIntervalMs = 15;
    static constexpr int kFadeStep = 5;
    static constexpr int kPressOffsetTwips = 30;

    explicit PButton(QWidget* parent = nullptr);

    quint32 colorBack() const { return colorBack_; }
    void setColorBack(quint32 color);
    quint32 colorBegin() const { return colorBegin_; }
    void setColorBegin(quint32);
    quint32 colorEnd() const { return colorEnd_; }
    void setColorEnd(quint32 color);
    quint32 colorText() const { return colorText_; }
    void setColorText(quint32 color);
    QString text() const { return text_; }
    void setText(const QString& text);
    QString fontName() const { return fontName_; }
    void setFontName(const QString& name);
    int fontSize() const { return fontSize_; }
    void setFontSize(int size);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool on);
    bool fontItalic() const { return fontItalic_; }
    void setFontItalic(bool on);
    bool fontUnderline() const { return fontUnderline_; }
    void setFontUnderline(bool on);
    bool isButtonEnabled() const { return enabled_; }
    void setButtonEnabled(bool on) { enabled_ = on; }

    bool hovering() const { return hovering_; }
    bool pressed() const { return pressed_; }
    // The colour the face shows now, somewhere between Color_Back and Color_End.
    quint32 currentBackColor() const { return current_; }
    bool borderVisible() const { return borderVisible_; }
    // The border colour: each component of Color_End inverted.
    quint32 borderColor() const;
    bool leaveTestRunning() const { return timer1_.isActive(); }
    bool fading() const { return timer2_.isActive(); }
    // Where the caption is drawn, top-left of its text box, in pixels.
    QPoint captionPosition() const;

    // Timer1: the leave test. Timer2: one fade step.
    void leaveTest();
    void fadeStep();
    // Whether the mouse cursor is over this button; replaceable where there is no cursor.
    void setCursorTest(std::function<bool()> test) { cursorOverButton_ = std::move(test); }

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

  signals:
    void Click();
    void DblClick();
    void MouseDown(int button, int shift, int x, int y);
    void MouseMove(int button, int shift, int x, int y);
    void MouseUp(int button, int shift, int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QFont captionFont() const;
    static bool isPressKey(int key) {
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    }

    quint32 colorBack_ = kDefaultBack;
    quint32 colorBegin_ = kDefaultBack;
    quint32 colorEnd_ = kDefaultEnd;
    quint32 colorText_ = 0;
    QString text_ = QStringLiteral("PButton");
    QString fontName_ = QStringLiteral("微软雅黑");
    int fontSize_ = 11;
    bool fontBold_ = false;
    bool fontItalic_ = false;
    bool fontUnderline_ = false;
    bool enabled_ = true;

    bool hovering_ = false;
    bool pressed_ = false;
    bool mouseHeld_ = false;
    bool keyHeld_ = false;
    bool borderVisible_ = false;
    quint32 current_ = kDefaultBack;
    QTimer timer1_;
    QTimer timer2_;
    std::function<bool()> cursorOverButton_;
};
