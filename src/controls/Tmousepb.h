#pragma once
// A digit bar: a progress bar that reports the mouse entering and leaving
// it, with a settable bar colour and border width. It paints itself, so the
// colour and border show the same under every style.

#include <QProgressBar>

#include "controls/ControlColors.h"

class Tmousepb : public QProgressBar {
  Q_OBJECT
  Q_PROPERTY(uint BarColor READ BarColor WRITE setBarColor)
  Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)

 public:
  explicit Tmousepb(QWidget* parent = nullptr);

  TColor BarColor() const { return barColor_; }
  void setBarColor(TColor c);
  int BorderWidth() const { return borderWidth_; }
  void setBorderWidth(int w);

 signals:
  void OnMouseEnter();
  void OnMouseLeave();
  void OnMouseDown(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TColor barColor_ = MakeTColor(0, 0, 255);
  int borderWidth_ = 1;
};
