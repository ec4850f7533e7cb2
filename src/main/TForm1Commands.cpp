// Check Error, Show hint and Show Solution.

#include "controls/TPICSD33.h"
#include "entry/TFrmdas.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

void TForm1::btcheckClick() {
  TPICSD33::UpdateLock lock(*sd991);
  int placed = 0;
  for (int i : game.Check()) {
    sd991->node(i)->setCellFontColor(game.CheckFontColour(i));
    // The colours also mark a lone wrong candidate; the count is of digits placed.
    if (!game.board().cell(i).isOpen()) ++placed;
  }
  ShowNotice(placed == 0 ? TextOf(lst1, "msg_checkerror_none") : TextOf(lst1, "msg_checkerror_count").arg(placed));
}

void TForm1::ClearCheckHighlight() {
  TPICSD33::UpdateLock lock(*sd991);
  for (int i : game.WrongCells()) sd991->node(i)->setCellFontColor(sd991->FONTColor2());
}

void TForm1::btShowhintClick() {
  if (!game.InProgress()) return;
  game.Hint();
  Refresh();
}

void TForm1::btsolveClick() {
  if (!game.InProgress()) return;
  if (!AppDialogs().Confirm(this, TextOf(lst1, "msg_solve"))) return;
  std::string first, other;
  switch (game.Solve(&first, &other)) {
    case Game::SolveResult::Filled: return Refresh();
    case Game::SolveResult::NoSolution: return AppDialogs().Information(this, TextOf(lst1, "msg_nosolve"));
    case Game::SolveResult::Several:
      AppDialogs().Information(this, TextOf(lst1, "msg_twosolve"));
      CreateOtherWindows();
      Frmdas->ShowSolutions(first, other);
      AppDialogs().ShowModal(Frmdas);
      return;
  }
}
