#pragma once
// The model behind the small 9x9 edit board: one text per cell, a kind
// (1 given, 2 a value, 3 candidates) and an error flag.

#include <array>
#include <string>

#include "core/Coordinates.h"

struct SmallCell {
  std::string text;
  int kind = 3;
  bool isError = false;
};

class SmallBoard {
 public:
  SmallCell& at(int row, int col) { return cells_[static_cast<size_t>(IndexOf(row, col))]; }
  const SmallCell& at(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }

  // The "Set Table" action: every cell open, then "0" or "*" gives a cell
  // all nine candidates and any other character becomes its value.
  void SetTable(const std::string& text);
  // Flags the first one-character cell in reading order that has an equal
  // peer, together with its last such peer.
  void MarkConflicts();
  // True when no one-character cell has a peer with the same text.
  bool DuplicateFree() const;
  bool HasConflict() const;
  void ClearTexts();

 private:
  std::array<SmallCell, kCells> cells_;
};
