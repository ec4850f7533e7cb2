#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/DocumentedEngine.h"
#include "core/Tfrm_sol.h"
#include "support/PuzzleFactory.h"

namespace {

const std::string kTest = Tfrm_sol::kTestPuzzle;
const std::string kTestSolution =
    "426875913357291864819346257231687549574139628968452731742963185693518472185724396";

void ExpectSameCount(Tfrm_sol& fast, Tfrm_sol& oracle, const std::string& p) {
  const auto want = DocumentedCountSolutions(oracle, p);
  const auto got = fast.CountSolutions(p);
  ASSERT_EQ(got.result, want.result) << p;
  if (want.result != 1) EXPECT_EQ(got.first, want.first) << p;
  if (want.result == 2) EXPECT_EQ(got.other, want.other) << p;
}

void ExpectSameSolve(Tfrm_sol& fast, Tfrm_sol& oracle, const std::string& p) {
  const auto want = DocumentedSolveFromText(oracle, p);
  const auto got = fast.SolveFromText(p);
  EXPECT_EQ(got.status, want.status) << p;
  EXPECT_EQ(got.text, want.text) << p;
  // Both leave the solver grid holding the result.
  EXPECT_EQ(fast.GridText(), oracle.GridText()) << p;
}

}  // namespace

TEST(SolverGolden, BenchPuzzleSolvesAndIsUnique) {
  Tfrm_sol s;
  EXPECT_EQ(s.Edit1, "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*");
  const auto r = s.SolveFromText(kTest);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.text, kTestSolution);
  const auto c = s.CountSolutions(kTest);
  EXPECT_EQ(c.result, 0);
  EXPECT_EQ(c.first, kTestSolution);
}

TEST(SolverGolden, AllBlankGivesTheSmallestGrid) {
  Tfrm_sol s;
  const auto r = s.SolveFromText(std::string(81, '*'));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.text, "123456789456789123789123456214365897365897214897214365531642978642978531978531642");
  EXPECT_EQ(s.CountSolutions(std::string(81, '*')).result, 2);
}

TEST(SolverGolden, FullGridIsReportedNotSolved) {
  Tfrm_sol s;
  const auto r = s.SolveFromText(kTestSolution);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.text, kTestSolution);
  EXPECT_EQ(s.CountSolutions(kTestSolution).result, 1);
}

TEST(SolverGolden, ClashingGivensCountAsNoSolution) {
  Tfrm_sol s;
  std::string row = kTest;
  row[0] = '3';  // a second 3 in row 1
  EXPECT_EQ(s.CountSolutions(row).result, 1);
  std::string col = std::string(81, '*');
  col[4] = '6';
  col[76] = '6';  // column 5
  EXPECT_EQ(s.CountSolutions(col).result, 1);
  std::string box = std::string(81, '*');
  box[0] = '5';
  box[20] = '5';  // box 1, different row and column
  EXPECT_FALSE(s.SetTableAndCheck(box));
  EXPECT_EQ(s.CountSolutions(box).result, 1);
}

TEST(SolverGolden, RemovingTheNinthGivenGivesTwoSolutions) {
  Tfrm_sol s;
  std::string p = kTest;
  p[8] = '*';
  const auto c = s.CountSolutions(p);
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(c.first, "316457289457289136829631457231874965574196328968325714792563841643918572185742693");
  EXPECT_EQ(c.other, "456871239317259468829634157531427986794186325268395714942563871673918542185742693");
}

TEST(SolverGolden, BlankWithoutCandidateIsUnsolvable) {
  // Row 1 holds 1..8 and column 9 holds the 9: cell (1,9) has no candidate.
  std::string p(81, '*');
  const std::string row = "12345678";
  std::copy(row.begin(), row.end(), p.begin());
  p[80] = '9';
  Tfrm_sol s;
  EXPECT_TRUE(s.SetTableAndCheck(p));
  const auto r = s.SolveFromText(p);
  EXPECT_EQ(r.status, 1);
  std::string echo = p;
  std::replace(echo.begin(), echo.end(), '*', '0');
  EXPECT_EQ(r.text, echo);
  EXPECT_EQ(s.CountSolutions(p).result, 1);
}

TEST(SolverGolden, OracleAgreesWithTheGoldenValues) {
  // The oracle itself must reproduce the documented answers.
  Tfrm_sol o;
  EXPECT_EQ(DocumentedSolveFromText(o, kTest).text, kTestSolution);
  std::string p = kTest;
  p[8] = '*';
  const auto c = DocumentedCountSolutions(o, p);
  EXPECT_EQ(c.result, 2);
  EXPECT_EQ(c.other, "456871239317259468829634157531427986794186325268395714942563871673918542185742693");
}

TEST(SolverGolden, SetTableTreatsZeroAndStarAsBlank) {
  Tfrm_sol s;
  std::string p(81, '0');
  p[0] = '4';
  p[1] = '*';
  EXPECT_TRUE(s.SetTableAndCheck(p));
  EXPECT_EQ(s.so.at(1, 1).text, "4");
  EXPECT_EQ(s.so.at(1, 1).kind, 2);
  EXPECT_EQ(s.so.at(1, 2).text, "123456789");
  EXPECT_EQ(s.so.at(1, 2).kind, 3);
  EXPECT_EQ(s.Edit1, p);
}

// The fast engine against the documented one, on many generated inputs.
TEST(SolverProperty, CountMatchesTheOrderedSearch) {
  PuzzleFactory f(20261208);
  Tfrm_sol fast, oracle;
  for (int i = 0; i < 40; ++i) {
    const std::string grid = f.Grid();
    ExpectSameCount(fast, oracle, f.Unique(grid, 24 + f.Below(12)));  // one solution
    ExpectSameCount(fast, oracle, f.Mask(grid, 27 + f.Below(12)));    // usually several
    // A wrong digit that clashes with no given: usually no solution.
    std::string p = f.Mask(grid, 38 + f.Below(10));
    for (int pos = 0; pos < 81; ++pos) {
      if (p[static_cast<size_t>(pos)] != '*') continue;
      for (char d = '1'; d <= '9'; ++d) {
        if (d == grid[static_cast<size_t>(pos)]) continue;
        std::string q = p;
        q[static_cast<size_t>(pos)] = d;
        if (!fast.SetTableAndCheck(q)) continue;
        ExpectSameCount(fast, oracle, q);
        pos = 81;
        break;
      }
    }
    // Clashing givens.
    std::string c = f.Mask(grid, 30);
    c[0] = c[1] = '7';
    ExpectSameCount(fast, oracle, c);
  }
}

TEST(SolverProperty, SolveMatchesTheOrderedSearch) {
  PuzzleFactory f(77);
  Tfrm_sol fast, oracle;
  for (int i = 0; i < 40; ++i) {
    const std::string grid = f.Grid();
    ExpectSameSolve(fast, oracle, f.Unique(grid, 26));
    ExpectSameSolve(fast, oracle, f.Mask(grid, 26 + f.Below(15)));
    ExpectSameSolve(fast, oracle, grid);                              // full grid
    ExpectSameSolve(fast, oracle, f.Mask(grid, 45).substr(0, 30 + f.Below(50)));  // short text
    // Clashing givens: solved by the ordered search itself, clash and all.
    std::string c = f.Mask(grid, 40);
    c[9] = c[10] = '2';
    ExpectSameSolve(fast, oracle, c);
  }
  ExpectSameSolve(fast, oracle, std::string(81, '*'));
  ExpectSameSolve(fast, oracle, "");
}

TEST(SolverProperty, ZeroIsABlankEverywhere) {
  PuzzleFactory f(5);
  Tfrm_sol fast, oracle;
  for (int i = 0; i < 10; ++i) {
    std::string p = f.Mask(f.Grid(), 30);
    std::replace(p.begin(), p.end(), '*', '0');
    ExpectSameCount(fast, oracle, p);
  }
}

// Clashing givens: the ordered search never compares givens with each other,
// and in a row, column or box with a repeated given its hidden singles force
// nothing. The fast engine must still give the search's exact answer.
TEST(SolverProperty, ClashingGivensSolveAsTheOrderedSearchDoes) {
  PuzzleFactory f(4242);
  Tfrm_sol fast, oracle;
  int solved = 0, failed = 0;
  for (int i = 0; i < 150; ++i) {
    const std::string grid = f.Grid();
    // Few blanks keep the literal search quick.
    std::string p = f.Mask(grid, 81 - 12 - f.Below(34));
    // One or two givens changed to clash with a peer.
    for (int changes = 1 + f.Below(2); changes > 0;) {
      const auto pos = static_cast<std::size_t>(f.Below(81));
      if (p[pos] == '*') continue;
      p[pos] = static_cast<char>('1' + f.Below(9));
      --changes;
    }
    if (fast.SetTableAndCheck(p)) continue;
    const auto want = DocumentedSolveFromText(oracle, p);
    ExpectSameSolve(fast, oracle, p);
    (want.status == 0 ? solved : failed)++;
  }
  // Both outcomes are exercised.
  EXPECT_GT(solved, 10);
  EXPECT_GT(failed, 10);
}

// Two 1s in box 1 leave boxes 4 and 7 only column 3 for their 1: no
// completion, which the literal search needs many minutes to find out.
TEST(SolverGolden, TwoEqualGivensBeforeBlanksFailAtOnce) {
  Tfrm_sol s;
  const std::string p = "11" + std::string(79, '*');
  const auto r = s.SolveFromText(p);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.text, "11" + std::string(79, '0'));
  EXPECT_EQ(s.GridText(), r.text);
  EXPECT_EQ(s.CountSolutions(p).result, 1);
  // A wrong clue that repeats a 2 and drops the 4 from row 1, column 1 and
  // box 1: those units need no 4, and the search comes out with the clash.
  const std::string q = "22*875913**729186*81*3462*7231**75*957413*628968*52*3174*9631*569351*4*2*85**4*96";
  const auto solved = s.SolveFromText(q);
  EXPECT_EQ(solved.status, 0);
  EXPECT_EQ(solved.text, "226875913357291864819346257231687549574139628968452731742963185693518472185724396");
  Tfrm_sol oracle;
  EXPECT_EQ(DocumentedSolveFromText(oracle, q).text, solved.text);
}
