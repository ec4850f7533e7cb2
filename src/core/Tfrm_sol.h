#pragma once
// The solution engine: solving a puzzle text and deciding whether a puzzle
// has no solution, exactly one, or several.
//
// The engine's answers are defined by an ordered search (first blank in
// reading order, digits ascending, forced singles placed in between) whose
// primitives are kept here exactly as defined, on the one solver grid. The
// operations the program calls give the same answers through FastSolver:
// without clashing givens the ordered search finds the smallest solution in
// reading order, so counting and extreme-solution searches reproduce it in
// microseconds instead of seconds.

#include <cstdint>
#include <string>

#include "core/SmallBoard.h"

// How many solutions a puzzle has. The values are the numbers tessvar-cli
// count prints, so they stay as they are.
enum class SolutionCount : int {
  One = 0,      // exactly one
  None = 1,     // none, clashing digits, or a grid with no blank
  Several = 2,  // two or more
};

struct SolverCell {
  std::uint8_t value = 0;  // 0 = empty
  bool possible[26] = {};  // index 1..GridSize
};

class Tfrm_sol {
 public:
  static constexpr int GridSize = 9;
  static constexpr int BoxHeight = 3;
  static constexpr int BoxWidth = 3;
  static constexpr const char* kTestPuzzle =
      "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*";

  struct SolveResult {
    int status = 1;    // 0 solved, 1 not solved
    std::string text;  // 81 digits, "0" for a cell still empty
  };
  struct CountResult {
    SolutionCount result = SolutionCount::None;
    std::string first;
    std::string other;
  };

  SolveResult SolveFromText(const std::string& text);
  bool SetTableAndCheck(const std::string& text);
  CountResult CountSolutions(const std::string& puzzle);

  // The ordered search's primitives, on the solver grid.
  void FillGrid(const std::string& text);
  std::string GridText() const;
  void FindPossibilities();
  bool check() const;
  int CountPossValue(std::uint8_t k, std::uint8_t i, std::uint8_t j) const;
  bool SolveSudoku();
  bool SolveBruteForce();

  SolverCell& cell(int i, int j) { return grid_[i - 1][j - 1]; }
  const SolverCell& cell(int i, int j) const { return grid_[i - 1][j - 1]; }


 private:
  SolverCell grid_[GridSize][GridSize];
};
