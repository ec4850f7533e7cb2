#include "controls/Tmousepb.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/SetIfChanged.h"
#include "controls/SunkenEdge.h"

Tmousepb::Tmousepb(QWidget* parent) : QProgressBar(parent) {
  setTextVisible(false);
  setFocusPolicy(Qt::NoFocus);
}

void Tmousepb::setBarColor(TColor c) {
  if (SetIfChanged(barColor_, c)) update();
}

void Tmousepb::setBorderWidth(int w) {
  if (SetIfChanged(borderWidth_, w)) update();
}

void Tmousepb::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  // A sunken border of BorderWidth pixels around a white trough.
  for (int i = 0; i < borderWidth_ && r.width() > 2 && r.height() > 2; ++i) {
    DrawSunkenEdge(p, r);
    r.adjust(1, 1, -1, -1);
  }
  p.fillRect(r, Qt::white);
  const int span = maximum() - minimum();
  if (span <= 0) return;
  const double part = static_cast<double>(value() - minimum()) / span;
  QRect bar = r;
  if (orientation() == Qt::Vertical) {
    const int h = static_cast<int>(r.height() * part + 0.5);
    bar.setTop(r.bottom() - h + 1);
  } else {
    const int w = static_cast<int>(r.width() * part + 0.5);
    bar.setWidth(w);
  }
  if (bar.isValid()) p.fillRect(bar, ToQColor(barColor_));
}

void Tmousepb::enterEvent(QEnterEvent* event) {
  QProgressBar::enterEvent(event);
  emit OnMouseEnter();
}

void Tmousepb::leaveEvent(QEvent* event) {
  QProgressBar::leaveEvent(event);
  emit OnMouseLeave();
}

void Tmousepb::mousePressEvent(QMouseEvent* event) {
  QProgressBar::mousePressEvent(event);
  emit OnMouseDown(event->button());
}
