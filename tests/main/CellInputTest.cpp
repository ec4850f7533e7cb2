// Cell input in the three display modes, the cell menu, keys and hints.

#include <QAction>
#include <QMenu>
#include <QStatusBar>

#include "main/FormFixture.h"
#include "core/StepLine.h"

namespace {

QStringList MenuCaptions(QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
  return out;
}

QAction* ItemWithHint(QMenu* menu, const QString& hint) {
  for (QAction* a : menu->actions())
    if (a->data().toString() == hint) return a;
  return nullptr;
}

}  // namespace

TEST_F(FormTest, NoneModePlacesAndClearsWithoutTouchingCandidates) {
  for (const bool autoUpdate : {true, false}) {
    Deal(SparseLine());
    form->cbautoupdate->setChecked(autoUpdate);
    Put(2, 1, CellState::Open, "12");
    Put(2, 5, CellState::Open, "35");  // an open peer holding 5
    SelectDigit(5);
    LeftClick(2, 1);
    EXPECT_EQ(cell(2, 1).state, CellState::Placed);
    EXPECT_EQ(cell(2, 1).digits, "5");
    EXPECT_EQ(node(2, 1)->caption(), "5");
    EXPECT_EQ(cell(2, 5).digits, "35");  // mode None leaves every candidate alone
    // Switching to All brings the candidates up to date when auto update is on.
    Key(Qt::Key_F2);
    EXPECT_TRUE(form->rb_all->isChecked());
    EXPECT_EQ(cell(2, 5).digits, autoUpdate ? "3" : "35");
  }
}

TEST_F(FormTest, NoneModeRightClickEmptiesACellUntilCandidatesRefresh) {
  Deal(SparseLine());
  SelectDigit(6);
  LeftClick(1, 1);
  RightClick(1, 1);
  EXPECT_EQ(cell(1, 1).state, CellState::Open);
  EXPECT_EQ(cell(1, 1).digits, "");
  Key(Qt::Key_F2);
  EXPECT_EQ(cell(1, 1).digits, "24568");
  // Clicks on clues and middle clicks change nothing and log nothing.
  Key(Qt::Key_F1);
  const size_t lines = LogSize();
  LeftClick(1, 9);
  form->CellMouseDown(node(2, 2), Qt::MiddleButton);
  EXPECT_EQ(LogSize(), lines);
}

TEST_F(FormTest, AllModeTakesAPlacedDigitBack) {
  Deal(SparseLine());
  SelectDigit(7);
  LeftClick(5, 5);  // mode None: a placed 7, peers keep their candidates
  Key(Qt::Key_F2);  // auto update prunes the 7 from the peers
  Put(5, 1, CellState::Open, "139");
  ASSERT_EQ(cell(5, 9).digits.find('7'), std::string::npos);
  LeftClick(5, 5);
  EXPECT_EQ(cell(5, 5).state, CellState::Open);
  EXPECT_EQ(cell(5, 5).digits, "345789");
  EXPECT_EQ(cell(5, 1).digits, "1397");  // appended at the end
  EXPECT_TRUE(node(5, 5)->panelShown(7));
}

TEST_F(FormTest, AllModeCandidateClicks) {
  Deal(SparseLine());
  Key(Qt::Key_F2);
  Put(1, 1, CellState::Open, "38");
  Put(1, 2, CellState::Open, "18");
  Put(2, 1, CellState::Placed, "8");  // a wrong placed peer keeps its digit
  ClickCandidate(1, 1, 3, Qt::RightButton);
  EXPECT_EQ(cell(1, 1).state, CellState::Placed);
  EXPECT_EQ(cell(1, 1).digits, "8");
  EXPECT_EQ(cell(1, 2).digits, "1");
  EXPECT_EQ(cell(2, 1).digits, "8");
  EXPECT_TRUE(cell(1, 1).isError && cell(2, 1).isError);
  // The context-menu request after a right press on a panel shows nothing.
  form->ppPopup(node(1, 1));
  EXPECT_TRUE(form->pp->actions().isEmpty());
  // A left click makes the candidate the digit.
  ClickCandidate(1, 2, 1, Qt::LeftButton);
  EXPECT_EQ(cell(1, 2).state, CellState::Placed);
  EXPECT_EQ(cell(1, 2).digits, "1");
}

TEST_F(FormTest, CellMenuContentsAndActions) {
  Deal(SparseLine());
  Key(Qt::Key_F2);
  Put(1, 1, CellState::Open, "247");
  form->CellMouseDown(node(1, 1), Qt::RightButton);  // resets the one-shot guard
  form->ppPopup(node(1, 1));
  const QString add = Text("msg_add"), del = Text("msg_move");
  EXPECT_EQ(MenuCaptions(form->pp),
            (QStringList{add + " 1", add + " 3", add + " 5", add + " 6", add + " 8", add + " 9", "-", del + " 2",
                         del + " 4", del + " 7", "-", Text("msg_regenerate_candidate")}));
  EXPECT_EQ(Text("msg_add").toStdString(), "増加");
  Put(1, 1, CellState::Open, "");
  form->ppPopup(node(1, 1));
  EXPECT_EQ(form->pp->actions().size(), 11);  // add 1..9, a separator, regenerate

  // Adding 4 to a placed 6: an open cell with both.
  Put(1, 1, CellState::Placed, "6");
  form->ppPopup(node(1, 1));
  form->CellMenuClick(ItemWithHint(form->pp, "+4"));
  EXPECT_EQ(cell(1, 1).state, CellState::Open);
  EXPECT_EQ(cell(1, 1).digits, "46");
  // Deleting and regenerating.
  form->ppPopup(node(1, 1));
  form->CellMenuClick(ItemWithHint(form->pp, "-6"));
  EXPECT_EQ(cell(1, 1).digits, "4");
  EXPECT_EQ(cell(1, 1).state, CellState::Open);  // one candidate left, still open
  form->ppPopup(node(1, 1));
  form->CellMenuClick(ItemWithHint(form->pp, "X"));
  EXPECT_EQ(cell(1, 1).digits, "24568");
}

TEST_F(FormTest, ContextMenusFollowTheMode) {
  Deal(SparseLine());
  for (int i = 0; i < kCells; ++i) EXPECT_FALSE(form->sd991->node(i)->hasContextMenu());
  Key(Qt::Key_F2);
  EXPECT_TRUE(node(1, 1)->hasContextMenu());
  EXPECT_FALSE(node(1, 9)->hasContextMenu());  // a clue
  // Only one with digit 2: only cells holding 2 have a menu, the others no hint.
  SelectDigit(2);
  Key(Qt::Key_F3);
  EXPECT_TRUE(form->rb_one->isChecked());
  Put(1, 1, CellState::Open, "13");
  form->disnote1Click(2, true);
  EXPECT_FALSE(node(1, 1)->hasContextMenu());
  emit form->sd991->cellEnter(node(1, 1));
  EXPECT_EQ(form->sb1Panel->text(), "");
  Put(1, 2, CellState::Open, "25");
  form->disnote1Click(2, true);
  EXPECT_TRUE(node(1, 2)->hasContextMenu());
  emit form->sd991->cellEnter(node(1, 2));
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_right_pop"));
  EXPECT_EQ(form->sb1->palette().color(QPalette::Window), QColor(255, 188, 121));
}

TEST_F(FormTest, KeysSwitchModesAndSelectDigits) {
  Deal(SparseLine());
  Key(Qt::Key_F2);
  const size_t lines = LogSize();
  Key(Qt::Key_F2);  // already All: nothing, no logged step
  EXPECT_EQ(LogSize(), lines);
  Key(Qt::Key_3);
  EXPECT_EQ(form->game.SelectedDigit(), 3);
  QTest::keyClick(form.get(), Qt::Key_7, Qt::KeypadModifier);  // keypad digits are not digit keys
  EXPECT_EQ(form->game.SelectedDigit(), 3);
  Key(Qt::Key_F3);
  EXPECT_TRUE(form->rb_one->isChecked());
  Key(Qt::Key_F1);
  EXPECT_TRUE(form->rb_none->isChecked());
  // A key reaches the window also when a control has the focus.
  form->chkcolor->setFocus();
  QTest::keyClick(form->chkcolor, Qt::Key_5);
  EXPECT_EQ(form->game.SelectedDigit(), 5);
}

TEST_F(FormTest, DigitButtonsCanBeReleasedOnlyInModeAll) {
  Deal(SparseLine());
  form->disnote[0]->click();  // mode None: the pressed button stays down
  EXPECT_EQ(form->game.SelectedDigit(), 1);
  Key(Qt::Key_F2);
  form->disnote[0]->click();  // mode All: it may go up
  EXPECT_EQ(form->game.SelectedDigit(), 0);
  Key(Qt::Key_F1);  // None selects 1 when no digit is selected
  EXPECT_EQ(form->game.SelectedDigit(), 1);
}

TEST_F(FormTest, StatusHintsForCellsAndPanels) {
  Deal(SparseLine());
  emit form->sd991->cellEnter(node(1, 1));
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_rb_one"));
  emit form->sd991->cellEnter(node(1, 9));
  EXPECT_EQ(form->sb1Panel->text(), "");
  Key(Qt::Key_F2);
  emit form->sd991->cellEnter(node(1, 1));
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_right_pop"));
  Put(1, 2, CellState::Placed, "4");
  emit form->sd991->cellEnter(node(1, 2));
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_tb_all"));
  emit form->sd991->candidateEnter(node(1, 1), 4);
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_notcolor"));
  form->chkcolor->setChecked(true);
  emit form->sd991->candidateEnter(node(1, 1), 4);
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_color"));
  emit form->sd991->cellEnter(node(1, 9));
  EXPECT_EQ(form->sb1Panel->text(), Text("msg_color"));
  // Tool buttons explain themselves; the board panel clears the hint.
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(form->btsolve, &enter);
  EXPECT_EQ(form->sb1Panel->text().toStdString(), "正解を見る");
  QApplication::sendEvent(form->Panel1, &enter);
  EXPECT_EQ(form->sb1Panel->text(), "");
  EXPECT_EQ(form->sb1->palette().color(QPalette::Window), form->palette().color(QPalette::Button));
}

TEST_F(FormTest, HoverFramesFollowTheMouse) {
  Deal(SparseLine());
  emit node(3, 3)->mouseEnter();
  EXPECT_TRUE(node(3, 3)->isEnter());
  emit node(3, 3)->mouseLeave();
  EXPECT_FALSE(node(3, 3)->isEnter());
}
