#include "controls/TSD33.h"

#include <QKeyEvent>
#include <QPainter>

TSD33Node::TSD33Node(int row, int col, QWidget* parent) : QLineEdit(parent), row_(row), col_(col) {
  setMaxLength(9);
  setAlignment(Qt::AlignCenter);
  setFrame(false);
  setFocusPolicy(Qt::ClickFocus);  // no tab stop
  setAttribute(Qt::WA_InputMethodEnabled, false);
  // Typing is the only way in: no pasting through a menu or by dropping.
  setContextMenuPolicy(Qt::NoContextMenu);
  setAcceptDrops(false);
  setAutoFillBackground(true);
}

void TSD33Node::setLook(TColor background, int fontSize, TColor fontColor) {
  if (background != background_ || fontColor != fontColor_) {
    background_ = background;
    fontColor_ = fontColor;
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ToQColor(background));
    pal.setColor(QPalette::Window, ToQColor(background));
    pal.setColor(QPalette::Text, ToQColor(fontColor));
    setPalette(pal);
  }
  if (fontSize != fontSize_) {
    fontSize_ = fontSize;
    setFont(WithPointSize(font(), fontSize));
  }
}

void TSD33Node::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  const bool backspace = event->key() == Qt::Key_Backspace;
  if (!backspace && !text.isEmpty()) {
    const QChar ch = text.at(0);
    const bool accepted = text.size() == 1 && ((ch >= u'1' && ch <= u'9') || ch == u'.');
    if (!accepted) {
      event->accept();  // dropped
      return;
    }
  }
  // The editing shortcuts that bring text in without typing it.
  if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

TSD33::TSD33(QWidget* parent, SmallBoard* model) : QWidget(parent), model_(model ? model : &ownModel_) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The small board shows candidates in blue, like placed digits.
  look_.FONTColor3 = kClBlue;
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) {
      auto* c = new TSD33Node(row, col, this);
      cells_[static_cast<size_t>(IndexOf(row, col))] = c;
      c->setText(QString::fromStdString(model_->at(row, col).text));
      connect(c, &QLineEdit::textEdited, this, [this, c](const QString& t) { cellEdited(c, t); });
    }
  setwidth2(width2_);
}

void TSD33::setwidth2(int side) {
  width2_ = side;
  resize(side, side);
  LayoutCells();
}

void TSD33::LayoutCells() {
  const int w = width() / 9, h = height() / 9;
  for (TSD33Node* c : cells_) {
    const int r = c->row(), q = c->col();
    const SmallCell& m = model_->at(r, q);
    c->setGeometry((q - 1) * w + 1, (r - 1) * h + 1, (q == 3 || q == 6) ? w - 3 : w - 1,
                   (r == 3 || r == 6) ? h - 3 : h - 1);
    const TColor back = m.isError ? kErrorColour : (IsEvenBox(r, q) ? look_.UNFoucsColor2 : look_.UNFoucsColor1);
    if (m.kind == 1) {
      c->setLook(back, look_.FONTSize1, look_.FONTColor1);
      c->setReadOnly(true);
    } else {
      if (m.text.size() == 1)
        c->setLook(back, look_.FONTSize2, look_.FONTColor2);
      else
        c->setLook(back, look_.FONTSize3, look_.FONTColor3);
      c->setReadOnly(false);
    }
  }
  update();
}

void TSD33::MarkConflicts() {
  model_->MarkConflicts();
  LayoutCells();
}

void TSD33::cellEdited(TSD33Node* c, const QString& text) {
  model_->at(c->row(), c->col()).text = text.toStdString();
  MarkConflicts();
  emit cellChanged(c->row(), c->col());
}

void TSD33::ShowModel() {
  for (TSD33Node* c : cells_) {
    const QString t = QString::fromStdString(model_->at(c->row(), c->col()).text);
    if (c->text() != t) {
      c->setText(t);
      c->setCursorPosition(0);  // a long text shows its start, not its end
    }
  }
  MarkConflicts();
}

void TSD33::Clear() {
  model_->ClearTexts();
  ShowModel();
}

void TSD33::setCellText(int row, int col, const QString& text) {
  model_->at(row, col).text = text.left(9).toStdString();
  ShowModel();
}

void TSD33::paintEvent(QPaintEvent*) {
  // The board shows black between the cells; the grid lines at multiples of
  // the cell size fall into those gaps.
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const int w = width() / 9, h = height() / 9;
  p.setPen(Qt::black);
  for (int k = 0; k <= 9; ++k) {
    p.drawLine(k * w, 0, k * w, height());
    p.drawLine(0, k * h, width(), k * h);
  }
}
