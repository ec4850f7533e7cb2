#include "controls/TPicNode.h"

#include <QContextMenuEvent>
#include <QPainter>

#include "controls/SetIfChanged.h"

namespace {

constexpr int kPanelOffset[3] = {2, 16, 30};
constexpr TColor kCandidateColor = 0x000080;

}  // namespace

TPicNode::TPicNode(const Cell& data, QWidget* parent)
    : Tmousepanel(parent), data_(&data), panelFontColor_(kCandidateColor) {
  resize(kSize, kSize);
  panelColors_.fill(kClWhite);
}

Tmousepanel* TPicNode::panel(int d) const {
  if (!hasPanels()) makePanels();
  return panels_[static_cast<size_t>(d - 1)];
}

void TPicNode::makePanels() const {
  auto* self = const_cast<TPicNode*>(this);
  for (int d = 1; d <= 9; ++d) {
    auto* p = new Tmousepanel(self);
    p->setBevel(false);
    p->setPaintedByOwner(true);
    p->setShown(false);
    p->setCaption(QString(QChar(u'0' + d)));
    p->setColor(panelColors_[static_cast<size_t>(d - 1)]);
    p->setFontSize(panelFontSize_);
    p->setFontColor(panelFontColor_);
    p->setGeometry(kPanelOffset[(d - 1) % 3], kPanelOffset[(d - 1) / 3], kPanelSize, kPanelSize);
    connect(p, &Tmousepanel::mouseDown, self, [self, d](Qt::MouseButton b) { emit self->candidateMouseDown(d, b); });
    connect(p, &Tmousepanel::mouseEnter, self, [self, d] {
      self->reenterPending_ = false;
      if (self->overSelf_) {
        self->overSelf_ = false;
        emit self->mouseLeave();
      }
      emit self->candidateEnter(d);
    });
    connect(p, &Tmousepanel::mouseLeave, self, [self, d] {
      // Leaving the panel for the cell's own area sends nothing more; leaving
      // it for another cell sends the cell's leave at once. So decide once
      // the platform has delivered both.
      self->reenterPending_ = true;
      QMetaObject::invokeMethod(
          self,
          [self] {
            if (!self->reenterPending_) return;
            self->reenterPending_ = false;
            if (self->isEnabled() && !self->overSelf_) {
              self->overSelf_ = true;
              emit self->mouseEnter();
            }
          },
          Qt::QueuedConnection);
      emit self->candidateLeave(d);
    });
    // A cell on screen shows its panels at once.
    if (isVisible()) p->show();
    panels_[static_cast<size_t>(d - 1)] = p;
  }
}

void TPicNode::setcolor(TColor c) {
  for (int d = 1; d <= 9; ++d) setPanelColor(d, c);
}

void TPicNode::setPanelColor(int d, TColor c) {
  panelColors_[static_cast<size_t>(d - 1)] = c;
  if (hasPanels()) panel(d)->setColor(c);
}

void TPicNode::setFontSize(int points) {
  panelFontSize_ = points;
  if (hasPanels())
    for (Tmousepanel* p : panels_) p->setFontSize(points);
}

void TPicNode::setFontColor(TColor c) {
  panelFontColor_ = c;
  if (hasPanels())
    for (Tmousepanel* p : panels_) p->setFontColor(c);
}

void TPicNode::setPanelVisible(int d, bool on) {
  if (on || hasPanels()) panel(d)->setShown(on);
}

void TPicNode::Hide() {
  for (int d = 1; d <= 9; ++d) setPanelVisible(d, false);
}

void TPicNode::Show() {
  for (int d = 1; d <= 9; ++d) setPanelVisible(d, true);
}

void TPicNode::showhxs() {
  bool present[10] = {};
  for (char ch : data_->digits)
    if (ch >= '1' && ch <= '9') present[ch - '0'] = true;
  for (int d = 1; d <= 9; ++d) setPanelVisible(d, present[d]);
}

void TPicNode::contextMenuEvent(QContextMenuEvent* event) {
  if (!hasContextMenu_) {
    event->ignore();
    return;
  }
  event->accept();
  emit contextMenuRequested(event->globalPos());
}

void TPicNode::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!isEnabled() || overSelf_) return;
  overSelf_ = true;
  emit mouseEnter();
}

void TPicNode::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  reenterPending_ = false;
  if (!overSelf_) return;
  overSelf_ = false;
  emit mouseLeave();
}

void TPicNode::requestRepaint() {
  if (deferRepaint_)
    repaintPending_ = true;
  else
    update();
}

void TPicNode::flushRepaint() {
  if (!repaintPending_) return;
  repaintPending_ = false;
  update();
}

void TPicNode::setCursorMark(bool on) {
  if (SetIfChanged(cursorMark_, on)) requestRepaint();
}

void TPicNode::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintState state;
  paintPanel(p, QPoint(0, 0), state);
  for (int d = 1; d <= 9 && hasPanels(); ++d)
    if (Tmousepanel* c = panel(d); c->shown())
      c->paintPanel(p, QPoint(kPanelOffset[(d - 1) % 3], kPanelOffset[(d - 1) / 3]), state);
  if (cursorMark_) {
    // Two colours, white inside dark blue, so the cursor reads on every
    // background (the blue box colour and a blue paint included) and beside
    // the red hover frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 160), 2));
    p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
    p.setPen(QPen(Qt::white, 2));
    p.drawRect(QRectF(3, 3, width() - 6, height() - 6));
  }
}
