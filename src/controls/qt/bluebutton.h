#pragma once
#include <QFont>
#include <QWidget>

#include "controls/qt/PropertyBag.h"

class QLabel;

// A label button: one centred caption, and the background turns `DownColor` while a mouse
// button is held on it.
class bluebutton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(quint32 BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(quint32 ForeColor READ foreColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ captionFont WRITE setCaptionFont)
    Q_PROPERTY(quint32 DownColor READ downColor WRITE setDownColor)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int BorderStyle READ borderStyle WRITE setBorderStyle)

  public:
    explicit bluebutton(QWidget* parent = nullptr);

    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 color);
    quint32 foreColor() const { return foreColor_; }
    void setForeColor(quint32 color);
    QFont captionFont() const;
    void setCaptionFont(const QFont& font);
    quint32 downColor() const { return downColor_; }
    void setDownColor(quint32 color) { downColor_ = color; }
    QString caption() const;
    void setCaption(const QString& caption);
    // 0 none, 1 a single line.
    int borderStyle() const { return borderStyle_; }
    void setBorderStyle(int style);

    // The colour the face shows now: `DownColor` while held, else `BackColor`.
    quint32 currentBackColor() const { return held_ ? downColor_ : backColor_; }
    QRect captionGeometry() const;

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
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void centreCaption();
    quint32 defaultBackColor() const;
    quint32 defaultForeColor() const;

    QLabel* label_;
    quint32 backColor_;
    quint32 foreColor_;
    quint32 downColor_ = 0;
    int borderStyle_ = 0;
    bool held_ = false;
    bool clickPending_ = false;
};
