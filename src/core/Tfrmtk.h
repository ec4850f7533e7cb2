#pragma once
// The puzzle bank: one list of bank lines per level (0 Very Easy .. 4
// Diabolical), each line 81 characters of clue digits and "A".."I" for the
// solution digits of the other cells. Beside it, the practice bank: lines of
// the same form, one list per technique, each puzzle's hardest technique
// being that one.

#include <string>
#include <vector>

#include "core/Grader.h"

class RandomSource;
class TQJ;

class Tfrmtk {
 public:
  static constexpr int kLevels = 5;

  // The built-in lists compiled into the program.
  Tfrmtk();
  // Other lists, for tests (without practice lines).
  explicit Tfrmtk(std::vector<std::vector<std::string>> lists);

  const std::vector<std::string>& list(int level) const { return lists_.at(static_cast<size_t>(level)); }
  // The practice lines of a technique (empty for one without any).
  const std::vector<std::string>& practice(Technique t) const { return practice_.at(static_cast<size_t>(t)); }
  void SetPractice(Technique t, std::vector<std::string> lines) { practice_.at(static_cast<size_t>(t)) = std::move(lines); }
  // The techniques with practice lines, easiest first.
  std::vector<Technique> PracticeTechniques() const;

  // The 1-based line number that a new game of this level takes: a uniform
  // draw over 1..count.
  int PickLineNumber(int level, RandomSource& random) const;

 private:
  std::vector<std::vector<std::string>> lists_;
  std::vector<std::vector<std::string>> practice_ = std::vector<std::vector<std::string>>(kTechniqueCount);
};

// Reseeds, picks a line of the level and loads it into the holder (which
// shuffles it). Returns false when the level has no usable line.
bool PickBankPuzzle(const Tfrmtk& bank, int level, TQJ& holder, RandomSource& random);
// The same from the technique's practice lines, with the same shuffle.
bool PickPracticePuzzle(const Tfrmtk& bank, Technique t, TQJ& holder, RandomSource& random);
