#include "controls/TPICSD33.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

QString CaptionOf(const Cell& c) { return QString::fromStdString(c.digits); }

// Left (or top) pixel of column (or row) n: the 2-pixel strip comes before
// the first column of each stack after the first.
int CellOffset(int n) { return (n - 1) * TPicNode::kSize + 2 + (n > 3 ? 2 : 0) + (n > 6 ? 2 : 0); }

}  // namespace

TPICSD33::TPICSD33(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      Cell& cellData = board_.at(row, col);
      cellData.isError = false;
      cellData.state = CellState::Placed;
      auto* c = new TPicNode(cellData, this);
      c->setIsBig(true);
      c->setColor(BoxColour(row, col));
      cells_[static_cast<size_t>(IndexOf(row, col))] = c;

      connect(c, &Tmousepanel::mouseDown, this, [this, c](Qt::MouseButton b) { emit cellMouseDown(c, b); });
      connect(c, &Tmousepanel::mouseEnter, this, [this, c] { emit cellEnter(c); });
      connect(c, &Tmousepanel::mouseLeave, this, [this, c] { emit cellLeave(c); });
      connect(c, &TPicNode::contextMenuRequested, this,
              [this, c](const QPoint& at) { emit cellContextMenu(c, at); });
      for (int d = 1; d <= 9; ++d) {
        Tmousepanel* p = c->panel(d);
        connect(p, &Tmousepanel::mouseDown, this,
                [this, c, d](Qt::MouseButton b) { emit candidateMouseDown(c, d, b); });
        connect(p, &Tmousepanel::mouseEnter, this, [this, c, d] { emit candidateEnter(c, d); });
        connect(p, &Tmousepanel::mouseLeave, this, [this, c, d] { emit candidateLeave(c, d); });
      }
    }
  setFixedSize(kBoardSize, kBoardSize);
  LayoutCells();
  RedrawCells();
}

TColor TPICSD33::BoxColour(int row, int col) const {
  return IsEvenBox(row, col) ? unFocusColor2_ : unFocusColor1_;
}

void TPICSD33::LayoutCells() {
  for (TPicNode* c : cells_) c->move(CellOffset(c->col()), CellOffset(c->row()));
}

void TPICSD33::RedrawCells() {
  for (TPicNode* c : cells_) {
    const Cell& d = c->data();
    if (d.isError)
      c->setColor(errorColor_);
    else
      c->setcolor(BoxColour(d.row, d.col));
    if (d.state == CellState::Given) {
      c->Hide();
      c->setCellFontSize(fontSize1_);
      c->setCellFontColor(fontColor1_);
      c->setCaption(CaptionOf(d));
    } else if (d.digits.size() == 1) {
      c->Hide();
      c->setCellFontSize(fontSize2_);
      c->setCellFontColor(fontColor2_);
      c->setCaption(CaptionOf(d));
    } else {
      c->setCaption(QString());
      c->setFontSize(fontSize3_);
      c->setFontColor(fontColor3_);
      c->showhxs();
    }
  }
}

void TPICSD33::ShowValuesBackground(TPicNode* c) {
  const Cell& d = c->data();
  if (d.isError) {
    c->setColor(errorColor_);
  } else {
    c->setCaption(QString());
    c->setColor(BoxColour(d.row, d.col));
  }
}

void TPICSD33::ShowValuesDigits(TPicNode* c) {
  const Cell& d = c->data();
  if (d.state == CellState::Given) {
    c->setCellFontSize(fontSize1_);
    c->setCellFontColor(fontColor1_);
    c->setCaption(CaptionOf(d));
  } else if (d.state == CellState::Placed) {
    c->setCellFontSize(fontSize2_);
    c->setCellFontColor(fontColor2_);
    c->setCaption(CaptionOf(d));
  }
}

void TPICSD33::ShowValuesOnly() {
  for (TPicNode* c : cells_) {
    c->Hide();
    ShowValuesBackground(c);
    ShowValuesDigits(c);
  }
}

void TPICSD33::ShowAllCandidates() {
  for (TPicNode* c : cells_) {
    ShowValuesBackground(c);
    ShowValuesDigits(c);
    if (c->data().state == CellState::Open) {
      c->setCaption(QString());
      c->setFontSize(fontSize3_);
      c->setFontColor(fontColor3_);
      c->showhxs();
    } else {
      c->Hide();
    }
  }
}

void TPICSD33::ShowCandidatesWith(int d) {
  const char digit = static_cast<char>('0' + d);
  for (TPicNode* c : cells_) {
    ShowValuesBackground(c);
    ShowValuesDigits(c);
    const Cell& cellData = c->data();
    if (cellData.state == CellState::Open) {
      c->setCaption(QString());
      c->setFontSize(fontSize3_);
      c->setFontColor(fontColor3_);
      if (cellData.digits.find(digit) != std::string::npos || cellData.digits.size() == 1)
        c->showhxs();
      else
        c->Hide();
    } else {
      c->Hide();
    }
  }
}

void TPICSD33::HideCandidates() {
  for (TPicNode* c : cells_)
    if (c->data().digits.size() != 1) c->Hide();
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
