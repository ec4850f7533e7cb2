#pragma once
// The puzzle bank: one list of bank lines per level (0 Very Easy .. 4
// Diabolical), each line 81 characters of clue digits and "A".."I" for the
// solution digits of the other cells.

#include <string>
#include <vector>

class RandomSource;
class TQJ;

class Tfrmtk {
 public:
  static constexpr int kLevels = 5;

  // The built-in lists compiled into the program.
  Tfrmtk();
  // Other lists, for tests.
  explicit Tfrmtk(std::vector<std::vector<std::string>> lists);

  const std::vector<std::string>& list(int level) const { return lists_.at(static_cast<size_t>(level)); }

  // The 1-based line number that a new game of this level takes: a uniform
  // draw over 1..count.
  int PickLineNumber(int level, RandomSource& random) const;

 private:
  std::vector<std::vector<std::string>> lists_;
};

// Reseeds, picks a line of the level and loads it into the holder (which
// shuffles it). Returns false when the level has no usable line.
bool PickBankPuzzle(const Tfrmtk& bank, int level, TQJ& holder, RandomSource& random);
