#pragma once
#include <QImage>
#include <QWidget>

#include "controls/qt/PropertyBag.h"

// A fixed 600 by 400 picture drawn over whatever lies behind the control with one constant
// opacity, `TMD`, from 0 (invisible) to 255 (opaque).
class TrkenderPlus : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int TMD READ tmd WRITE setTMD)

  public:
    static constexpr int kDefaultTMD = 160;
    static constexpr int kPictureWidth = 600;
    static constexpr int kPictureHeight = 400;

    explicit TrkenderPlus(QWidget* parent = nullptr);

    int tmd() const { return tmd_; }
    // Kept within 0..255.
    void setTMD(int opacity);
    const QImage& picture() const { return picture_; }
    // Replaces the face; only its top-left 600 by 400 pixels are drawn.
    void setPicture(const QImage& picture);

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

  signals:
    void Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    static QImage defaultPicture();

    int tmd_ = kDefaultTMD;
    QImage picture_;
    bool mouseHeld_ = false;
};
