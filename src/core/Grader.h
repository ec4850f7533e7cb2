#pragma once
// The grader: a solver that works the way a person does, so that a puzzle's
// level says which techniques it takes.
//
// It keeps pencil marks, tries the techniques in the fixed order of
// Technique below (easiest first), applies the first step that places a digit
// or removes a candidate, and starts again from the easiest technique after
// every step. The level is that of the hardest technique it needed. Every step
// is a logical consequence of the rules alone: nothing assumes the puzzle is
// unique, nothing guesses. A puzzle it cannot finish has no level.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FastSolver.h"

// The order of trial. Within a level the order is our own judgement of what a
// person spots first; across levels it follows the levels.
enum class Technique : int {
  // Levels 0 and 1 (Very Easy and Gentle differ only in the number of clues).
  FullHouse,       // the last open cell of a row, column or box
  NakedSingle,     // a cell with one candidate left
  HiddenSingle,    // a digit with one place left in a box, row or column
  // Level 2, Moderate.
  Pointing,        // a box's candidates of a digit on one line: not elsewhere on the line
  Claiming,        // a line's candidates of a digit in one box: not elsewhere in the box
  NakedPair,
  HiddenPair,
  NakedTriple,
  HiddenTriple,
  // Level 3, Tough.
  NakedQuad,
  HiddenQuad,
  XWing,
  Skyscraper,      // two parallel conjugate pairs joined at one end
  TwoStringKite,   // a row and a column conjugate pair joined in a box
  XYWing,
  XYZWing,
  WWing,           // two equal pair cells joined by a conjugate pair of one of their digits
  Swordfish,
  SimpleColouring, // one digit's conjugate pairs coloured in two colours
  // Level 4, Diabolical.
  Jellyfish,
  RemotePairs,     // a chain of cells holding the same two candidates
  XCycle,          // one digit, a loop of alternating links (closed, or proving its start)
  XChain,          // one digit, an open chain of alternating links
  XYChain,         // pair cells, linked through their common digits
  AlternatingInferenceChain,  // any candidates, any links, open or closed
};

inline constexpr int kTechniqueCount = static_cast<int>(Technique::AlternatingInferenceChain) + 1;

// Chains and loops longer than this many links are not looked for.
inline constexpr int kMaxChainLinks = 15;

// The fewest clues a singles-only puzzle needs to count as Very Easy rather
// than Gentle.
inline constexpr int kVeryEasyMinClues = 41;

const char* TechniqueName(Technique t);
// A short lower-case name for keys and file names: "xwing", "aic", ...
const char* TechniqueStem(Technique t);
// The technique TechniqueName spells so (exactly, case included); none for
// any other text.
std::optional<Technique> TechniqueFromName(std::string_view name);
// 1 for the singles (levels 0 and 1 alike), 2 Moderate, 3 Tough, 4 Diabolical.
int TechniqueLevel(Technique t);

// A placed digit or a removed candidate.
struct CellDigit {
  int cell;   // 0..80
  int digit;  // 1..9
  bool operator==(const CellDigit&) const = default;
};

// A step, and what a person needs to see it: the units it is found in
// (0..8 rows, 9..17 columns, 18..26 boxes), the digits it is about and the
// cells of its pattern. Where the pattern is a chain, chain holds its
// candidates in order; the links alternate strong, weak, strong, ... from
// the first, and a loop repeats its first candidate at the end.
struct GradeStep {
  Technique technique = Technique::FullHouse;
  std::vector<CellDigit> placements;
  std::vector<CellDigit> eliminations;
  std::vector<int> units;
  std::vector<int> digits;
  std::vector<int> pattern;
  std::vector<CellDigit> chain;
};

// The grader's board: placed digits and the candidates of the open cells
// (bit d-1 of a mask stands for digit d).
class GradeBoard {
 public:
  // Every cell open with all nine candidates.
  GradeBoard();
  // The givens placed and their peers' candidates pruned; ok is false when
  // two givens clash.
  static GradeBoard FromGivens(const Grid& givens, bool* ok);

  int value(int cell) const { return values_[static_cast<unsigned>(cell)]; }
  unsigned candidates(int cell) const { return cands_[static_cast<unsigned>(cell)]; }
  bool has(int cell, int digit) const { return (candidates(cell) >> (digit - 1)) & 1u; }

  void SetCandidates(int cell, unsigned mask) { cands_[static_cast<unsigned>(cell)] = mask & 0x1FFu; }
  // Places the digit and removes it from the peers' candidates.
  void Place(int cell, int digit);
  void Eliminate(int cell, int digit) { cands_[static_cast<unsigned>(cell)] &= ~(1u << (digit - 1)); }

  bool Solved() const;
  // An open cell without candidates, or a digit with no place left in a unit.
  bool Broken() const;

 private:
  std::array<int, 81> values_{};
  std::array<unsigned, 81> cands_{};
};

// The first step of this technique on the board, or false when it has none.
bool FindStep(Technique t, const GradeBoard& board, GradeStep& step);
void ApplyStep(const GradeStep& step, GradeBoard& board);

struct GradeResult {
  enum class Outcome {
    Solved,   // finished by logic: the puzzle has exactly one solution
    Stuck,    // no technique up to the allowed level makes progress
    Invalid,  // clashing givens, or a contradiction: no solution
  };
  Outcome outcome = Outcome::Invalid;
  int level = -1;        // 0..4 when solved
  int hardest = -1;      // the hardest Technique used as an int, -1 for none
  int clues = 0;
  int steps = 0;
  std::vector<int> uses = std::vector<int>(kTechniqueCount, 0);  // steps per technique
};

// Grades the puzzle, trying techniques up to maxLevel (1..4) only; the log,
// when given, receives every step.
GradeResult Grade(const Grid& givens, int maxLevel = 4, std::vector<GradeStep>* log = nullptr);

// True when the puzzle falls to full houses and naked and hidden singles
// alone (the order of singles does not matter for this question).
bool SolvesWithSinglesOnly(const Grid& givens);
