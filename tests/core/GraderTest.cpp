#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "core/Coordinates.h"
#include "core/Generator.h"
#include "core/Grader.h"

namespace {

int C(int row, int col) { return IndexOf(row, col); }

std::vector<int> Row(int r) {
  std::vector<int> v;
  for (int c = 1; c <= 9; ++c) v.push_back(C(r, c));
  return v;
}
std::vector<int> Col(int c) {
  std::vector<int> v;
  for (int r = 1; r <= 9; ++r) v.push_back(C(r, c));
  return v;
}
std::vector<int> Box(int b) {
  std::vector<int> v;
  for (int k = 0; k < 9; ++k) v.push_back(C(3 * ((b - 1) / 3) + k / 3 + 1, 3 * ((b - 1) % 3) + k % 3 + 1));
  return v;
}

// Leaves digit d in the unit only in the cells named.
void Confine(GradeBoard& b, int d, const std::vector<int>& unit, std::initializer_list<int> keep) {
  for (int c : unit)
    if (std::find(keep.begin(), keep.end(), c) == keep.end()) b.Eliminate(c, d);
}

unsigned Mask(std::initializer_list<int> digits) {
  unsigned m = 0;
  for (int d : digits) m |= 1u << (d - 1);
  return m;
}

std::vector<CellDigit> Sorted(std::vector<CellDigit> v) {
  std::sort(v.begin(), v.end(), [](const CellDigit& a, const CellDigit& b) {
    return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit;
  });
  return v;
}

// Every cell of the list losing digit d.
std::vector<CellDigit> Lose(int d, std::initializer_list<int> cells) {
  std::vector<CellDigit> v;
  for (int c : cells) v.push_back({c, d});
  return Sorted(v);
}

struct Found {
  bool found;
  std::vector<CellDigit> placements;
  std::vector<CellDigit> eliminations;
};

Found Find(Technique t, const GradeBoard& b) {
  GradeStep step;
  const bool found = FindStep(t, b, step);
  EXPECT_TRUE(!found || step.technique == t);
  return {found, Sorted(step.placements), Sorted(step.eliminations)};
}

Grid GridOf(const std::string& text) {
  Grid g{};
  for (size_t i = 0; i < 81; ++i) g[i] = text[i] >= '1' && text[i] <= '9' ? static_cast<std::uint8_t>(text[i] - '0') : 0;
  return g;
}

}  // namespace

TEST(Grader, SinglesFromGivens) {
  bool ok = false;
  // Row 1 lacks only 9; (5,5) sees 1..8; 7 fits box 1 only at (1,3).
  Grid g = GridOf("12345678." + std::string(72, '.'));
  Found f = Find(Technique::FullHouse, GradeBoard::FromGivens(g, &ok));
  EXPECT_TRUE(ok);
  EXPECT_EQ(f.placements, (std::vector<CellDigit>{{C(1, 9), 9}}));

  g = Grid{};
  g[C(5, 1)] = 1, g[C(5, 2)] = 2, g[C(5, 3)] = 3, g[C(5, 4)] = 4;
  g[C(1, 5)] = 5, g[C(2, 5)] = 6, g[C(3, 5)] = 7, g[C(4, 6)] = 8;
  f = Find(Technique::NakedSingle, GradeBoard::FromGivens(g, &ok));
  EXPECT_EQ(f.placements, (std::vector<CellDigit>{{C(5, 5), 9}}));
  EXPECT_FALSE(Find(Technique::FullHouse, GradeBoard::FromGivens(g, &ok)).found);

  g = Grid{};
  g[C(2, 5)] = 7, g[C(3, 8)] = 7, g[C(5, 1)] = 7, g[C(8, 2)] = 7;
  f = Find(Technique::HiddenSingle, GradeBoard::FromGivens(g, &ok));
  EXPECT_EQ(f.placements, (std::vector<CellDigit>{{C(1, 3), 7}}));
  EXPECT_FALSE(Find(Technique::NakedSingle, GradeBoard::FromGivens(g, &ok)).found);

  // Clashing givens are reported.
  g = Grid{};
  g[C(1, 1)] = 4, g[C(9, 1)] = 4;
  GradeBoard::FromGivens(g, &ok);
  EXPECT_FALSE(ok);
}

TEST(Grader, LockedCandidatesAndSubsets) {
  GradeBoard b;
  Confine(b, 5, Box(1), {C(1, 1), C(1, 2)});
  Found f = Find(Technique::Pointing, b);
  EXPECT_EQ(f.eliminations, Lose(5, {C(1, 4), C(1, 5), C(1, 6), C(1, 7), C(1, 8), C(1, 9)}));
  EXPECT_FALSE(Find(Technique::Claiming, b).found);

  b = GradeBoard();
  Confine(b, 7, Row(5), {C(5, 4), C(5, 6)});
  f = Find(Technique::Claiming, b);
  EXPECT_EQ(f.eliminations, Lose(7, {C(4, 4), C(4, 5), C(4, 6), C(6, 4), C(6, 5), C(6, 6)}));

  b = GradeBoard();
  b.SetCandidates(C(3, 2), Mask({1, 4}));
  b.SetCandidates(C(3, 7), Mask({1, 4}));
  f = Find(Technique::NakedPair, b);
  std::vector<CellDigit> expected;
  for (int c : {1, 3, 4, 5, 6, 8, 9})
    for (int d : {1, 4}) expected.push_back({C(3, c), d});
  EXPECT_EQ(f.eliminations, expected);

  b = GradeBoard();
  b.SetCandidates(C(1, 1), Mask({1, 2}));
  b.SetCandidates(C(1, 5), Mask({2, 3}));
  b.SetCandidates(C(1, 9), Mask({1, 3}));
  EXPECT_FALSE(Find(Technique::NakedPair, b).found);
  f = Find(Technique::NakedTriple, b);
  expected.clear();
  for (int c : {2, 3, 4, 6, 7, 8})
    for (int d : {1, 2, 3}) expected.push_back({C(1, c), d});
  EXPECT_EQ(f.eliminations, expected);

  b = GradeBoard();
  Confine(b, 2, Box(9), {C(7, 7), C(9, 9)});
  Confine(b, 8, Box(9), {C(7, 7), C(9, 9)});
  f = Find(Technique::HiddenPair, b);
  expected.clear();
  for (int c : {C(7, 7), C(9, 9)})
    for (int d : {1, 3, 4, 5, 6, 7, 9}) expected.push_back({c, d});
  EXPECT_EQ(f.eliminations, expected);
  EXPECT_FALSE(Find(Technique::HiddenTriple, GradeBoard()).found);
}

TEST(Grader, Fish) {
  GradeBoard b;
  Confine(b, 4, Row(2), {C(2, 3), C(2, 8)});
  Confine(b, 4, Row(6), {C(6, 3), C(6, 8)});
  Found f = Find(Technique::XWing, b);
  std::vector<CellDigit> expected;
  for (int r : {1, 3, 4, 5, 7, 8, 9})
    for (int c : {3, 8}) expected.push_back({C(r, c), 4});
  EXPECT_EQ(f.eliminations, Sorted(expected));

  b = GradeBoard();
  Confine(b, 9, Row(1), {C(1, 2), C(1, 5)});
  Confine(b, 9, Row(5), {C(5, 5), C(5, 8)});
  Confine(b, 9, Row(9), {C(9, 2), C(9, 8)});
  EXPECT_FALSE(Find(Technique::XWing, b).found);
  f = Find(Technique::Swordfish, b);
  expected.clear();
  for (int r : {2, 3, 4, 6, 7, 8})
    for (int c : {2, 5, 8}) expected.push_back({C(r, c), 9});
  EXPECT_EQ(f.eliminations, Sorted(expected));

  b = GradeBoard();
  Confine(b, 6, Row(1), {C(1, 1), C(1, 3)});
  Confine(b, 6, Row(3), {C(3, 3), C(3, 5)});
  Confine(b, 6, Row(5), {C(5, 5), C(5, 7)});
  Confine(b, 6, Row(7), {C(7, 7), C(7, 1)});
  EXPECT_FALSE(Find(Technique::Swordfish, b).found);
  f = Find(Technique::Jellyfish, b);
  expected.clear();
  for (int r : {2, 4, 6, 8, 9})
    for (int c : {1, 3, 5, 7}) expected.push_back({C(r, c), 6});
  EXPECT_EQ(f.eliminations, Sorted(expected));
}

TEST(Grader, SingleDigitPatterns) {
  // Skyscraper: rows 1 and 5 share column 2; roofs (1,4) and (5,6).
  GradeBoard b;
  Confine(b, 3, Row(1), {C(1, 2), C(1, 4)});
  Confine(b, 3, Row(5), {C(5, 2), C(5, 6)});
  EXPECT_EQ(Find(Technique::Skyscraper, b).eliminations, Lose(3, {C(2, 6), C(3, 6), C(4, 4), C(6, 4)}));

  // Two-string kite: row 2 and column 3 joined in box 1.
  b = GradeBoard();
  Confine(b, 5, Row(2), {C(2, 2), C(2, 7)});
  Confine(b, 5, Col(3), {C(1, 3), C(6, 3)});
  EXPECT_FALSE(Find(Technique::Skyscraper, b).found);
  EXPECT_EQ(Find(Technique::TwoStringKite, b).eliminations, Lose(5, {C(6, 7)}));

  // Colour trap: (1,1) (6,5) one colour, (1,5) (4,6) the other.
  b = GradeBoard();
  Confine(b, 2, Row(1), {C(1, 1), C(1, 5)});
  Confine(b, 2, Col(5), {C(1, 5), C(6, 5)});
  Confine(b, 2, Box(5), {C(6, 5), C(4, 6)});
  EXPECT_EQ(Find(Technique::SimpleColouring, b).eliminations, Lose(2, {C(4, 1)}));

  // Colour wrap: (1,1) and (2,2) share box 1 and a colour, so that colour is false.
  b = GradeBoard();
  Confine(b, 2, Col(1), {C(1, 1), C(2, 1)});
  Confine(b, 2, Row(2), {C(2, 1), C(2, 2)});
  EXPECT_EQ(Find(Technique::SimpleColouring, b).eliminations, Lose(2, {C(1, 1), C(2, 2)}));
}

TEST(Grader, Wings) {
  GradeBoard b;
  b.SetCandidates(C(5, 5), Mask({1, 2}));
  b.SetCandidates(C(5, 1), Mask({1, 3}));
  b.SetCandidates(C(1, 5), Mask({2, 3}));
  EXPECT_EQ(Find(Technique::XYWing, b).eliminations, Lose(3, {C(1, 1)}));
  EXPECT_FALSE(Find(Technique::XYZWing, b).found);

  b = GradeBoard();
  b.SetCandidates(C(5, 5), Mask({1, 2, 3}));
  b.SetCandidates(C(5, 4), Mask({1, 3}));
  b.SetCandidates(C(1, 5), Mask({2, 3}));
  EXPECT_EQ(Find(Technique::XYZWing, b).eliminations, Lose(3, {C(4, 5), C(6, 5)}));

  // W-wing: two {4,7} cells bridged by column 5's only two places of 4.
  b = GradeBoard();
  b.SetCandidates(C(1, 1), Mask({4, 7}));
  b.SetCandidates(C(5, 9), Mask({4, 7}));
  Confine(b, 4, Col(5), {C(1, 5), C(5, 5)});
  EXPECT_EQ(Find(Technique::WWing, b).eliminations, Lose(7, {C(1, 9), C(5, 1)}));
}

TEST(Grader, Chains) {
  // Remote pairs: (1,1)-(1,4)-(3,6)-(8,6), all {3,6}; (8,1) sees both ends.
  // The cells that see two neighbours of the chain are already cleared, as
  // a naked pair would have cleared them.
  GradeBoard b;
  for (int c : {C(1, 1), C(1, 4), C(3, 6), C(8, 6)}) b.SetCandidates(c, Mask({3, 6}));
  for (int d : {3, 6}) {
    Confine(b, d, Row(1), {C(1, 1), C(1, 4)});
    Confine(b, d, Box(2), {C(1, 4), C(3, 6)});
    Confine(b, d, Col(6), {C(3, 6), C(8, 6)});
  }
  EXPECT_EQ(Find(Technique::RemotePairs, b).eliminations, (std::vector<CellDigit>{{C(8, 1), 3}, {C(8, 1), 6}}));

  // X-chain of five links on 1 through columns 2, 5 and 8: (2,2) or (3,8).
  b = GradeBoard();
  Confine(b, 1, Col(2), {C(2, 2), C(6, 2)});
  Confine(b, 1, Col(5), {C(6, 5), C(9, 5)});
  Confine(b, 1, Col(8), {C(9, 8), C(3, 8)});
  EXPECT_FALSE(Find(Technique::Skyscraper, b).found);
  EXPECT_FALSE(Find(Technique::XCycle, b).found);
  EXPECT_EQ(Find(Technique::XChain, b).eliminations, Lose(1, {C(2, 7), C(2, 9), C(3, 1), C(3, 3)}));

  // A closed loop (columns 2 and 5, rows 2 and 6): its weak links in rows 2
  // and 6 each hold the digit once.
  b = GradeBoard();
  Confine(b, 1, Col(2), {C(2, 2), C(6, 2)});
  Confine(b, 1, Col(5), {C(2, 5), C(6, 5)});
  std::vector<CellDigit> expected;
  for (int r : {2, 6})
    for (int c : {1, 3, 4, 6, 7, 8, 9}) expected.push_back({C(r, c), 1});
  Found f = Find(Technique::XCycle, b);
  EXPECT_TRUE(f.placements.empty());
  EXPECT_EQ(f.eliminations, Sorted(expected));

  // A loop that comes back to its start by a strong link proves the start:
  // (2,2) off -> (2,8) on -> (7,8) off -> (7,3) on -> (8,2) off -> (2,2) on.
  b = GradeBoard();
  Confine(b, 1, Row(2), {C(2, 2), C(2, 8)});
  Confine(b, 1, Row(7), {C(7, 8), C(7, 3)});
  Confine(b, 1, Col(2), {C(2, 2), C(8, 2)});
  f = Find(Technique::XCycle, b);
  EXPECT_EQ(f.placements, (std::vector<CellDigit>{{C(2, 2), 1}}));
  EXPECT_TRUE(f.eliminations.empty());

  // XY-chain (1,1){1,2} (1,5){2,3} (5,5){3,4} (5,9){4,1}: one end holds 1.
  b = GradeBoard();
  b.SetCandidates(C(1, 1), Mask({1, 2}));
  b.SetCandidates(C(1, 5), Mask({2, 3}));
  b.SetCandidates(C(5, 5), Mask({3, 4}));
  b.SetCandidates(C(5, 9), Mask({4, 1}));
  EXPECT_FALSE(Find(Technique::XYWing, b).found);
  EXPECT_FALSE(Find(Technique::RemotePairs, b).found);
  EXPECT_EQ(Find(Technique::XYChain, b).eliminations, Lose(1, {C(1, 9), C(5, 1)}));

  // A mixed chain: 5 in row 1, inside (1,6), 7 in column 6, inside (6,6),
  // 2 in row 6. Either (1,1) is 5 or (6,1) is 2, and they share column 1.
  b = GradeBoard();
  Confine(b, 5, Row(1), {C(1, 1), C(1, 6)});
  Confine(b, 7, Col(6), {C(1, 6), C(6, 6)});
  Confine(b, 2, Row(6), {C(6, 6), C(6, 1)});
  b.SetCandidates(C(1, 6), Mask({5, 7}));
  b.SetCandidates(C(6, 6), Mask({7, 2}));
  EXPECT_FALSE(Find(Technique::XChain, b).found);
  EXPECT_FALSE(Find(Technique::XYChain, b).found);
  EXPECT_EQ(Find(Technique::AlternatingInferenceChain, b).eliminations,
            (std::vector<CellDigit>{{C(1, 1), 2}, {C(6, 1), 5}}));
}

TEST(Grader, TechniqueTable) {
  EXPECT_EQ(kTechniqueCount, 25);
  EXPECT_STREQ(TechniqueName(Technique::FullHouse), "Full House");
  EXPECT_STREQ(TechniqueName(Technique::AlternatingInferenceChain), "Alternating Inference Chain");
  // Each level's techniques come after every easier level's.
  int last = 1;
  for (int i = 0; i < kTechniqueCount; ++i) {
    const int level = TechniqueLevel(static_cast<Technique>(i));
    EXPECT_GE(level, last) << TechniqueName(static_cast<Technique>(i));
    last = level;
  }
  EXPECT_EQ(TechniqueLevel(Technique::HiddenSingle), 1);
  EXPECT_EQ(TechniqueLevel(Technique::Pointing), 2);
  EXPECT_EQ(TechniqueLevel(Technique::HiddenTriple), 2);
  EXPECT_EQ(TechniqueLevel(Technique::NakedQuad), 3);
  EXPECT_EQ(TechniqueLevel(Technique::SimpleColouring), 3);
  EXPECT_EQ(TechniqueLevel(Technique::Jellyfish), 4);
}

// Over many generated puzzles of every kind, no step may place a wrong digit
// or remove the solution's digit, and a finished grade ends on the solution.
TEST(Grader, EveryStepAgreesWithTheSolution) {
  int graded = 0, solved = 0;
  std::vector<int> uses(kTechniqueCount, 0);
  for (std::uint64_t i = 0; i < 150; ++i) {
    const Candidate c = MakeCandidate(2 + static_cast<int>(i % 3), 1234, i);
    std::vector<GradeStep> log;
    const GradeResult r = Grade(c.puzzle, 4, &log);
    ASSERT_EQ(r.steps, static_cast<int>(log.size()));
    bool ok = false;
    GradeBoard board = GradeBoard::FromGivens(c.puzzle, &ok);
    ASSERT_TRUE(ok);
    for (const GradeStep& step : log) {
      ++uses[static_cast<size_t>(step.technique)];
      for (const CellDigit& p : step.placements)
        ASSERT_EQ(c.solution[static_cast<size_t>(p.cell)], p.digit) << TechniqueName(step.technique) << " puzzle " << i;
      for (const CellDigit& e : step.eliminations) {
        ASSERT_NE(c.solution[static_cast<size_t>(e.cell)], e.digit) << TechniqueName(step.technique) << " puzzle " << i;
        ASSERT_TRUE(board.has(e.cell, e.digit)) << "a step removes only candidates that are there";
      }
      ApplyStep(step, board);
    }
    ++graded;
    if (r.outcome == GradeResult::Outcome::Solved) {
      ++solved;
      for (int cell = 0; cell < 81; ++cell) ASSERT_EQ(board.value(cell), c.solution[static_cast<size_t>(cell)]);
    } else {
      EXPECT_EQ(r.outcome, GradeResult::Outcome::Stuck);
    }
  }
  EXPECT_GT(solved, graded / 2);
  // The sample reaches beyond the singles into every level.
  EXPECT_GT(uses[static_cast<size_t>(Technique::Pointing)], 0);
  EXPECT_GT(uses[static_cast<size_t>(Technique::XYChain)] + uses[static_cast<size_t>(Technique::AlternatingInferenceChain)], 0);
}

TEST(Grader, LevelsOutcomesAndLimits) {
  const Candidate gentle = MakeCandidate(1, 5, 0);
  GradeResult r = Grade(gentle.puzzle);
  ASSERT_EQ(r.outcome, GradeResult::Outcome::Solved);
  EXPECT_EQ(r.level, 1);
  EXPECT_LE(r.hardest, static_cast<int>(Technique::HiddenSingle));
  EXPECT_TRUE(SolvesWithSinglesOnly(gentle.puzzle));

  // The same puzzle with clues added up to 41 is Very Easy; at 40 it is not.
  Grid more = gentle.puzzle;
  int clues = r.clues;
  for (size_t i = 0; i < 81 && clues < 41; ++i)
    if (!more[i]) more[i] = gentle.solution[i], ++clues;
  EXPECT_EQ(Grade(more).level, 0);
  for (size_t i = 81; i-- > 0;)
    if (more[i] && !gentle.puzzle[i]) {
      more[i] = 0;
      break;
    }
  EXPECT_EQ(Grade(more).level, 1);
  EXPECT_EQ(Grade(gentle.solution).level, 0);
  EXPECT_EQ(Grade(gentle.solution).hardest, -1);

  // A puzzle that needs more than singles is stuck when held to singles.
  std::uint64_t i = 0;
  Candidate hard;
  do hard = MakeCandidate(4, 5, i++);
  while (!hard.fits);
  EXPECT_EQ(Grade(hard.puzzle).level, 4);
  EXPECT_EQ(Grade(hard.puzzle, 3).outcome, GradeResult::Outcome::Stuck);
  EXPECT_EQ(Grade(hard.puzzle, 1).outcome, GradeResult::Outcome::Stuck);
  EXPECT_FALSE(SolvesWithSinglesOnly(hard.puzzle));

  // Two solutions (an unavoidable rectangle left open) cannot be finished by
  // logic; clashing givens have no solution.
  Grid two = gentle.solution;
  bool foundRectangle = false;
  for (int r1 = 0; r1 < 9 && !foundRectangle; ++r1)
    for (int r2 = r1 + 1; r2 < 9 && r2 / 3 == r1 / 3 && !foundRectangle; ++r2)
      for (int c1 = 0; c1 < 9 && !foundRectangle; ++c1)
        for (int c2 = c1 + 1; c2 < 9 && !foundRectangle; ++c2) {
          const auto at = [&](int rr, int cc) { return two[static_cast<size_t>(rr * 9 + cc)]; };
          if (at(r1, c1) == at(r2, c2) && at(r1, c2) == at(r2, c1)) {
            for (int x : {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2}) two[static_cast<size_t>(x)] = 0;
            foundRectangle = true;
          }
        }
  ASSERT_TRUE(foundRectangle);
  EXPECT_EQ(FastSolver::CountUpTo(two, 3), 2);
  EXPECT_EQ(Grade(two).outcome, GradeResult::Outcome::Stuck);
  Grid clash{};
  clash[0] = 3;
  clash[80] = 3;
  clash[8] = 3;
  EXPECT_EQ(Grade(clash).outcome, GradeResult::Outcome::Invalid);
  EXPECT_EQ(Grade(clash).level, -1);
}

TEST(Grader, SinglesShortcutAgreesWithTheGrader) {
  for (std::uint64_t i = 0; i < 60; ++i) {
    const Candidate c = MakeCandidate(2, 77, i);
    EXPECT_EQ(SolvesWithSinglesOnly(c.puzzle), Grade(c.puzzle, 1).outcome == GradeResult::Outcome::Solved) << i;
  }
}
