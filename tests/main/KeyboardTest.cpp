// Playing from the keyboard, and the cells' names for screen readers.

#include <QAccessible>

#include "main/FormFixture.h"
#include "core/StepLine.h"

namespace {

QString AccessibleName(QWidget* w) {
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
  return a ? a->text(QAccessible::Name) : QString();
}

}  // namespace

TEST_F(FormTest, ArrowsMoveACursorAndSpaceAndDeletePressAtIt) {
  Deal(LineWithBlanks({0, 1, 80}));
  EXPECT_FALSE(node(5, 5)->cursorMark());  // shown only once a key moved it
  Key(Qt::Key_Up);
  Key(Qt::Key_Left);
  EXPECT_EQ(form->CursorCell(), IndexOf(4, 4));
  EXPECT_TRUE(node(4, 4)->cursorMark());
  EXPECT_FALSE(node(5, 5)->cursorMark());
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Left);  // wraps to the right edge
  for (int i = 0; i < 4; ++i) Key(Qt::Key_Down);  // and from the bottom to the top
  EXPECT_EQ(form->CursorCell(), IndexOf(8, 9));
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(form->CursorCell(), IndexOf(1, 9));

  // Mode None: Space places the selected digit, Delete empties the cell, as
  // the left and right buttons do, and both are logged the same way.
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);
  Key(Qt::Key_Left);  // (1, 2)
  SelectDigit(2);
  Key(Qt::Key_Space);
  EXPECT_EQ(cell(1, 2).digits, "2");
  EXPECT_EQ(LogSize(), 2u);
  Key(Qt::Key_Delete);
  EXPECT_EQ(cell(1, 2).state, CellState::Open);
  EXPECT_EQ(LogSize(), 3u);

  // Mode All: Return on a cell that shows the selected digit's candidate
  // places it, as a click on that candidate does.
  Key(Qt::Key_F2);
  SelectDigit(2);
  Key(Qt::Key_Return);
  EXPECT_EQ(cell(1, 2).state, CellState::Placed);

  // Ctrl+Z and Ctrl+Y step through the log like Back and Next Step.
  const std::string placed = BoardToStep(board());
  QTest::keyClick(form.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_NE(BoardToStep(board()), placed);
  QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(BoardToStep(board()), placed);
  QTest::keyClick(form.get(), Qt::Key_Y, Qt::ControlModifier);  // Next is disabled: nothing
  EXPECT_EQ(BoardToStep(board()), placed);
}

TEST_F(FormTest, ABoardKeyDoesNotAlsoPressTheFocusedControl) {
  Deal(SparseLine());
  form->rb_all->setFocus();
  Key(Qt::Key_Space);
  EXPECT_TRUE(form->rb_none->isChecked());
}

TEST_F(FormTest, CellsAndToolButtonsHaveScreenReaderNames) {
  Deal(LineWithBlanks({0, 1, 80}));
  EXPECT_EQ(AccessibleName(node(1, 3)), "A3、問題の数字 6");
  EXPECT_EQ(AccessibleName(node(1, 1)), "A1、候補 4");
  SelectDigit(4);
  LeftClick(1, 1);
  EXPECT_EQ(AccessibleName(node(1, 1)), "A1、記入 4");
  RightClick(1, 1);
  EXPECT_EQ(AccessibleName(node(1, 1)), "A1、空き");
  for (int i = 0; i < kCells; ++i) EXPECT_FALSE(AccessibleName(form->sd991->node(i)).isEmpty());
  // The names follow a change of language.
  ASSERT_TRUE(form->SetLanguage("en", false));
  EXPECT_EQ(AccessibleName(node(1, 3)), "A3, given 6");
  EXPECT_EQ(AccessibleName(form->btsolve), HintOf(form->btsolve));
}

TEST_F(FormTest, BoardKeysGoToTheBoardOnlyWhileItHasTheFocus) {
  Deal(LineWithBlanks({0, 1, 80}));
  EXPECT_TRUE(form->BoardHasFocus());  // a new game gives the board the focus
  form->cbautoupdate->setFocus();
  const std::size_t steps = LogSize();
  QTest::keyClick(form->cbautoupdate, Qt::Key_Space);
  EXPECT_FALSE(form->cbautoupdate->isChecked());  // Space toggled the box
  EXPECT_EQ(LogSize(), steps);                     // and placed nothing
  QTest::keyClick(form->cbautoupdate, Qt::Key_4);  // digits work anywhere
  EXPECT_EQ(form->game.SelectedDigit(), 4);
  LeftClick(9, 1);  // a click on the board gives it the focus
  EXPECT_TRUE(form->BoardHasFocus());
}

TEST_F(FormTest, TheFocusMovesWithTheCursorAndTheBoardIsOneTabStop) {
  // Focus changes reach the widgets of an active window only.
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  Deal(LineWithBlanks({0, 1, 80}));
  // The cursor's cell holds the focus, so a screen reader announces it.
  EXPECT_EQ(form->focusWidget(), node(5, 5));
  Key(Qt::Key_Right);
  Key(Qt::Key_Down);
  EXPECT_EQ(form->focusWidget(), node(6, 6));
  // A click on the board keeps the focus where it is: no second
  // announcement of the same cell.
  struct FocusCounter : QObject {
    int changes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      changes += e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut;
      return false;
    }
  } counter;
  node(6, 6)->installEventFilter(&counter);
  LeftClick(2, 2);
  EXPECT_EQ(counter.changes, 0);
  EXPECT_EQ(form->focusWidget(), node(6, 6));
  // Tab leaves the board for the next control, Shift+Tab comes back to the
  // cursor's cell, not to another cell.
  QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
  QWidget* after = form->focusWidget();
  ASSERT_NE(after, nullptr);
  EXPECT_FALSE(form->BoardHasFocus());
  QTest::keyClick(after, Qt::Key_Backtab);
  EXPECT_EQ(form->focusWidget(), node(6, 6));
  QTest::keyClick(form->focusWidget(), Qt::Key_Backtab);
  EXPECT_FALSE(form->BoardHasFocus());
  // Focus given back to the board lands on the cursor's cell.
  form->FocusBoard();
  EXPECT_EQ(form->focusWidget(), node(6, 6));
}
