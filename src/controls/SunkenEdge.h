#pragma once
// The one-pixel sunken edge of the digit bars and the palette's wells:
// shadow above and left, highlight below and right.

#include <QColor>
#include <QPainter>
#include <QRect>

inline void DrawSunkenEdge(QPainter& p, const QRect& r) {
  p.setPen(QColor(128, 128, 128));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(Qt::white);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}
