#include <gtest/gtest.h>

#include "core/Canonical.h"
#include "core/Coordinates.h"
#include "core/Generator.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"

namespace {

Grid CluesOf(const TQJ& q) {
  Grid g{};
  for (int i = 0; i < 81; ++i)
    if (q.node(i).isGiven) g[static_cast<size_t>(i)] = static_cast<std::uint8_t>(q.node(i).digit);
  return g;
}

Grid Transposed(const Grid& g) {
  Grid t{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) t[static_cast<size_t>(c * 9 + r)] = g[static_cast<size_t>(r * 9 + c)];
  return t;
}

}  // namespace

TEST(Canonical, SmallCasesByHand) {
  // One clue moves to the last row and column of its band and stack: a blank
  // sorts before any digit. Digits are renamed by first appearance.
  Grid g{};
  g[static_cast<size_t>(IndexOf(7, 7))] = 5;
  EXPECT_EQ(CanonicalForm(g), std::string(80, '0') + "1");
  g = Grid{};
  g[static_cast<size_t>(IndexOf(1, 1))] = 3;
  g[static_cast<size_t>(IndexOf(1, 2))] = 4;
  EXPECT_EQ(CanonicalForm(g), std::string(19, '0') + "12" + std::string(60, '0'));
  EXPECT_EQ(CanonicalForm(Grid{}), std::string(81, '0'));
}

// The game's own shuffle (Shuffle(200) on loading a bank line) never changes
// the form; other puzzles and other symmetries do.
TEST(Canonical, SameUnderTheShuffleOnly) {
  for (std::uint64_t i = 0; i < 20; ++i) {
    const Candidate c = MakeCandidate(static_cast<int>(i % 5), 99, i);
    const std::string line = BankLine(c.puzzle, c.solution);
    const std::string form = CanonicalForm(c.puzzle);
    ASSERT_EQ(form.size(), 81u);
    EXPECT_EQ(CanonicalForm(c.puzzle), form);
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
      ClockRandom random([seed, i] { return seed * 7919 + i; });
      TQJ q;
      ASSERT_TRUE(q.LoadBankLine(line, random));
      EXPECT_EQ(CanonicalForm(CluesOf(q)), form) << line;
    }
    // Moving one clue makes another puzzle.
    Grid moved = c.puzzle;
    for (size_t k = 0; k < 81; ++k)
      if (moved[k]) {
        moved[k] = 0;
        break;
      }
    EXPECT_NE(CanonicalForm(moved), form);
    // A transposition is not one of the shuffle's transformations.
    EXPECT_NE(CanonicalForm(Transposed(c.puzzle)), form) << line;
  }
}
