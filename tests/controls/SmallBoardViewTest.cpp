// The small edit board: layout, typing filter, conflict colours.

#include <gtest/gtest.h>

#include <QTest>

#include "controls/TSD33.h"

namespace {

TEST(SmallBoardView, LayoutAndColours) {
  TSD33 b;
  EXPECT_EQ(b.size(), QSize(442, 442));
  b.setwidth2(400);  // w = h = 44
  EXPECT_EQ(b.size(), QSize(400, 400));
  EXPECT_EQ(b.node(1, 1)->geometry(), QRect(1, 1, 43, 43));
  EXPECT_EQ(b.node(1, 3)->geometry(), QRect(89, 1, 41, 43));
  EXPECT_EQ(b.node(3, 6)->geometry(), QRect(221, 89, 41, 41));
  EXPECT_EQ(b.node(4, 4)->geometry(), QRect(133, 133, 43, 43));
  EXPECT_EQ(b.node(9, 9)->geometry(), QRect(353, 353, 43, 43));
  EXPECT_EQ(b.node(1, 1)->background(), 0xFFFFFFu);
  EXPECT_EQ(b.node(1, 4)->background(), 16759739u);
  EXPECT_EQ(b.node(1, 1)->maxLength(), 9);
  EXPECT_EQ(b.node(1, 1)->alignment(), Qt::AlignCenter);
  EXPECT_EQ(b.node(1, 1)->focusPolicy(), Qt::ClickFocus);

  b.model().at(1, 1) = {"7", 1, false};
  b.model().at(1, 2) = {"8", 2, false};
  b.model().at(1, 3) = {"123", 3, false};
  b.ShowModel();
  EXPECT_EQ(b.node(1, 1)->text(), "7");
  EXPECT_TRUE(b.node(1, 1)->isReadOnly());
  EXPECT_EQ(b.node(1, 1)->fontSizePoints(), 25);
  EXPECT_EQ(b.node(1, 1)->fontColor(), 0u);
  EXPECT_FALSE(b.node(1, 2)->isReadOnly());
  EXPECT_EQ(b.node(1, 2)->fontColor(), kClBlue);
  BoardLook look = b.look();
  look.FONTSize3 = 9;
  b.setLook(look);
  b.LayoutCells();
  EXPECT_EQ(b.node(1, 3)->fontSizePoints(), 9);
  EXPECT_EQ(b.node(1, 3)->font().pixelSize(), 12);
}

TEST(SmallBoardView, TypingAcceptsDigitsDotAndBackspaceOnly) {
  TSD33 b;
  TSD33Node* c = b.node(2, 2);
  QTest::keyClicks(c, "a");
  EXPECT_EQ(c->text(), "");
  EXPECT_EQ(b.model().at(2, 2).text, "");
  QTest::keyClicks(c, "0 x-5");
  EXPECT_EQ(c->text(), "5");
  EXPECT_EQ(b.model().at(2, 2).text, "5");
  QTest::keyClicks(c, ".9");
  EXPECT_EQ(b.model().at(2, 2).text, "5.9");
  QTest::keyClick(c, Qt::Key_Backspace);
  EXPECT_EQ(b.model().at(2, 2).text, "5.");
  QTest::keyClicks(c, "12345678");  // nine characters at most
  EXPECT_EQ(b.model().at(2, 2).text, "5.1234567");
}

TEST(SmallBoardView, TypingMarksConflictsAndRecolours) {
  TSD33 b;
  // Two 5s in box 1, in different rows and columns.
  QTest::keyClicks(b.node(1, 1), "5");
  EXPECT_EQ(b.node(1, 1)->background(), 0xFFFFFFu);
  QTest::keyClicks(b.node(2, 3), "5");
  EXPECT_TRUE(b.model().at(1, 1).isError);
  EXPECT_TRUE(b.model().at(2, 3).isError);
  EXPECT_EQ(b.node(1, 1)->background(), TSD33::kErrorColour);
  EXPECT_EQ(b.node(2, 3)->background(), TSD33::kErrorColour);
  EXPECT_FALSE(b.DuplicateFree());
  // Taking one back clears both.
  QTest::keyClick(b.node(2, 3), Qt::Key_Backspace);
  EXPECT_FALSE(b.model().at(1, 1).isError);
  EXPECT_EQ(b.node(1, 1)->background(), 0xFFFFFFu);
  EXPECT_TRUE(b.DuplicateFree());

  // All nine candidates in two cells of one row is no conflict.
  b.setCellText(5, 1, "123456789");
  b.setCellText(5, 9, "123456789");
  EXPECT_FALSE(b.model().HasConflict());
  EXPECT_TRUE(b.DuplicateFree());
  // One character: the font for values; more: the font for candidates.
  EXPECT_EQ(b.node(1, 1)->fontSizePoints(), b.look().FONTSize2);
  EXPECT_EQ(b.node(5, 1)->fontSizePoints(), b.look().FONTSize3);

  b.Clear();
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) EXPECT_EQ(b.node(r, c)->text(), "");
}

}  // namespace
