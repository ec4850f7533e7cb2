// Check Error, hints, Show Solution with the viewer, and branches.

#include <QPlainTextEdit>
#include <QPushButton>

#include "entry/TFrmdas.h"
#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "support/GameTestAccess.h"

namespace {

constexpr TColor kWrong = MakeTColor(254, 0, 0);

// A puzzle known only by its clues: the holder holds no solution digits.
void ForgetSolution(TForm1& form) {
  for (int i = 0; i < kCells; ++i)
    if (!GameTestAccess::QJ1(form.game).node(i).isGiven) GameTestAccess::QJ1(form.game).node(i).digit = 0;
}

}  // namespace

TEST_F(FormTest, CheckErrorColoursWrongDigitsUntilTheNextChange) {
  Deal(SparseLine());
  SelectDigit(1);
  LeftClick(1, 1);  // wrong (4)
  SelectDigit(2);
  LeftClick(1, 2);  // right
  SelectDigit(5);
  LeftClick(2, 1);  // wrong (3)
  const size_t lines = LogSize();
  form->btcheck->click();
  // A wrong digit on the red conflict colour is drawn white to stay readable.
  for (const TPicNode* n : {node(1, 1), node(2, 1)})
    EXPECT_EQ(n->cellFontColor(), n->data().isError ? kClWhite : kWrong);
  EXPECT_EQ(node(1, 2)->cellFontColor(), form->sd991->FONTColor2());
  EXPECT_EQ(node(1, 9)->cellFontColor(), form->sd991->look().FONTColor1);
  EXPECT_EQ(LogSize(), lines);
  EXPECT_TRUE(dialogs.shown.isEmpty());
  SelectDigit(6);
  LeftClick(9, 9);
  EXPECT_EQ(node(1, 1)->cellFontColor(), form->sd991->FONTColor2());
  EXPECT_EQ(node(2, 1)->cellFontColor(), form->sd991->FONTColor2());
  // Without a known solution nothing is coloured.
  ForgetSolution(*form);
  form->btcheck->click();
  EXPECT_EQ(node(1, 1)->cellFontColor(), form->sd991->FONTColor2());
}

TEST_F(FormTest, HintFillsTheLastOpenCell) {
  // Row 9 is full; row 8 has blanks in columns 2 and 8: the hint takes (8,8).
  Deal(LineWithBlanks({0, 10, 60, 64, 70}));
  Key(Qt::Key_F2);
  const size_t lines = LogSize();
  form->btShowhint->click();
  EXPECT_EQ(cell(8, 8).digits, "7");
  EXPECT_EQ(cell(8, 8).state, CellState::Placed);
  EXPECT_EQ(cell(8, 2).state, CellState::Open);
  EXPECT_EQ(node(8, 8)->color(), MakeTColor(255, 255, 0));
  EXPECT_EQ(LogSize(), lines + 1);  // the hinted digit is a step
}

TEST_F(FormTest, HintPrunesPeersOnlyWithAutoUpdate) {
  for (const bool autoUpdate : {true, false}) {
    Deal(LineWithBlanks({0, 1, 9, 80}));
    form->cbautoupdate->setChecked(autoUpdate);
    Key(Qt::Key_F2);
    Put(9, 1, CellState::Open, "16");  // a peer of (9,9), holding its 6
    Put(1, 9, CellState::Placed, "6");  // a wrong placed peer with the same digit
    form->btShowhint->click();
    EXPECT_EQ(cell(9, 9).digits, "6");
    EXPECT_EQ(cell(9, 1).digits, autoUpdate ? "1" : "16");
    EXPECT_EQ(cell(1, 9).digits, "6");
    EXPECT_FALSE(board().HasConflict());  // the hint marks no conflicts
    form->btShowhint->click();            // then the next open cell from the end
    EXPECT_EQ(cell(9, 1).state, CellState::Placed);
    EXPECT_EQ(cell(9, 1).digits, "1");
  }
  // Nothing open, or nothing known: nothing changes.
  Deal(LineWithBlanks({}));
  const std::string full = BoardToStep(board());
  form->btShowhint->click();
  EXPECT_EQ(BoardToStep(board()), full);
}

TEST_F(FormTest, ShowSolutionNoAndYes) {
  Deal(SparseLine());
  SelectDigit(9);
  LeftClick(1, 1);  // wrong
  const std::string before = BoardToStep(board());
  dialogs.answers = {false};
  form->btsolve->click();
  EXPECT_EQ(dialogs.shown.last(), "confirm:" + Text("msg_solve"));
  EXPECT_EQ(BoardToStep(board()), before);

  const size_t lines = LogSize();
  dialogs.answers = {true};
  form->btsolve->click();
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(board().cell(i).digits, kSolution.substr(static_cast<size_t>(i), 1));
  EXPECT_EQ(cell(1, 1).state, CellState::Placed);
  EXPECT_EQ(cell(1, 9).state, CellState::Given);
  EXPECT_FALSE(form->TimeLabel1->timerenabled());  // the player gave up: the clock stops
  EXPECT_EQ(form->ProgressBar[0]->value(), 9);     // and the bars are recounted
  EXPECT_EQ(LogSize(), lines);                     // not logged until the next action
  EXPECT_FALSE(form->WC_Label->isVisible());       // nor announced, now or at a later click
  LeftClick(1, 9);
  EXPECT_FALSE(form->WC_Label->isVisible());
  EXPECT_TRUE(dialogs.shown.isEmpty() || !dialogs.shown.last().contains(Text("msg_Puzzlesolved")));
}

TEST_F(FormTest, ShowSolutionWithoutHolderSolutionCounts) {
  // One solution: found by the count and filled in.
  Deal(SparseLine());
  ForgetSolution(*form);
  dialogs.answers = {true};
  form->btsolve->click();
  EXPECT_EQ(cell(1, 1).digits, "4");

  // Two solutions: the message, then the viewer with the smallest first.
  std::string two = SparseLine();
  two[8] = 'C';  // the clue 3 of (1,9) becomes a blank
  Deal(two);
  ForgetSolution(*form);
  const std::string before = BoardToStep(board());
  dialogs.answers = {true};
  form->btsolve->click();
  ASSERT_GE(dialogs.shown.size(), 3);
  EXPECT_EQ(dialogs.shown[dialogs.shown.size() - 2], "info:" + Text("msg_twosolve"));
  EXPECT_EQ(dialogs.shown.last(), "modal:Frmdas");
  EXPECT_EQ(BoardToStep(board()), before);
  ASSERT_NE(form->Frmdas, nullptr);
  EXPECT_EQ(form->Frmdas->Memo1->toPlainText().toStdString(),
            "解1\n316457289\n457289136\n829631457\n231874965\n574196328\n968325714\n792563841\n643918572\n"
            "185742693\n\n\n解2\n456871239\n317259468\n829634157\n531427986\n794186325\n268395714\n942563871\n"
            "673918542\n185742693");
  EXPECT_TRUE(form->Frmdas->Memo1->isReadOnly());
  EXPECT_EQ(form->Frmdas->Button1->text().toStdString(), form->lst1.LookupText("frmdas.button1.caption"));

  // Clashing givens: no solution.
  std::string clash = SparseLine();
  clash[0] = '3';  // a second clue 3 in row 1
  Deal(clash);
  ForgetSolution(*form);
  dialogs.answers = {true};
  form->btsolve->click();
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_nosolve"));
  EXPECT_EQ(Text("msg_nosolve").toStdString(), "正解無し。");
}

TEST_F(FormTest, BranchStartPlayReject) {
  Deal(SparseLine());
  form->btStartBranch->click();
  EXPECT_FALSE(form->btStartBranch->isEnabled());
  EXPECT_TRUE(form->btAccept->isEnabled());
  EXPECT_TRUE(form->btRejectBranch->isEnabled());
  const std::string start = BoardToStep(board());
  const size_t lines = LogSize();
  SelectDigit(4);
  LeftClick(1, 1);
  SelectDigit(5);
  LeftClick(1, 2);
  SelectDigit(6);
  LeftClick(1, 3);
  const std::string third = BoardToStep(board());
  form->btRejectBranch->click();
  EXPECT_EQ(BoardToStep(board()), start);
  EXPECT_EQ(LogSize(), lines + 4);  // three moves and the restored board
  EXPECT_TRUE(GameTestAccess::BranchBoard(form->game).empty());
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  EXPECT_FALSE(form->btRejectBranch->isEnabled());
  form->btback->click();
  EXPECT_EQ(BoardToStep(board()), third);
}

TEST_F(FormTest, BranchAcceptAndEmptyReject) {
  Deal(SparseLine());
  form->StartBranch();
  SelectDigit(4);
  LeftClick(1, 1);
  const std::string played = BoardToStep(board());
  const size_t lines = LogSize();
  form->btAccept->click();
  EXPECT_EQ(BoardToStep(board()), played);
  EXPECT_EQ(LogSize(), lines);
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  EXPECT_FALSE(form->btAccept->isEnabled());
  // Start and reject with no move in between: nothing changes, nothing logged.
  form->StartBranch();
  form->btRejectBranchClick();
  EXPECT_EQ(BoardToStep(board()), played);
  EXPECT_EQ(LogSize(), lines);
}

TEST_F(FormTest, RejectInsideASteppedBackLog) {
  Deal(SparseLine());
  form->StartBranch();
  const std::string start = BoardToStep(board());
  SelectDigit(4);
  LeftClick(1, 1);
  LeftClick(1, 2);
  LeftClick(1, 3);  // four lines
  ASSERT_EQ(LogSize(), 4u);
  form->btback->click();
  form->btback->click();  // shows line 1
  form->btRejectBranchClick();

  EXPECT_EQ(LogSize(), 3u);  // lines after the shown one dropped, then the restored board
  EXPECT_EQ(GameTestAccess::steps(form->game).memostep.back(), start);
  EXPECT_FALSE(form->btnext->isEnabled());
}

TEST_F(FormTest, RestartClosesTheBranchAndPaintSurvivesAReject) {
  Deal(SparseLine());
  SelectDigit(4);
  LeftClick(1, 1);
  form->StartBranch();
  dialogs.answers = {true};
  form->btRestart->click();
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  EXPECT_FALSE(form->btRejectBranch->isEnabled());
  // Paint made during a branch survives its reject.
  form->StartBranch();
  form->chkcolor->setChecked(true);
  LeftClick(6, 6);
  form->chkcolor->setChecked(false);
  form->btRejectBranchClick();
  EXPECT_EQ(node(6, 6)->color(), MakeTColor(255, 255, 0));
  EXPECT_EQ(LogSize(), 1u);  // the restored board is the restarted one: nothing to log
}

TEST_F(FormTest, ANewBoardClosesTheBranch) {
  Deal(SparseLine());
  form->StartBranch();
  form->btCreate[2]->click();
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  EXPECT_FALSE(form->btAccept->isEnabled());
  EXPECT_FALSE(form->btRejectBranch->isEnabled());
}
