// Cell input: the keys, the three candidate display modes, the digit
// buttons, mouse presses on cells and candidate panels, the cell menu and the
// status-bar hints.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>

#include "controls/TColorGrid.h"
#include "controls/TPICSD33.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/JapaneseFont.h"

namespace {

std::string DigitText(int d) { return std::string(1, static_cast<char>('0' + d)); }

// The digits 1..9 that occur in a or in b, ascending.
std::string UnionDigits(const std::string& a, const std::string& b) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (a.find(d) != std::string::npos || b.find(d) != std::string::npos) out += d;
  return out;
}

std::string DeleteFirst(std::string s, const std::string& t) {
  if (const auto p = s.find(t); p != std::string::npos) s.erase(p, t.size());
  return s;
}

bool BoardIsFull(const Board& b) {
  for (int i = 0; i < kCells; ++i)
    if (b.cell(i).digits.empty()) return false;
  return true;
}

// Unless the board is full, every open cell without candidates gets its
// free digits.
void FillEmptyCandidates(Board& b) {
  if (BoardIsFull(b)) return;
  for (int i = 0; i < kCells; ++i)
    if (b.cell(i).isOpen() && b.cell(i).digits.empty()) b.cell(i).digits = b.FreeDigits(b.cell(i).row, b.cell(i).col);
}

}  // namespace

TForm1::Mode TForm1::CurrentMode() const {
  if (rb_all->isChecked()) return Mode::All;
  if (rb_one->isChecked()) return Mode::OnlyOne;
  return Mode::None;
}

void TForm1::SelectMode(Mode mode) {
  // Checking the button that is already checked does nothing; another one
  // runs the mode switch through its toggled signal.
  QRadioButton* b = mode == Mode::All ? rb_all : mode == Mode::OnlyOne ? rb_one : rb_none;
  b->setChecked(true);
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
  switch (key) {
    case Qt::Key_F1: return SelectMode(Mode::None);
    case Qt::Key_F2: return SelectMode(Mode::All);
    case Qt::Key_F3: return SelectMode(Mode::OnlyOne);
    default: break;
  }
  // Digits of the main keyboard only; the keypad's are not digit keys here.
  if (key >= Qt::Key_1 && key <= Qt::Key_9 && !(modifiers & Qt::KeypadModifier)) {
    PressDigitButton(key - Qt::Key_0);
    disnote1Click();
  }
}

int TForm1::SelectedDigit() const {
  for (int d = 1; d <= 9; ++d)
    if (disnote[static_cast<size_t>(d - 1)]->isChecked()) return d;
  return 0;
}

void TForm1::PressDigitButton(int d) {
  for (int k = 1; k <= 9; ++k) disnote[static_cast<size_t>(k - 1)]->setChecked(k == d);
}

void TForm1::SetDigitButtons(int d) {
  allowAllUp_ = d == 0;
  if (d >= 1 && d <= 9) PressDigitButton(d);
}

void TForm1::SetCellMenus(int digit) {
  const Board& b = sd991->model();
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = b.cell(i);
    bool has = false;
    if (c.state != CellState::Given)
      has = digit < 0 || (digit > 0 && c.digits.find(static_cast<char>('0' + digit)) != std::string::npos);
    sd991->node(i)->setHasContextMenu(has);
  }
}

void TForm1::RedrawInMode() {
  switch (CurrentMode()) {
    case Mode::None: sd991->ShowValuesOnly(); break;
    case Mode::All: sd991->ShowAllCandidates(); break;
    case Mode::OnlyOne: sd991->ShowCandidatesWith(SelectedDigit()); break;
  }
}

void TForm1::rb_noneClick() {
  TPICSD33::UpdateLock lock(*sd991);
  switch (CurrentMode()) {
    case Mode::None:
      sd991->ShowValuesOnly();
      if (SelectedDigit() == 0) SetDigitButtons(1);
      HighlightSelectedDigit();
      SetCellMenus(0);
      break;
    case Mode::All:
      RefreshCandidates();
      sd991->ShowAllCandidates();
      SetCellMenus(-1);  // every cell that is not a clue
      SetDigitButtons(0);
      UpdateDigitCounts();
      HighlightSelectedDigit();
      break;
    case Mode::OnlyOne: {
      RefreshCandidates();
      const int d = SelectedDigit() == 0 ? 1 : SelectedDigit();
      SetCellMenus(d);
      SetDigitButtons(d);
      sd991->ShowCandidatesWith(d);
      UpdateDigitCounts();
      HighlightSelectedDigit();
      break;
    }
  }
  ReapplyMarking();
}

void TForm1::disnote1Click() {
  TPICSD33::UpdateLock lock(*sd991);
  Board& b = sd991->model();
  switch (CurrentMode()) {
    case Mode::None: sd991->ShowValuesOnly(); break;
    case Mode::OnlyOne:
      FillEmptyCandidates(b);
      SetCellMenus(SelectedDigit());
      sd991->ShowCandidatesWith(SelectedDigit());
      break;
    case Mode::All: sd991->ShowAllCandidates(); break;
  }
  ReapplyMarking();
}

void TForm1::RefreshCandidates() {
  Board& b = sd991->model();
  FillEmptyCandidates(b);
  if (cbautoupdate->isChecked())
    for (int i = 0; i < kCells; ++i)
      if (b.cell(i).isOpen()) b.cell(i).digits = b.PruneCandidates(b.cell(i).row, b.cell(i).col);
}

void TForm1::HighlightSelectedDigit() {
  const int d = SelectedDigit();
  if (d == 0) return;
  const std::string digit = DigitText(d);
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = sd991->model().cell(i);
    if (c.digits == digit && !c.isOpen() && !c.isError) sd991->node(i)->setColor(sd991->highcolor());
  }
}

void TForm1::CellMouseDown(TPicNode* cell, Qt::MouseButton button) {
  if (chkcolor->isChecked()) {
    ppTag = -1;
    if (button == Qt::LeftButton || button == Qt::RightButton) {
      const TColor paint = button == Qt::LeftButton ? colorgrid1->ForegroundColor()
                                                    : NaturalCellColour(cell->row(), cell->col());
      cell->setColor(paint);
      cell->setcolor(paint);
    }
    StoreMarking();
    return;
  }
  Board& b = sd991->model();
  Cell& c = cell->data();
  bool solved = false;
  {
    TPICSD33::UpdateLock lock(*sd991);
    if (CurrentMode() == Mode::None) {
      const int d = SelectedDigit();
      if (button == Qt::LeftButton && c.state != CellState::Given && d != 0) {
        c.digits = DigitText(d);
        c.state = CellState::Placed;
      } else if (button == Qt::RightButton && c.state != CellState::Given) {
        c.state = CellState::Open;
        c.digits.clear();
      }
      b.MarkConflicts();
      solved = b.IsSolved();
      UpdateDigitCounts();
      sd991->ShowValuesOnly();
      HighlightSelectedDigit();
      ReapplyMarking();
    } else {
      ppTag = 0;
      if (button == Qt::LeftButton && c.state == CellState::Placed) {
        // Taking a placed digit back gives it back to the peers, whatever
        // the auto-update switch says.
        const std::string old = c.digits;
        c.digits = b.FreeDigits(c.row, c.col);
        c.state = CellState::Open;
        b.RestoreDigitToPeers(c.row, c.col, old);
        b.MarkConflicts();
        solved = b.IsSolved();
        UpdateDigitCounts();
        RedrawInMode();
        ReapplyMarking();
      }
    }
  }
  if (solved) AnnounceSolved("msg_Puzzlesolved", true);
  ClearCheckHighlight();
}

void TForm1::CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button) {
  if (chkcolor->isChecked()) {
    ppTag = -1;
    if (button == Qt::LeftButton)
      cell->panel(digit)->setColor(colorgrid1->ForegroundColor());
    else if (button == Qt::RightButton)
      cell->panel(digit)->setColor(cell->color());
    StoreMarking();
    return;
  }
  Board& b = sd991->model();
  Cell& c = cell->data();
  if (CurrentMode() != Mode::None && (button == Qt::LeftButton || button == Qt::RightButton)) {
    TPICSD33::UpdateLock lock(*sd991);
    auto placeDigit = [&] {
      c.state = CellState::Placed;
      if (cbautoupdate->isChecked()) b.RemoveDigitFromPeers(c.row, c.col);
    };
    if (button == Qt::LeftButton) {
      c.digits = DigitText(digit);
      placeDigit();
    } else {
      c.digits = Board::RemoveChars(c.digits, DigitText(digit));
      if (c.digits.size() == 1)
        placeDigit();  // the last candidate becomes the cell's digit
      else
        c.state = CellState::Open;
    }
    UpdateDigitCounts();
    b.MarkConflicts();
    RedrawInMode();
    HighlightSelectedDigit();
    ReapplyMarking();
  }
  ClearCheckHighlight();
  if (b.IsSolved()) AnnounceSolved("msg_puzzle_solved", false);
  ppTag = -1;  // the menu request that follows a right press shows nothing
}

void TForm1::ppPopup(TPicNode* cell) {
  menuCell_ = cell;
  pp->clear();
  const std::string s = cell->data().digits;
  auto add = [&](const QString& caption, const QString& hint) {
    QAction* a = pp->addAction(caption);
    a->setData(hint);
  };
  for (int d = 1; d <= 9; ++d)
    if (s.find(static_cast<char>('0' + d)) == std::string::npos)
      add(TextOf(lst1, "msg_add") + " " + QString::number(d), "+" + QString::number(d));
  if (!s.empty()) pp->addSeparator();
  for (int d = 1; d <= 9; ++d)
    if (s.find(static_cast<char>('0' + d)) != std::string::npos)
      add(TextOf(lst1, "msg_move") + " " + QString::number(d), "-" + QString::number(d));
  pp->addSeparator();
  add(TextOf(lst1, "msg_regenerate_candidate"), "X");
  if (ppTag == -1) pp->clear();
  ApplyJapaneseFont(this);
}

void TForm1::CellMenuClick(QAction* item) {
  if (!menuCell_) return;
  const QString hint = item->data().toString();
  if (hint.isEmpty()) return;
  Board& b = sd991->model();
  Cell& c = menuCell_->data();
  const char op = hint[0].toLatin1();
  const std::string d = hint.size() > 1 ? std::string(1, hint[1].toLatin1()) : std::string();
  {
    TPICSD33::UpdateLock lock(*sd991);
    if (op == '+') {
      if (c.state == CellState::Placed) {
        const std::string old = c.digits;
        c.digits = UnionDigits(c.digits, d);
        c.state = CellState::Open;
        b.RestoreDigitToPeers(c.row, c.col, old);
      } else {
        c.digits = UnionDigits(c.digits, d);
      }
    } else if (op == '-') {
      c.digits = DeleteFirst(c.digits, d);
    } else if (op == 'X') {
      if (c.state == CellState::Placed) {
        const std::string old = c.digits;
        c.state = CellState::Open;
        b.RestoreDigitToPeers(c.row, c.col, old);
      }
      c.digits = b.FreeDigits(c.row, c.col);
    }
    c.state = CellState::Open;
    UpdateDigitCounts();
    b.MarkConflicts();
    RedrawInMode();
    ReapplyMarking();
    ClearCheckHighlight();
  }
  if (b.IsSolved()) AnnounceSolved("msg_puzzle_solved", false);
}

void TForm1::ProgressBar1MouseDown(int digit) {
  PressDigitButton(digit);
  disnote1Click();
}

void TForm1::ShowStatusHint(const QString& text) {
  QPalette p = sb1->palette();
  p.setColor(QPalette::Window, QColor(255, 188, 121));
  sb1->setPalette(p);
  sb1Panel->setText(text);
}

void TForm1::ClearStatusHint() {
  sb1Panel->clear();
  QPalette p = sb1->palette();
  p.setColor(QPalette::Window, palette().color(QPalette::Button));
  sb1->setPalette(p);
}
