#include "controls/TTimeLabel.h"

#include <QPainter>

#include "controls/ControlColors.h"

TTimeLabel::TTimeLabel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  pal.setColor(QPalette::WindowText, ToQColor(kClLime));
  setPalette(pal);
  QFont f = WithPointSize(font(), 11);
  f.setBold(true);
  setFont(f);
  resize(80, 22);
  setText(QStringLiteral("0:00:00"));
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &TTimeLabel::Tick);
}

void TTimeLabel::settimerenabled(bool on) {
  // Switching on a running clock does not restart its current tick.
  if (on && !timer_.isActive())
    timer_.start();
  else if (!on)
    timer_.stop();
}

void TTimeLabel::setMS(int ms) {
  ms_ = ms;
  setText(Caption(ms));
}

QString TTimeLabel::Caption(int ms) {
  const int s = ms / 1000;
  return QStringLiteral("%1:%2:%3").arg(s / 3600).arg((s % 3600) / 60).arg(s % 60);
}

void TTimeLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  p.setPen(palette().color(QPalette::WindowText));
  p.setFont(font());
  p.drawText(contentsRect(), static_cast<int>(alignment()), text());
}
