// Cell input: the keys, the three candidate display modes, the digit
// buttons, mouse presses on cells and candidate panels, the cell menu and the
// status-bar hints.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include "controls/TColorGrid.h"
#include "controls/TPICSD33.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/WindowFont.h"

namespace {

MouseButton ButtonOf(Qt::MouseButton b) {
  return b == Qt::LeftButton ? MouseButton::Left : b == Qt::RightButton ? MouseButton::Right : MouseButton::Middle;
}

int IndexOfNode(const TPicNode* cell) { return IndexOf(cell->row(), cell->col()); }

// X11 key codes of the digit row 1..9, whatever the layout prints on them.
constexpr quint32 kFirstDigitRowScanCode = 10;

}  // namespace

void TForm1::SelectMode(DisplayMode mode) {
  game.SelectMode(mode);
  Refresh();
}

void TForm1::FormKeyDown(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode) {
  switch (key) {
    case Qt::Key_F1: return SelectMode(DisplayMode::None);
    case Qt::Key_F2: return SelectMode(DisplayMode::All);
    case Qt::Key_F3: return SelectMode(DisplayMode::OnlyOne);
    case Qt::Key_H:
      if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return btCoachClick();
      break;
    case Qt::Key_Escape: return CloseCoach();
    case Qt::Key_P:
      if (!(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) return mnPauseClick();
      break;
    default: break;
  }
  // The digit row, not the keypad. Layouts such as AZERTY print other
  // characters there without Shift, so the key's position counts as well.
  if (modifiers & Qt::KeypadModifier) return;
  int d = 0;
  if (key >= Qt::Key_1 && key <= Qt::Key_9)
    d = key - Qt::Key_0;
  else if (scanCode >= kFirstDigitRowScanCode && scanCode < kFirstDigitRowScanCode + 9)
    d = static_cast<int>(scanCode - kFirstDigitRowScanCode) + 1;
  if (d != 0) ProgressBar1MouseDown(d);
}

bool TForm1::BoardKey(int key, Qt::KeyboardModifiers modifiers) {
  if (!game.InProgress()) return false;
  const bool ctrl = modifiers & Qt::ControlModifier;
  if (ctrl && (key == Qt::Key_Z || key == Qt::Key_Y)) {
    const bool forward = key == Qt::Key_Y || (modifiers & Qt::ShiftModifier);
    if (forward && btnext->isEnabled()) btnextClick();
    if (!forward && btback->isEnabled()) btbackClick();
    return true;
  }
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key) {
    case Qt::Key_Left: return MoveCursor(0, -1);
    case Qt::Key_Right: return MoveCursor(0, 1);
    case Qt::Key_Up: return MoveCursor(-1, 0);
    case Qt::Key_Down: return MoveCursor(1, 0);
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: PressAtCursor(Qt::LeftButton); return true;
    case Qt::Key_Delete:
    case Qt::Key_Backspace: PressAtCursor(Qt::RightButton); return true;
    case Qt::Key_Menu:
    case Qt::Key_F10:
      if (key == Qt::Key_F10 && !(modifiers & Qt::ShiftModifier)) return false;
      if (TPicNode* cell = sd991->node(game.Cursor()); cell->hasContextMenu()) {
        ShowCursor();
        ppPopup(cell);
        if (!pp->actions().isEmpty()) pp->popup(cell->mapToGlobal(cell->rect().center()));
      }
      return true;
    default: return false;
  }
}

bool TForm1::BoardHasFocus() const {
  const QWidget* f = focusWidget();
  return f == sd991 || sd991->isAncestorOf(f);
}

void TForm1::FocusBoard() { sd991->takeFocus(Qt::OtherFocusReason); }

bool TForm1::MoveCursor(int rows, int cols) {
  game.MoveCursor(rows, cols);
  ShowCursor();
  return true;
}

void TForm1::ShowCursor() {
  TPICSD33::UpdateLock lock(*sd991);
  sd991->node(shownCursor_)->setCursorMark(false);
  shownCursor_ = game.Cursor();
  sd991->node(shownCursor_)->setCursorMark(true);
  sd991->setFocusCell(shownCursor_);
}

void TForm1::PressAtCursor(Qt::MouseButton button) {
  ShowCursor();
  TPicNode* cell = sd991->node(game.Cursor());
  // On the selected digit's candidate when the cell shows it, as a click there.
  const int d = game.SelectedDigit();
  if (d != 0 && cell->panelShown(d) && cell->data().isOpen() && game.Mode() != DisplayMode::None)
    CandidateMouseDown(cell, d, button);
  else
    CellMouseDown(cell, button);
}

void TForm1::disnote1Click(int d, bool down) {
  game.ClickDigit(d, down);
  Refresh();
}

void TForm1::ProgressBar1MouseDown(int digit) {
  game.PressDigit(digit);
  Refresh();
}

void TForm1::RedrawInMode() {
  switch (game.Mode()) {
    case DisplayMode::None: sd991->ShowValuesOnly(); break;
    case DisplayMode::All: sd991->ShowAllCandidates(); break;
    case DisplayMode::OnlyOne: sd991->ShowCandidatesWith(game.SelectedDigit()); break;
  }
}

void TForm1::CellMouseDown(TPicNode* cell, Qt::MouseButton button) {
  FocusBoard();
  const GameOutcome outcome = game.CellPress(IndexOfNode(cell), ButtonOf(button));
  if (game.MarkingOn()) return ApplyBackgrounds();
  Refresh();
  Announce(outcome);
}

void TForm1::CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button) {
  FocusBoard();
  const GameOutcome outcome =
      game.CandidatePress(IndexOfNode(cell), digit, ButtonOf(button));
  if (game.MarkingOn()) return ApplyBackgrounds();
  Refresh();
  Announce(outcome);
}

void TForm1::ppPopup(TPicNode* cell) {
  menuCell_ = cell;
  pp->clear();
  bool removing = false;
  for (const CellMenuItem& item : game.CellMenu(IndexOfNode(cell))) {
    // Lines between the additions, the removals and regeneration.
    if ((item.op == '-' && !removing) || item.op == 'X') pp->addSeparator();
    removing = removing || item.op == '-';
    QString caption = item.op == '+'   ? TextOf(lst1, "msg_add") + " " + QString::number(item.digit)
                      : item.op == '-' ? TextOf(lst1, "msg_move") + " " + QString::number(item.digit)
                                       : TextOf(lst1, "msg_regenerate_candidate");
    QAction* a = pp->addAction(caption);
    a->setData(QString(QChar(item.op)) + (item.digit ? QString::number(item.digit) : QString()));
  }
  ApplyWindowFont(this);
}

void TForm1::CellMenuClick(QAction* item) {
  if (!menuCell_) return;
  const QString hint = item->data().toString();
  if (hint.isEmpty()) return;
  const CellMenuItem chosen{hint[0].toLatin1(), hint.size() > 1 ? hint[1].digitValue() : 0};
  const GameOutcome outcome = game.CellMenuClick(IndexOfNode(menuCell_), chosen);
  Refresh();
  Announce(outcome);
}

void TForm1::ShowStatusHint(const QString& text) {
  QPalette p = sb1->palette();
  p.setColor(QPalette::Window, QColor(255, 188, 121));
  sb1->setPalette(p);
  sb1Panel->setText(text);
}

void TForm1::ShowNotice(const QString& text) {
  sbNotice->setText(text);
  sbNotice->setToolTip(text);
}

void TForm1::ClearStatusHint() {
  sb1Panel->clear();
  QPalette p = sb1->palette();
  p.setColor(QPalette::Window, palette().color(QPalette::Button));
  sb1->setPalette(p);
}
