#include <gtest/gtest.h>

#include <deque>
#include <set>

#include "core/Board.h"
#include "core/HolderToBoard.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"
#include "support/ScriptedRandom.h"

namespace {


const std::string kSolution = "426875913357291864819346257231687549574139628968452731742963185693518472185724396";

// The bank line of the bench puzzle: its clues and letters for the rest.
std::string BankLine() {
  const std::string puzzle = "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*";
  std::string line = kSolution;
  for (size_t i = 0; i < 81; ++i)
    if (puzzle[i] == '*') line[i] = static_cast<char>('A' + (kSolution[i] - '1'));
  return line;
}

bool ValidGrid(const std::string& g) {
  for (int u = 0; u < 9; ++u) {
    std::set<char> row, col, box;
    for (int k = 0; k < 9; ++k) {
      row.insert(g[static_cast<size_t>(u * 9 + k)]);
      col.insert(g[static_cast<size_t>(k * 9 + u)]);
      box.insert(g[static_cast<size_t>((u / 3 * 3 + k / 3) * 9 + u % 3 * 3 + k % 3)]);
    }
    if (row.size() != 9 || col.size() != 9 || box.size() != 9) return false;
  }
  return true;
}

int Clues(const TQJ& q) {
  int n = 0;
  for (int i = 0; i < kCells; ++i) n += q.node(i).isGiven ? 1 : 0;
  return n;
}

}  // namespace

TEST(Holder, GivensAndSolutionTexts) {
  TQJ q;
  EXPECT_EQ(q.node(2, 3).row, 2);
  EXPECT_EQ(q.node(2, 3).col, 3);
  q.SetGivens(" 5" + std::string(80, '0') + "\r\n");
  EXPECT_TRUE(q.node(1, 1).isGiven);
  EXPECT_EQ(q.node(1, 1).digit, 5);
  EXPECT_FALSE(q.node(1, 2).isGiven);
  EXPECT_EQ(q.GetSolution(), "");  // non-given nodes hold 0

  q.SetSolution(kSolution);
  EXPECT_EQ(q.GetSolution(), kSolution);
  EXPECT_TRUE(q.node(1, 1).isGiven);  // SetSolution keeps the flags

  // A 79-character text clears the digits and keeps every flag.
  q.SetGivens(std::string(79, '0'));
  EXPECT_TRUE(q.node(1, 1).isGiven);
  EXPECT_EQ(q.node(1, 1).digit, 0);
  q.SetSolution(kSolution);
  q.SetSolution(kSolution.substr(1));
  EXPECT_EQ(q.GetSolution(), "");
}

TEST(Holder, LoadBankLineKeepsPuzzleAndSolution) {
  ClockRandom random([] { return 42u; });
  TQJ q;
  ASSERT_TRUE(q.LoadBankLine(BankLine(), random));
  const std::string s = q.GetSolution();
  ASSERT_EQ(s.size(), 81u);
  EXPECT_TRUE(ValidGrid(s));
  EXPECT_EQ(Clues(q), 17);
  EXPECT_NE(s, kSolution);  // 200 passes disguise it

  // A fixed seed gives the same grid every time.
  TQJ again;
  again.LoadBankLine(BankLine(), random);
  EXPECT_EQ(again.GetSolution(), s);
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(again.node(i).isGiven, q.node(i).isGiven);

  // A short line fails on its first missing character.
  TQJ bad;
  EXPECT_FALSE(bad.LoadBankLine(BankLine().substr(0, 80), random));
  EXPECT_FALSE(bad.LoadBankLine("x" + BankLine().substr(1), random));
}

TEST(Holder, ShuffleDrawOrderAndTransformations) {
  TQJ q;
  {
    ScriptedRandom none;
    q.LoadBankLine(BankLine(), none);  // all draws 0: 200 swaps of columns 1 and 2
    EXPECT_EQ(none.draws, 600);
    EXPECT_EQ(none.reseeds, 1);
  }
  // Even count: columns 1 and 2 swapped back and forth, the original again.
  EXPECT_EQ(q.GetSolution(), kSolution);

  // t=2 (x=2,y=2 -> columns 5 and 6), then t=7 with a=b=9 (9 <-> 1).
  ScriptedRandom script({1, 1, 1, 6, 0, 0, 8, 8});
  q.Shuffle(2, script);
  EXPECT_EQ(script.draws, 3 + 5);
  std::string want = kSolution;
  for (int r = 0; r < 9; ++r) std::swap(want[static_cast<size_t>(r * 9 + 4)], want[static_cast<size_t>(r * 9 + 5)]);
  for (char& ch : want) ch = ch == '9' ? '1' : ch == '1' ? '9' : ch;
  EXPECT_EQ(q.GetSolution(), want);
  EXPECT_EQ(Clues(q), 17);

  // t=5 swaps rows inside band 2: x=1 gives y 2 or 3; a=b=4 swaps 4 and 5.
  ScriptedRandom rows({4, 0, 1, 6, 0, 0, 3, 3});
  const std::string before = q.GetSolution();
  q.Shuffle(2, rows);
  std::string w = before;
  for (int c = 0; c < 9; ++c) std::swap(w[static_cast<size_t>(3 * 9 + c)], w[static_cast<size_t>(5 * 9 + c)]);
  for (char& ch : w) ch = ch == '4' ? '5' : ch == '5' ? '4' : ch;
  EXPECT_EQ(q.GetSolution(), w);
  EXPECT_TRUE(ValidGrid(w));
  // A node keeps its position fields.
  EXPECT_EQ(q.node(4, 7).row, 4);
  EXPECT_EQ(q.node(4, 7).col, 7);

  ScriptedRandom zero;
  const std::string still = q.GetSolution();
  q.Shuffle(0, zero);
  EXPECT_EQ(zero.reseeds, 1);
  EXPECT_EQ(zero.draws, 0);
  EXPECT_EQ(q.GetSolution(), still);
}

TEST(Holder, ShuffledGridsStayValidAndUnique) {
  ClockRandom random;  // the clock seed: whatever it gives must stay valid
  for (int i = 0; i < 20; ++i) {
    TQJ q;
    ASSERT_TRUE(q.LoadBankLine(BankLine(), random));
    EXPECT_TRUE(ValidGrid(q.GetSolution()));
    EXPECT_EQ(Clues(q), 17);
  }
}

TEST(Holder, LoadBoardFromHolderWithAndWithoutCandidates) {
  ClockRandom random([] { return 7u; });
  TQJ q;
  ASSERT_TRUE(q.LoadBankLine(BankLine(), random));
  Board b;
  b.at(1, 1).isError = true;
  LoadBoardFromHolder(b, q, true);
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = b.cell(i);
    EXPECT_FALSE(c.isError);
    if (q.node(i).isGiven) {
      EXPECT_EQ(c.state, CellState::Given);
      EXPECT_EQ(c.digits, std::string(1, static_cast<char>('0' + q.node(i).digit)));
    } else {
      EXPECT_EQ(c.state, CellState::Open);
      EXPECT_EQ(c.digits, b.FreeDigits(c.row, c.col));  // free digits of the clues only
      EXPECT_NE(c.digits.find(static_cast<char>('0' + q.node(i).digit)), std::string::npos);
    }
  }
  // Without candidates the open cells keep what the caller put there.
  for (int i = 0; i < kCells; ++i) b.cell(i).digits = "9";
  LoadBoardFromHolder(b, q, false);
  for (int i = 0; i < kCells; ++i)
    if (!q.node(i).isGiven) { EXPECT_EQ(b.cell(i).digits, "9"); }
}
