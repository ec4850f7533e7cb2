// Game lifecycle: new game, restart, the clock, the digit bars and the
// solved announcement.

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "controls/TPICSD33.h"
#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"
#include "core/HolderToBoard.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

QString TForm1::LevelName(int level) const {
  static const char* const keys[6] = {"msg_ndtxt_veryeasy", "msg_ndtxt_gentle", "msg_ndtxt_moderate",
                                      "msg_ndtxt_tough",    "msg_ndtxt_diabolical", "msg_ndtxt_unkown"};
  if (level < 0 || level > 5) return ndtxt->text();
  return TextOf(lst1, keys[level]);
}

void TForm1::ClearBoard() {
  QJ1.ClearDigits();
  for (int i = 0; i < kCells; ++i) {
    sd991->model().cell(i).state = CellState::Open;
    sd991->model().cell(i).digits.clear();
  }
  ApplyMarkingColours(true);
}

void TForm1::ClearCheckHighlight() {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = sd991->model().cell(i);
    const int solution = QJ1.node(i).digit;
    if (c.digits.size() != 1 || solution == 0) continue;
    if (c.digits[0] - '0' != solution) sd991->node(i)->setCellFontColor(sd991->FONTColor2());
  }
}

void TForm1::UpdateDigitCounts() {
  std::array<int, 10> count{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = sd991->model().cell(i);
    if (c.isOpen() || c.digits.size() != 1 || c.digits[0] < '1' || c.digits[0] > '9') continue;
    int& n = count[static_cast<size_t>(c.digits[0] - '0')];
    n = std::min(n + 1, 9);
  }
  for (int d = 1; d <= 9; ++d) {
    Tmousepb* bar = ProgressBar[static_cast<size_t>(d - 1)];
    bar->setValue(count[static_cast<size_t>(d)]);
    bar->setBarColor(count[static_cast<size_t>(d)] == 9 ? MakeTColor(255, 0, 0) : MakeTColor(0, 0, 255));
  }
  LogCurrentBoard();
}

void TForm1::LoadBoardFromHolder(bool withCandidates) {
  ::LoadBoardFromHolder(sd991->model(), QJ1, withCandidates);
  sd991->setEnabled(true);
  WC_Label->setVisible(false);
  chkcolor->setChecked(false);
  btStartBranch->setEnabled(true);
  btAccept->setEnabled(false);
  btRejectBranch->setEnabled(false);
}

void TForm1::NewGame(int level) {
  TPICSD33::UpdateLock lock(*sd991);
  ClearBoard();
  SpeedButton1Click();
  chkcolor->setChecked(false);
  SelectMode(Mode::None);
  PressDigitButton(1);
  if (!PickBankPuzzle(bank, level, QJ1, *random)) return;
  ndtxt->setText(LevelName(level));
  LoadBoardFromHolder(true);
  UpdateDigitCounts();
  disnote1Click();
  steps.ClearSteps(sd991->model());
  for (QToolButton* b : {btback, btfirst, btnext, btlast}) b->setEnabled(false);
  TimeLabel1->settimerenabled(true);
  TimeLabel1->setMS(0);
  sd991->setNd(level);
  sd991->HideCandidates();
}

void TForm1::btRestartClick() {
  if (!AppDialogs().Confirm(this, TextOf(lst1, "msg_restart"))) return;
  TPICSD33::UpdateLock lock(*sd991);
  SpeedButton1Click();
  chkcolor->setChecked(false);
  Board& b = sd991->model();
  for (int i = 0; i < kCells; ++i) {
    if (b.cell(i).state == CellState::Given) continue;
    b.cell(i).state = CellState::Open;
    b.cell(i).digits = "123456789";
  }
  for (int i = 0; i < kCells; ++i)
    if (b.cell(i).isOpen()) b.cell(i).digits = b.FreeDigits(b.cell(i).row, b.cell(i).col);
  sd991->setEnabled(true);
  b.MarkConflicts();
  WC_Label->setVisible(false);
  SelectMode(Mode::None);
  PressDigitButton(1);
  UpdateDigitCounts();
  disnote1Click();
  sd991->HideCandidates();
  steps.ClearSteps(b);
  for (QToolButton* btn : {btback, btfirst, btnext, btlast}) btn->setEnabled(false);
  TimeLabel1->settimerenabled(true);
  TimeLabel1->setMS(0);
  ClearCheckHighlight();
}

void TForm1::TimeLabel1Timer() { TimeLabel1->setMS(TimeLabel1->MS() + TimeLabel1->timeinterval()); }

void TForm1::AnnounceSolved(const char* key, bool disableBranches) {
  WC_Label->setVisible(true);
  // The clock stops before the message, so the time shown is the time of
  // the solving move, not of closing the message.
  TimeLabel1->settimerenabled(false);
  if (disableBranches)
    for (QToolButton* b : {btStartBranch, btAccept, btRejectBranch}) b->setEnabled(false);
  AppDialogs().Information(this, TextOf(lst1, key));
}
