#include <gtest/gtest.h>

#include <deque>

#include "core/RandomSource.h"
#include "core/TQJ.h"
#include "core/Tfrm_sol.h"
#include "core/Tfrmtk.h"
#include "support/ScriptedRandom.h"

namespace {


const std::string kA = "4" + std::string(80, 'B');

// Three lines that differ in their first clue, so the pick is visible.
Tfrmtk ThreeLines() {
  std::vector<std::string> level;
  for (char first : {'1', '2', '3'}) {
    std::string line = kA;
    line[0] = first;
    level.push_back(line);
  }
  return Tfrmtk({level, {}, {}, {}, {}});
}

}  // namespace

TEST(Bank, EveryLineIncludingTheLastIsPickedByItsOwnDraw) {
  const Tfrmtk bank = ThreeLines();
  for (int draw = 0; draw < 3; ++draw) {
    ScriptedRandom r({draw});
    EXPECT_EQ(bank.PickLineNumber(0, r), draw + 1);
    EXPECT_EQ(r.draws, 1);
  }
}

TEST(Bank, PickReseedsTwiceAndLoadsTheLine) {
  const Tfrmtk bank = ThreeLines();
  ScriptedRandom r({1});  // line 2, then 200 shuffle passes of zero draws
  TQJ q;
  ASSERT_TRUE(PickBankPuzzle(bank, 0, q, r));
  EXPECT_EQ(r.reseeds, 2);
  EXPECT_TRUE(q.node(1, 1).isGiven);
  EXPECT_EQ(q.node(1, 2).digit, 2);  // column 1 and 2 swapped an even number of times
  EXPECT_EQ(q.node(1, 1).digit, 2);
  // Empty lists and unknown levels load nothing; a one-line list deals its line.
  EXPECT_FALSE(PickBankPuzzle(bank, 1, q, r));
  EXPECT_FALSE(PickBankPuzzle(bank, 5, q, r));
  EXPECT_TRUE(PickBankPuzzle(Tfrmtk({{kA}, {}, {}, {}, {}}), 0, q, r));
}

TEST(Bank, BuiltInLinesAreWellFormedUniquePuzzles) {
  const Tfrmtk bank;
  Tfrm_sol solver;
  for (int level = 0; level < Tfrmtk::kLevels; ++level) {
    ASSERT_GE(bank.list(level).size(), 2u) << "level " << level;
    for (const std::string& line : bank.list(level)) {
      ASSERT_EQ(line.size(), 81u);
      std::string puzzle, solution;
      for (char ch : line) {
        ASSERT_TRUE((ch >= '1' && ch <= '9') || (ch >= 'A' && ch <= 'I')) << line;
        const bool clue = ch <= '9';
        puzzle += clue ? ch : '*';
        solution += clue ? ch : static_cast<char>('1' + (ch - 'A'));
      }
      const auto r = solver.CountSolutions(puzzle);
      EXPECT_EQ(r.result, SolutionCount::One) << line;
      EXPECT_EQ(r.first, solution) << line;
    }
  }
}
