#include "controls/TColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "controls/SetIfChanged.h"
#include "controls/SunkenEdge.h"

namespace {

constexpr TColor kPalette[TColorGrid::kColours] = {
    MakeTColor(0, 0, 0),       MakeTColor(128, 0, 0),   MakeTColor(0, 128, 0),   MakeTColor(128, 128, 0),
    MakeTColor(0, 0, 128),     MakeTColor(128, 0, 128), MakeTColor(0, 128, 128), MakeTColor(192, 192, 192),
    MakeTColor(128, 128, 128), MakeTColor(255, 0, 0),   MakeTColor(0, 255, 0),   MakeTColor(255, 255, 0),
    MakeTColor(0, 0, 255),     MakeTColor(255, 0, 255), MakeTColor(0, 255, 255), MakeTColor(255, 255, 255),
};

}  // namespace

TColor TColorGrid::PaletteColour(int index) {
  if (index < 0 || index >= kColours) return kClBlack;
  return kPalette[index];
}

TColor TColorGrid::LabelColour(TColor cell) {
  TColor out = 0;
  for (int shift = 0; shift <= 16; shift += 8)
    if (((cell >> shift) & 0xFF) < 128) out |= static_cast<TColor>(0xFF) << shift;
  return out;
}

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(100, 100);
  trim();
}

void TColorGrid::setGridOrdering(GridOrder o) {
  if (!SetIfChanged(ordering_, o)) return;
  trim();
  update();
}

QSize TColorGrid::cellSize() const {
  return QSize(std::max(1, width() / columns()), std::max(1, height() / rows()));
}

void TColorGrid::trim() {
  const QSize cell = cellSize();
  const QSize whole(cell.width() * columns(), cell.height() * rows());
  if (whole != size() && !trimming_) {
    trimming_ = true;
    resize(whole);
    trimming_ = false;
  }
}

void TColorGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!trimming_) trim();
}

QRect TColorGrid::cellRect(int index) const {
  const QSize cell = cellSize();
  return QRect((index % columns()) * cell.width(), (index / columns()) * cell.height(), cell.width(),
               cell.height());
}

int TColorGrid::cellAt(QPoint pos) const {
  const QSize cell = cellSize();
  const int col = std::clamp(pos.x() / cell.width(), 0, columns() - 1);
  const int row = std::clamp(pos.y() / cell.height(), 0, rows() - 1);
  // Negative coordinates divide towards zero, which the clamp already maps
  // onto the first row or column.
  return row * columns() + col;
}

void TColorGrid::setForegroundIndex(int index) {
  if (!SetIfChanged(foreground_, std::clamp(index, -1, kColours - 1))) return;
  update();
  emit OnChange();
}

void TColorGrid::setBackgroundIndex(int index) {
  if (!SetIfChanged(background_, std::clamp(index, -1, kColours - 1))) return;
  update();
  emit OnChange();
}

void TColorGrid::setForegroundEnabled(bool on) {
  if (SetIfChanged(foregroundEnabled_, on)) update();
}

void TColorGrid::setBackgroundEnabled(bool on) {
  if (SetIfChanged(backgroundEnabled_, on)) update();
}

void TColorGrid::setSelection(int index) {
  if (SetIfChanged(selection_, std::clamp(index, 0, kColours - 1))) update();
}

void TColorGrid::setCtl3D(bool on) {
  if (SetIfChanged(ctl3D_, on)) update();
}

void TColorGrid::pickForeground(int index) {
  setSelection(index);
  if (!foregroundEnabled_) {
    if (!clickEnables_) return;
    setForegroundEnabled(true);
  }
  setForegroundIndex(index);
}

void TColorGrid::pickBackground(int index) {
  setSelection(index);
  if (!backgroundEnabled_) {
    if (!clickEnables_) return;
    setBackgroundEnabled(true);
  }
  setBackgroundIndex(index);
}

QString TColorGrid::labelOf(int index) const {
  const bool fg = foregroundEnabled_ && index == foreground_;
  const bool bg = backgroundEnabled_ && index == background_;
  if (fg && bg) return QStringLiteral("FB");
  if (fg) return QStringLiteral("FG");
  if (bg) return QStringLiteral("BG");
  return {};
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int k = 0; k < kColours; ++k) {
    const QRect r = cellRect(k);
    const TColor colour = PaletteColour(k);
    p.fillRect(r, ToQColor(colour));
    if (ctl3D_) {
      DrawSunkenEdge(p, r);
    } else {
      p.setPen(Qt::black);
      p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    const QString label = labelOf(k);
    if (!label.isEmpty()) {
      p.setPen(ToQColor(LabelColour(colour)));
      p.drawText(r, Qt::AlignCenter, label);
    }
  }
  if (hasFocus()) {
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = cellRect(selection_).adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &p, this);
  }
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  const int k = cellAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    dragButton_ = Qt::LeftButton;
    pickForeground(k);
  } else if (event->button() == Qt::RightButton) {
    // The widget keeps the mouse until the release (Qt's implicit grab).
    dragButton_ = Qt::RightButton;
    pickBackground(k);
  }
}

void TColorGrid::mouseMoveEvent(QMouseEvent* event) {
  const int k = cellAt(event->position().toPoint());
  if (dragButton_ == Qt::LeftButton && (event->buttons() & Qt::LeftButton))
    pickForeground(k);
  else if (dragButton_ == Qt::RightButton && (event->buttons() & Qt::RightButton))
    pickBackground(k);
}

void TColorGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != dragButton_) return;
  dragButton_ = Qt::NoButton;
  emit OnClick();
}

void TColorGrid::keyPressEvent(QKeyEvent* event) {
  const int cols = columns(), last = kColours - 1;
  const int k = selection_, col = k % cols, row = k / cols;
  switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Space:
      setSelection(k == last ? 0 : k + 1);
      break;
    case Qt::Key_Left:
      setSelection(k == 0 ? last : k - 1);
      break;
    case Qt::Key_Up:
      if (row > 0)
        setSelection(k - cols);
      else
        setSelection(k == 0 ? last : (rows() - 1) * cols + col - 1);
      break;
    case Qt::Key_Down:
      if (row < rows() - 1)
        setSelection(k + cols);
      else
        setSelection(k == last ? 0 : col + 1);
      break;
    case Qt::Key_Home:
      setSelection(0);
      break;
    case Qt::Key_End:
      setSelection(last);
      break;
    case Qt::Key_F:
      pickForeground(k);
      emit OnClick();
      break;
    case Qt::Key_B:
      pickBackground(k);
      emit OnClick();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}
