// The move log's buttons and the trial branches.

#include "main/TForm1.h"

void TForm1::btfirstClick() {
  game.StepFirst();
  Refresh();
}

void TForm1::btbackClick() {
  game.StepBack();
  Refresh();
}

void TForm1::btnextClick() {
  game.StepNext();
  Refresh();
}

void TForm1::btlastClick() {
  game.StepLast();
  Refresh();
}

void TForm1::StartBranch() {
  game.StartBranch();
  Refresh();
}

void TForm1::btAcceptClick() {
  game.AcceptBranch();
  Refresh();
}

void TForm1::btRejectBranchClick() {
  game.RejectBranch();
  Refresh();
}
