#include "controls/TPICSD33.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

QString CaptionOf(const Cell& c) { return QString::fromStdString(c.digits); }

// Left (or top) pixel of column (or row) n: the 2-pixel strip comes before
// the first column of each stack after the first.
int CellOffset(int n) { return (n - 1) * TPicNode::kSize + 2 + (n > 3 ? 2 : 0) + (n > 6 ? 2 : 0); }

}  // namespace

TPICSD33::TPICSD33(QWidget* parent, const Board* model, const QFont* font)
    : QWidget(parent), model_(model ? model : &ownBoard_) {
  if (font) setFont(*font);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  if (!model)
    for (int i = 0; i < kCells; ++i) {
      ownBoard_.cell(i).isError = false;
      ownBoard_.cell(i).state = CellState::Placed;
    }
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      const Cell& cellData = model_->at(row, col);
      auto* c = new TPicNode(cellData, this);
      c->setIsBig(true);
      c->setColor(BoxColour(row, col));
      cells_[static_cast<size_t>(IndexOf(row, col))] = c;

      connect(c, &Tmousepanel::mouseDown, this, [this, c](Qt::MouseButton b) { emit cellMouseDown(c, b); });
      connect(c, &Tmousepanel::mouseEnter, this, [this, c] { emit cellEnter(c); });
      connect(c, &Tmousepanel::mouseLeave, this, [this, c] { emit cellLeave(c); });
      connect(c, &TPicNode::contextMenuRequested, this,
              [this, c](const QPoint& at) { emit cellContextMenu(c, at); });
      connect(c, &TPicNode::candidateMouseDown, this,
              [this, c](int d, Qt::MouseButton b) { emit candidateMouseDown(c, d, b); });
      connect(c, &TPicNode::candidateEnter, this, [this, c](int d) { emit candidateEnter(c, d); });
      connect(c, &TPicNode::candidateLeave, this, [this, c](int d) { emit candidateLeave(c, d); });
    }
  setFixedSize(kBoardSize, kBoardSize);
  LayoutCells();
  RedrawCells();
}

TColor TPICSD33::BoxColour(int row, int col) const {
  return IsEvenBox(row, col) ? look_.UNFoucsColor2 : look_.UNFoucsColor1;
}

void TPICSD33::LayoutCells() {
  for (TPicNode* c : cells_) c->move(CellOffset(c->col()), CellOffset(c->row()));
}

void TPICSD33::RedrawCells() {
  for (TPicNode* c : cells_) {
    const Cell& d = c->data();
    // Every cell gets the colour its state and the board's colours say,
    // also after a conflict has gone or a box colour has changed.
    const TColor background = d.isError ? look_.errorcolor : BoxColour(d.row, d.col);
    c->setColor(background);
    c->setcolor(background);
    if (d.state == CellState::Given) {
      c->Hide();
      c->setCellFontSize(look_.FONTSize1);
      c->setCellFontColor(look_.FONTColor1);
      c->setCaption(CaptionOf(d));
    } else if (d.digits.size() == 1) {
      c->Hide();
      c->setCellFontSize(look_.FONTSize2);
      c->setCellFontColor(look_.FONTColor2);
      c->setCaption(CaptionOf(d));
    } else {
      c->setCaption(QString());
      c->setFontSize(look_.FONTSize3);
      c->setFontColor(look_.FONTColor3);
      c->showhxs();
    }
  }
  UpdateAccessibleNames();
}

void TPICSD33::ShowValuesBackground(TPicNode* c) {
  const Cell& d = c->data();
  if (d.isError) {
    c->setColor(look_.errorcolor);
  } else {
    c->setCaption(QString());
    c->setColor(BoxColour(d.row, d.col));
  }
}

void TPICSD33::ShowValuesDigits(TPicNode* c) {
  const Cell& d = c->data();
  if (d.state == CellState::Given) {
    c->setCellFontSize(look_.FONTSize1);
    c->setCellFontColor(look_.FONTColor1);
    c->setCaption(CaptionOf(d));
  } else if (d.state == CellState::Placed) {
    c->setCellFontSize(look_.FONTSize2);
    c->setCellFontColor(look_.FONTColor2);
    c->setCaption(CaptionOf(d));
  }
}

void TPICSD33::ShowValuesOnly() {
  for (TPicNode* c : cells_) {
    c->Hide();
    ShowValuesBackground(c);
    ShowValuesDigits(c);
  }
  UpdateAccessibleNames();
}

void TPICSD33::ShowAllCandidates() {
  for (TPicNode* c : cells_) {
    ShowValuesBackground(c);
    ShowValuesDigits(c);
    if (c->data().state == CellState::Open) {
      c->setCaption(QString());
      c->setFontSize(look_.FONTSize3);
      c->setFontColor(look_.FONTColor3);
      c->showhxs();
    } else {
      c->Hide();
    }
  }
  UpdateAccessibleNames();
}

void TPICSD33::ShowCandidatesWith(int d) {
  const char digit = static_cast<char>('0' + d);
  for (TPicNode* c : cells_) {
    ShowValuesBackground(c);
    ShowValuesDigits(c);
    const Cell& cellData = c->data();
    if (cellData.state == CellState::Open) {
      c->setCaption(QString());
      c->setFontSize(look_.FONTSize3);
      c->setFontColor(look_.FONTColor3);
      if (cellData.digits.find(digit) != std::string::npos || cellData.digits.size() == 1)
        c->showhxs();
      else
        c->Hide();
    } else {
      c->Hide();
    }
  }
  UpdateAccessibleNames();
}

void TPICSD33::SetBackgrounds(const std::function<TColor(int)>& cell, const std::function<TColor(int, int)>& panel) {
  for (int i = 0; i < kCells; ++i) {
    TPicNode* c = cells_[static_cast<size_t>(i)];
    c->setColor(cell(i));
    for (int k = 1; k <= 9; ++k) c->setPanelColor(k, panel(i, k));
  }
}

void TPICSD33::SetContextMenus(const std::function<bool(int)>& hasMenu) {
  for (int i = 0; i < kCells; ++i) cells_[static_cast<size_t>(i)]->setHasContextMenu(hasMenu(i));
}

void TPICSD33::UpdateAccessibleNames() {
  if (!namer_) return;
  for (TPicNode* c : cells_) {
    const QString name = namer_(c->data());
    if (c->accessibleName() != name) c->setAccessibleName(name);
  }
}

void TPICSD33::setCellNamer(std::function<QString(const Cell&)> namer) {
  namer_ = std::move(namer);
  UpdateAccessibleNames();
}

void TPICSD33::setFocusCell(int index) {
  focusCell_ = index;
  if (index < 0) return;
  const QWidget* f = window()->focusWidget();
  if ((f == this || isAncestorOf(f)) && f != node(index)) node(index)->setFocus(Qt::OtherFocusReason);
}

void TPICSD33::takeFocus(Qt::FocusReason reason) {
  const QWidget* f = window()->focusWidget();
  if (f && (f == this || isAncestorOf(f)) && (focusCell_ < 0 || f == node(focusCell_))) return;
  (focusCell_ >= 0 ? static_cast<QWidget*>(node(focusCell_)) : this)->setFocus(reason);
}

void TPICSD33::focusInEvent(QFocusEvent* event) {
  if (focusCell_ >= 0) return node(focusCell_)->setFocus(event->reason());
  QWidget::focusInEvent(event);
}

bool TPICSD33::focusNextPrevChild(bool next) {
  // Tab from a cell leaves the board: the controls before and after it in
  // the chain, never another cell and never the board, which would hand
  // the focus straight back.
  if (focusCell_ < 0) return QWidget::focusNextPrevChild(next);
  for (QWidget* w = next ? nextInFocusChain() : previousInFocusChain(); w != this;
       w = next ? w->nextInFocusChain() : w->previousInFocusChain()) {
    if (isAncestorOf(w) || w->window() != window()) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
      w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return true;
    }
  }
  return false;
}

void TPICSD33::BeginUpdate() {
  if (lockDepth_++ == 0)
    for (TPicNode* c : cells_) c->setDeferRepaint(true);
}

void TPICSD33::EndUpdate() {
  if (lockDepth_ == 0) return;
  if (--lockDepth_ > 0) return;
  // Only the cells that changed are repainted, all in the next paint pass.
  for (TPicNode* c : cells_) {
    c->setDeferRepaint(false);
    c->flushRepaint();
  }
}

void TPICSD33::WireHoverFrames() {
  auto frame = [this](Tmousepanel* p, bool on) {
    UpdateLock lock(*this);
    p->setIsEnter(on);
  };
  connect(this, &TPICSD33::cellEnter, this, [frame](TPicNode* c) { frame(c, true); });
  connect(this, &TPICSD33::cellLeave, this, [frame](TPicNode* c) { frame(c, false); });
  connect(this, &TPICSD33::candidateEnter, this, [frame](TPicNode* c, int d) { frame(c->panel(d), true); });
  connect(this, &TPICSD33::candidateLeave, this, [frame](TPicNode* c, int d) { frame(c->panel(d), false); });
}

void TPICSD33::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), Qt::black);
}
