#pragma once
// A fast exact solver for 9x9 puzzles, used to answer the solution engine's
// questions without its ordered brute-force search.
//
// Candidates are kept per digit as three 27-bit band masks. Propagation keeps
// every band consistent for every digit (each row and box of a band takes the
// digit once, so the rows must match the boxes one to one), finds hidden
// singles in rows, boxes and columns and naked singles in cells, and the
// search guesses on a cell with the fewest candidates.

#include <array>
#include <cstdint>

using Grid = std::array<std::uint8_t, 81>;  // 0 = blank, 1..9 = digit

enum class SearchOrder {
  SmallestForward,   // the smallest solution, cells compared in reading order
  SmallestBackward,  // the smallest solution, cells compared from the last one
  LargestForward,    // the largest solution, cells compared in reading order
};

class FastSolver {
 public:
  // True when no two givens of the same digit share a row, column or box.
  static bool GivensAgree(const Grid& givens);

  // Number of solutions, counting no further than limit; the first solution
  // found goes to first when there is one. Clashing givens have none.
  static int CountUpTo(const Grid& givens, int limit, Grid* first = nullptr);

  // The extreme solution in the given order, or false when there is none:
  // an ordered search while it stays short, else cell by cell, each digit
  // kept only once a completion test shows a solution still holds it.
  static bool Extreme(const Grid& givens, SearchOrder order, Grid& out);
};
