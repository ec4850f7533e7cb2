#pragma once
// The coach: the next step a person can take on the player's own board. It
// checks the player's work first (a step found on a wrong board teaches the
// wrong thing), then gives the easiest step the grader knows.

#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Grader.h"

enum class HintKind {
  Invalid,           // the givens clash or do not have exactly one solution
  Solved,            // every cell holds its solution digit
  WrongDigit,        // placed digits that differ from the solution
  MissingCandidate,  // open cells whose candidates lack their solution digit
  Step,              // a step: Cleanup, or the grader's first technique that applies
  Stuck,             // no technique applies; cells names a cell to branch on
};

struct CoachOptions {
  // The board shows no candidates (display mode None): every open cell's
  // candidates are its free digits, and the player's own are not checked.
  bool valuesOnly = false;
};

struct Hint {
  HintKind kind = HintKind::Invalid;
  bool cleanup = false;  // a step removing candidates that a placed digit in the same unit rules out
  Technique technique = Technique::FullHouse;  // the step's technique unless cleanup
  std::vector<int> digits;   // a step's digits; for wrong digits, missing candidates and stuck, per cell
  std::vector<int> units;    // 0..8 rows, 9..17 columns, 18..26 boxes
  std::vector<int> pattern;  // the pattern's cells (0..80)
  std::vector<CellDigit> chain;  // a chain's candidates in order (see GradeStep)
  std::vector<CellDigit> placements;
  std::vector<CellDigit> eliminations;
  std::vector<int> cells;    // wrong digits, missing candidates, or the cell to branch on
  bool needsCandidates = false;  // values only: the step needs candidates to be seen

  // "Cleanup" or the grader's name; "" for a hint that is not a step.
  std::string TechniqueName() const;
  // 1 singles .. 4 Diabolical, 0 for Cleanup.
  int Level() const;
};

// The hint for the board. solution holds the 81 solution digits when the
// holder knows them; otherwise ("") the engine solves the givens.
Hint FindHint(const Board& board, const CoachOptions& options, const std::string& solution = "");

// "step", "wrong-digit", ...
const char* HintKindName(HintKind kind);
// As the board labels them: "E5" (row letter, column digit).
std::string CellName(int cell);
// "row H", "column 3", "box 4".
std::string UnitName(int unit);
