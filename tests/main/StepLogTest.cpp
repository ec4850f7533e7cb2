#include <gtest/gtest.h>

#include "core/Board.h"
#include "main/StepLog.h"

namespace {

Board Sample() {
  Board b;
  for (int i = 0; i < kCells; ++i) {
    b.cell(i).state = CellState::Open;
    b.cell(i).digits = "";
  }
  b.at(1, 1) = Cell{1, 1, "5", false, CellState::Given};
  b.at(1, 2) = Cell{1, 2, "7", false, CellState::Placed};
  b.at(1, 3) = Cell{1, 3, "129", false, CellState::Open};
  b.at(9, 9) = Cell{9, 9, "123456789", false, CellState::Open};
  return b;
}

std::string Line(const std::string& first, const std::string& last) {
  std::string s = first;
  for (int i = 1; i < 80; ++i) s += ",3";
  return s + "," + last;
}

}  // namespace

TEST(StepFormat, EncodesEveryCellInReadingOrder) {
  const std::string line = BoardToStep(Sample());
  std::string want = "15,27,3129";
  for (int i = 3; i < 80; ++i) want += ",3";
  want += ",3123456789";
  EXPECT_EQ(line, want);
  EXPECT_NE(line.back(), ',');  // no separator after the last token
  Board all;
  for (int i = 0; i < kCells; ++i) all.cell(i) = Cell{RowOf(i), ColOf(i), "123456789", false, CellState::Open};
  EXPECT_EQ(BoardToStep(all).size(), 890u);  // the longest line
}

TEST(StepFormat, DecodesWhatItEncodesAndNothingElse) {
  Board b = Sample();
  b.at(1, 1).isError = true;
  Board c;
  ASSERT_TRUE(StepToBoard(c, BoardToStep(b)));
  EXPECT_EQ(BoardToStep(c), BoardToStep(b));
  EXPECT_FALSE(c.at(1, 1).isError);  // flags do not travel with a step
  EXPECT_EQ(c.at(1, 3).state, CellState::Open);
  EXPECT_EQ(c.at(1, 3).digits, "129");
  EXPECT_EQ(c.at(2, 5).digits, "");
}

TEST(StepFormat, TolerantSpellingsAndShortLines) {
  Board b;
  // Blanks after the commas and a CR LF end are removed.
  std::string spaced = "15";
  for (int i = 1; i < 81; ++i) spaced += ",  3" + std::to_string(i % 9 + 1);
  ASSERT_TRUE(StepToBoard(b, spaced + "\r\n"));
  EXPECT_EQ(b.at(1, 2).digits, "2");
  EXPECT_EQ(b.at(9, 9).digits, "9");
  // Fewer than 81 tokens: the last one fills the rest.
  ASSERT_TRUE(StepToBoard(b, "15,28,34"));
  EXPECT_EQ(b.at(1, 2).state, CellState::Placed);
  EXPECT_EQ(b.at(1, 3).digits, "4");
  EXPECT_EQ(b.at(9, 9).digits, "4");
  EXPECT_EQ(b.at(9, 9).state, CellState::Open);
  // Tokens after the 81st are ignored.
  ASSERT_TRUE(StepToBoard(b, Line("11", "22") + ",x,y"));
  EXPECT_EQ(b.at(9, 9).digits, "2");
}

TEST(StepFormat, BadTokensLeaveTheBoardAlone) {
  Board b = Sample();
  const std::string before = BoardToStep(b);
  for (const std::string& bad : {Line("15", "x"), Line("", "3"), std::string(), std::string("15,,3"),
                                 Line("95", "3"), Line("05", "3"), Line(" 15", "3")}) {
    EXPECT_FALSE(StepToBoard(b, bad)) << bad;
    EXPECT_EQ(BoardToStep(b), before);
  }
}

TEST(MoveLog, RecordsChangesAndDropsStepsAhead) {
  Board b = Sample();
  Tfrmstep log;
  log.ClearSteps(b);
  EXPECT_EQ(log.memostep, std::vector<std::string>{BoardToStep(b)});
  EXPECT_TRUE(log.IsAtFirst());
  EXPECT_TRUE(log.IsAtLast());

  log.RecordStep(b);  // nothing changed: nothing logged
  EXPECT_EQ(log.memostep.size(), 1u);

  for (int k = 1; k <= 4; ++k) {
    b.at(5, k) = Cell{5, k, std::to_string(k), false, CellState::Placed};
    log.RecordStep(b);
  }
  ASSERT_EQ(log.memostep.size(), 5u);
  EXPECT_EQ(log.StepIndex, 4);
  EXPECT_FALSE(log.IsAtFirst());

  // Two steps back, then a change: a four-line log ending with the new board.
  log.StepBack();
  log.StepBack();
  EXPECT_FALSE(log.IsAtLast());
  ASSERT_TRUE(StepToBoard(b, log.CurrentLine()));
  b.at(7, 7) = Cell{7, 7, "9", false, CellState::Placed};
  log.RecordStep(b);
  ASSERT_EQ(log.memostep.size(), 4u);
  EXPECT_EQ(log.memostep.back(), BoardToStep(b));
  EXPECT_TRUE(log.IsAtLast());

  // Showing a step and recording the same board adds nothing.
  log.StepFirst();
  ASSERT_TRUE(StepToBoard(b, log.CurrentLine()));
  log.RecordStep(b);
  EXPECT_EQ(log.memostep.size(), 4u);
  log.StepLast();
  EXPECT_EQ(log.StepIndex, 3);

  log.DropStepsAfter(1);
  EXPECT_EQ(log.memostep.size(), 2u);
  log.DropStepsAfter(5);
  EXPECT_EQ(log.memostep.size(), 2u);
}

TEST(StepFormat, LinesFromFilesMustHoldExactly81Cells) {
  Board b = Sample();
  const std::string before = BoardToStep(b);
  const std::string full = Line("15", "3129");
  const std::vector<std::pair<std::string, bool>> cases = {
      {full, true},
      {Line("15 ", " 3129"), true},                        // blanks around commas
      {full.substr(0, full.rfind(',')), false},            // 80 cells: never completed
      {full + ",3", false},                                // 82 cells
      {"15,28,34", false},                                 // what the lenient reader completes
      {full.substr(0, 100), false},
  };
  for (const auto& [line, ok] : cases) {
    b = Sample();
    EXPECT_EQ(StepToBoardStrict(b, line), ok) << line;
    EXPECT_EQ(BoardToStep(b), ok ? full : before) << line;
  }
}
