#pragma once
// The puzzle holder: the clues of the puzzle and, where known, its solution.

#include <array>
#include <string>
#include <string_view>

#include "core/Coordinates.h"

class RandomSource;

struct TNode {
  int row = 0;
  int col = 0;
  int digit = 0;  // solution digit 1..9; 0 = not known
  bool isGiven = false;
};

class TQJ {
 public:
  TQJ();

  TNode& node(int row, int col) { return nodes_[static_cast<size_t>(IndexOf(row, col))]; }
  const TNode& node(int row, int col) const { return nodes_[static_cast<size_t>(IndexOf(row, col))]; }
  TNode& node(int index) { return nodes_[static_cast<size_t>(index)]; }
  const TNode& node(int index) const { return nodes_[static_cast<size_t>(index)]; }

  void ClearDigits();
  // "1".."9" become clues; any other character a non-clue with digit 0.
  // Texts that are not 81 characters after trimming change nothing but the
  // digits, which ClearDigits has already reset.
  void SetGivens(const std::string& text);
  void SetSolution(const std::string& text);
  // The 81 solution digits, or "" when any of them is unknown.
  std::string GetSolution() const;

  // Parses a bank line (clue digits, "A".."I" for the other cells' solution
  // digits) and disguises it with Shuffle(200). Returns false, leaving the
  // nodes from the first bad character on untouched, for a malformed line.
  bool LoadBankLine(const std::string& line, RandomSource& random);
  void Shuffle(int count, RandomSource& random);

 private:
  std::array<TNode, kCells> nodes_;
};

// Trims blanks and control characters from both ends.
std::string TrimControl(const std::string& text);
// The same, as a view into text.
std::string_view TrimControlView(std::string_view text);
