// Game lifecycle, the clock and the one refresh that shows the game.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

#include "controls/TPICSD33.h"
#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

void TForm1::NewGame(int level) {
  StartNewGame([&] { return game.NewGame(level); });
}

void TForm1::btRestartClick() {
  if (!game.InProgress()) return;
  if (!AppDialogs().Confirm(this, TextOf(lst1, "msg_restart"))) return;
  if (!KeepReplacedGame()) return;
  game.Restart();
  Refresh();
  ShowKeptNotice();
}

// The timer only redraws: the game's clock keeps the time.
void TForm1::TimeLabel1Timer() { TimeLabel1->setMS(static_cast<int>(game.ElapsedMs())); }

void TForm1::SyncControls() {
  const bool playing = game.InProgress();
  {
    QRadioButton* r = game.Mode() == DisplayMode::All       ? rb_all
                      : game.Mode() == DisplayMode::OnlyOne ? rb_one
                                                            : rb_none;
    const QSignalBlocker quiet(r);
    r->setChecked(true);
  }
  for (int d = 1; d <= 9; ++d) disnote[static_cast<size_t>(d - 1)]->setChecked(game.SelectedDigit() == d);
  {
    const QSignalBlocker quiet1(chkcolor), quiet2(cbautoupdate);
    chkcolor->setChecked(game.MarkingOn());
    cbautoupdate->setChecked(game.AutoUpdate());
  }
  const std::array<int, 10> counts = game.DigitCounts();
  for (int d = 1; d <= 9; ++d) {
    Tmousepb* bar = ProgressBar[static_cast<size_t>(d - 1)];
    const int n = counts[static_cast<size_t>(d)];
    bar->setValue(n);
    bar->setAccessibleName(TextOf(lst1, "msg_digitbar").arg(d).arg(n));
    bar->setBarColor(n == 9 ? MakeTColor(255, 0, 0) : MakeTColor(0, 0, 255));
  }
  btback->setEnabled(game.CanStepBack());
  btfirst->setEnabled(btback->isEnabled());
  btnext->setEnabled(game.CanStepForward());
  btlast->setEnabled(btnext->isEnabled());
  btStartBranch->setEnabled(game.Branch() == BranchState::Idle);
  btAccept->setEnabled(game.Branch() == BranchState::Trying);
  btRejectBranch->setEnabled(game.Branch() == BranchState::Trying);
  // Commands that need a puzzle wait for the first one.
  for (QToolButton* b : {btRestart, btsolve, btcheck, btShowhint, btsave, btcopy, btprintableBoard, btCoach, btPause})
    b->setEnabled(playing);
  for (QAction* a : {mnSaveCurrentBoard, savet, mnCopyPuzzleToClipboard, mnPrintableBoard, mnCoach, mnFirstMistake,
                     mnSolvingPath, mnPause})
    a->setEnabled(playing);
  sd991->setEnabled(playing);
  WC_Label->setVisible(game.SolvedMarker());
  // A game that starts anew is never paused: the cover goes with the pause.
  pauseCover->setVisible(game.Paused());
  btPause->setChecked(game.Paused());
  mnPause->setChecked(game.Paused());
  // Before the first game the label keeps its text; the editor's "unknown"
  // stands indented, as the editor has always shown it.
  if (const std::string& key = game.LevelCaption(); !key.empty())
    ndtxt->setText((key == "msg_frm_new_unknow" ? "  " : "") + TextOf(lst1, key));
  ShowPracticeCaption();
  ShowClock();
  sd991->SetContextMenus([this](int i) { return game.CellHasMenu(i); });
}

void TForm1::ShowClock() {
  TimeLabel1->settimerenabled(game.ClockRunning());
  TimeLabel1->setMS(static_cast<int>(game.ElapsedMs()));
}

void TForm1::Refresh() {
  TPICSD33::UpdateLock lock(*sd991);
  SyncControls();
  RedrawInMode();
  ApplyBackgrounds();
  ClearCheckHighlight();
  ShowCoach();
  ScheduleRecovery();
}

void TForm1::Announce(const GameOutcome& outcome) {
  if (outcome.solved) ShowNotice(TextOf(lst1, "msg_solvedtime").arg(TTimeLabel::Caption(static_cast<int>(game.ElapsedMs()))));
  if (outcome.solved) RecordStatistics(false);
  if (outcome.message.empty()) return;
  AppDialogs().Information(this, TextOf(lst1, outcome.message.c_str()));
}
