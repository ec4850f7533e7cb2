// Marking paint and the move log's buttons.

#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "support/GameTestAccess.h"

namespace {

constexpr TColor kYellow = MakeTColor(255, 255, 0);
constexpr TColor kGreen = MakeTColor(0, 128, 0);

}  // namespace

TEST_F(FormTest, PaintSurvivesRedrawsUntilCleared) {
  Deal(SparseLine());
  form->chkcolor->setChecked(true);
  const size_t lines = LogSize();
  LeftClick(4, 4);
  EXPECT_EQ(node(4, 4)->color(), kYellow);
  EXPECT_EQ(node(4, 4)->panel(5)->color(), kYellow);
  EXPECT_EQ(GameTestAccess::marking(form->game).at(4, 4, 0), kYellow);
  EXPECT_EQ(LogSize(), lines);  // painting logs nothing
  EXPECT_EQ(cell(4, 4).state, CellState::Open);
  form->chkcolor->setChecked(false);

  SelectDigit(9);
  LeftClick(1, 1);  // a digit elsewhere recolours the board
  EXPECT_EQ(node(4, 4)->color(), kYellow);
  Key(Qt::Key_F2);
  EXPECT_EQ(node(4, 4)->color(), kYellow);
  form->btback->click();  // stepping keeps the paint
  EXPECT_EQ(node(4, 4)->color(), kYellow);

  form->bt_clearcolor->click();
  EXPECT_EQ(node(4, 4)->color(), kClWhite);  // the middle box's colour
  EXPECT_EQ(GameTestAccess::marking(form->game).at(4, 4, 0), kNoMarking);
}

TEST_F(FormTest, PaintingCandidatesAndRightClicks) {
  Deal(SparseLine());
  Key(Qt::Key_F2);
  form->chkcolor->setChecked(true);
  form->colorgrid1->setForegroundIndex(2);  // green
  ClickCandidate(1, 1, 4, Qt::LeftButton);
  EXPECT_EQ(node(1, 1)->panel(4)->color(), kGreen);
  EXPECT_EQ(GameTestAccess::marking(form->game).at(1, 1, 4), kGreen);
  EXPECT_EQ(GameTestAccess::marking(form->game).at(1, 1, 0), kNoMarking);
  ClickCandidate(1, 1, 4, Qt::RightButton);
  EXPECT_EQ(node(1, 1)->panel(4)->color(), node(1, 1)->color());
  EXPECT_EQ(GameTestAccess::marking(form->game).at(1, 1, 4), kNoMarking);

  // In marking mode a right click on a cell changes no digit and opens no menu.
  const std::string before = BoardToStep(board());
  form->colorgrid1->setForegroundIndex(11);
  LeftClick(2, 2);
  RightClick(2, 2);
  EXPECT_EQ(node(2, 2)->color(), kClWhite);
  form->ppPopup(node(2, 2));
  EXPECT_TRUE(form->pp->actions().isEmpty());
  EXPECT_EQ(BoardToStep(board()), before);
}

TEST_F(FormTest, PaintCoversTheHighlightAndPaintingWhiteIsNotRemembered) {
  Deal(SparseLine());
  SelectDigit(3);  // the clue (1,9) is highlighted
  EXPECT_EQ(node(1, 9)->color(), form->sd991->highcolor());
  form->chkcolor->setChecked(true);
  LeftClick(1, 9);
  form->chkcolor->setChecked(false);
  form->disnote1Click(3, true);
  EXPECT_EQ(node(1, 9)->color(), kYellow);
  form->SpeedButton1Click();
  EXPECT_EQ(node(1, 9)->color(), form->sd991->highcolor());

  // White is a board colour: not remembered, gone where the cell is not white.
  form->chkcolor->setChecked(true);
  form->colorgrid1->setForegroundIndex(15);
  LeftClick(1, 4);  // box 2 is not white
  EXPECT_EQ(GameTestAccess::marking(form->game).at(1, 4, 0), kNoMarking);
  EXPECT_EQ(node(1, 4)->color(), form->sd991->look().UNFoucsColor2);
}

TEST_F(FormTest, MoveLogButtons) {
  Deal(SparseLine());
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_EQ(GameTestAccess::steps(form->game).memostep[0], BoardToStep(board()));
  SelectDigit(1);
  LeftClick(1, 1);
  EXPECT_EQ(LogSize(), 2u);
  EXPECT_TRUE(Enabled(form->btback));
  EXPECT_TRUE(Enabled(form->btfirst));
  EXPECT_FALSE(Enabled(form->btnext));
  EXPECT_FALSE(Enabled(form->btlast));
  form->btback->click();
  EXPECT_EQ(BoardToStep(board()), GameTestAccess::steps(form->game).memostep[0]);
  EXPECT_TRUE(Enabled(form->btnext));
  EXPECT_TRUE(Enabled(form->btlast));
  EXPECT_FALSE(Enabled(form->btback));
  EXPECT_EQ(LogSize(), 2u);  // stepping never adds a line
  form->btlast->click();
  EXPECT_EQ(cell(1, 1).digits, "1");

  // Five lines, two steps back, one change: four lines ending with the change.
  LeftClick(1, 2);
  LeftClick(1, 3);
  LeftClick(1, 4);
  ASSERT_EQ(LogSize(), 5u);
  form->btback->click();
  form->btback->click();
  SelectDigit(8);
  LeftClick(9, 9);
  EXPECT_EQ(LogSize(), 4u);
  EXPECT_EQ(GameTestAccess::steps(form->game).memostep.back(), BoardToStep(board()));
  EXPECT_FALSE(Enabled(form->btnext));
  EXPECT_FALSE(Enabled(form->btlast));
  // A repeated action that changes nothing adds nothing.
  LeftClick(9, 9);
  LeftClick(1, 9);
  EXPECT_EQ(LogSize(), 4u);
  form->btfirst->click();
  EXPECT_EQ(GameTestAccess::steps(form->game).StepIndex, 0);
}

TEST_F(FormTest, SteppingShowsAConflictAgain) {
  Deal(SparseLine());
  SelectDigit(3);
  LeftClick(1, 1);  // clashes with the clue 3 of (1,9)
  LeftClick(1, 1);
  SelectDigit(4);
  LeftClick(1, 1);
  ASSERT_FALSE(board().HasConflict());
  form->btback->click();
  EXPECT_TRUE(cell(1, 1).isError);
  EXPECT_EQ(node(1, 1)->color(), form->sd991->errorcolor());
}
