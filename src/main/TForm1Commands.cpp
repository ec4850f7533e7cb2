// Check Error, Show hint and Show Solution.

#include <QCheckBox>
#include <QToolButton>

#include "controls/TPICSD33.h"
#include "entry/TFrmdas.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"

void TForm1::btcheckClick() {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = sd991->model().cell(i);
    const int solution = QJ1.node(i).digit;
    if (c.digits.size() == 1 && solution != 0 && c.digits[0] - '0' != solution)
      sd991->node(i)->setCellFontColor(MakeTColor(254, 0, 0));
  }
}

void TForm1::btShowhintClick() {
  const std::string s = QJ1.GetSolution();
  if (!s.empty()) {
    Board& b = sd991->model();
    int last = -1;
    for (int i = kCells - 1; i >= 0 && last < 0; --i)
      if (b.cell(i).isOpen()) last = i;
    if (last >= 0) {
      TPICSD33::UpdateLock lock(*sd991);
      Cell& c = b.cell(last);
      c.digits = s.substr(static_cast<size_t>(last), 1);
      c.state = CellState::Placed;
      if (cbautoupdate->isChecked()) b.RemoveDigitFromPeers(c.row, c.col);
      RedrawInMode();
      sd991->node(last)->setColor(MakeTColor(255, 255, 0));
    }
  }
  UpdateDigitCounts();
}

void TForm1::btsolveClick() {
  if (!AppDialogs().Confirm(this, TextOf(lst1, "msg_solve"))) return;
  auto fill = [this](const std::string& t) {
    TPICSD33::UpdateLock lock(*sd991);
    Board& b = sd991->model();
    for (int i = 0; i < kCells; ++i) {
      if (b.cell(i).state == CellState::Given) continue;
      b.cell(i).digits = t.substr(static_cast<size_t>(i), 1);
      b.cell(i).state = CellState::Placed;
    }
    sd991->ShowAllCandidates();
    b.MarkConflicts();
    ReapplyMarking();
  };
  if (const std::string s = QJ1.GetSolution(); !s.empty()) return fill(s);
  std::string puzzle;
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = sd991->model().cell(i);
    puzzle += c.state == CellState::Given ? c.digits : std::string("*");
  }
  const Tfrm_sol::CountResult r = solver.CountSolutions(puzzle);
  if (r.result == 0) return fill(r.first);
  if (r.result == 1) return AppDialogs().Information(this, TextOf(lst1, "msg_nosolve"));
  AppDialogs().Information(this, TextOf(lst1, "msg_twosolve"));
  CreateOtherWindows();
  Frmdas->ShowSolutions(r.first, r.other);
  AppDialogs().ShowModal(Frmdas);
}
