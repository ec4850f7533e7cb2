// The move log's buttons and the trial branches.

#include <QToolButton>

#include "controls/TPICSD33.h"
#include "main/TForm1.h"

void TForm1::SetStepButtons() {
  btback->setEnabled(!steps.IsAtFirst());
  btfirst->setEnabled(btback->isEnabled());
  btnext->setEnabled(!steps.IsAtLast());
  btlast->setEnabled(btnext->isEnabled());
}

void TForm1::LogCurrentBoard() {
  steps.RecordStep(sd991->model());
  SetStepButtons();
}

void TForm1::ShowStep() {
  StepToBoard(sd991->model(), steps.CurrentLine());
  sd991->model().MarkConflicts();
  if (CurrentMode() == Mode::None) {
    sd991->ShowValuesOnly();
    if (SelectedDigit() == 0) SetDigitButtons(1);
    HighlightSelectedDigit();
  } else {
    RedrawInMode();
  }
}

void TForm1::GoToStep(void (Tfrmstep::*stepTo)()) {
  TPICSD33::UpdateLock lock(*sd991);
  (steps.*stepTo)();
  ShowStep();
  SetStepButtons();
  HighlightSelectedDigit();
  ReapplyMarking();
  UpdateDigitCounts();
}

void TForm1::btfirstClick() { GoToStep(&Tfrmstep::StepFirst); }
void TForm1::btbackClick() { GoToStep(&Tfrmstep::StepBack); }
void TForm1::btnextClick() { GoToStep(&Tfrmstep::StepNext); }
void TForm1::btlastClick() { GoToStep(&Tfrmstep::StepLast); }

void TForm1::StartBranch() {
  btStartBranch->setEnabled(false);
  btAccept->setEnabled(true);
  btRejectBranch->setEnabled(true);
  BranchBoard = BoardToStep(sd991->model());
}

void TForm1::btAcceptClick() {
  btStartBranch->setEnabled(true);
  btAccept->setEnabled(false);
  btRejectBranch->setEnabled(false);
  BranchBoard.clear();
}

void TForm1::btRejectBranchClick() {
  btStartBranch->setEnabled(true);
  btAccept->setEnabled(false);
  btRejectBranch->setEnabled(false);
  {
    TPICSD33::UpdateLock lock(*sd991);
    StepToBoard(sd991->model(), BranchBoard);
    sd991->model().MarkConflicts();
    if (CurrentMode() == Mode::None) {
      sd991->ShowValuesOnly();
      if (SelectedDigit() == 0) SetDigitButtons(1);
    } else {
      RedrawInMode();
    }
    ClearCheckHighlight();
    UpdateDigitCounts();
    ReapplyMarking();
  }
  BranchBoard.clear();
}
