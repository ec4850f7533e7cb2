#pragma once
// The board model: 81 cells with their state and digit string, and the
// board-wide queries and updates shared by the main board and the editor.

#include <array>
#include <string>

#include "core/Coordinates.h"

enum class CellState : int { Given = 1, Placed = 2, Open = 3 };

struct Cell {
  int row = 1;
  int col = 1;
  std::string digits;  // one digit for Given/Placed, the candidates for Open
  bool isError = false;
  CellState state = CellState::Placed;

  bool isOpen() const { return state == CellState::Open; }
};

class Board {
 public:
  Board();

  Cell& at(int row, int col) { return cells_[static_cast<size_t>(IndexOf(row, col))]; }
  const Cell& at(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }
  Cell& cell(int index) { return cells_[static_cast<size_t>(index)]; }
  const Cell& cell(int index) const { return cells_[static_cast<size_t>(index)]; }

  static int BoxOf(int row, int col) { return ::BoxOf(row, col); }

  // Digits 1..9, ascending, held by no peer that is not Open.
  std::string FreeDigits(int row, int col) const;
  // Every Open cell gets its FreeDigits.
  void FillOpenCandidates();
  // The cell's own digits minus one occurrence of each non-Open peer's digits.
  std::string PruneCandidates(int row, int col) const;
  // Flags at most one conflicting pair: the first non-Open cell in reading
  // order that has an equal non-Open peer, together with its last such peer.
  void MarkConflicts();
  bool HasConflict() const;
  // No Open cell and no conflict (runs MarkConflicts).
  bool IsSolved();
  // 81 characters: the digit of every Given cell, "0" elsewhere.
  std::string GetGivens() const;
  // The puzzle as the solver takes it: each Given cell's digit, "*" for
  // every other cell.
  std::string PuzzleString() const;
  void RemoveDigitFromPeers(int row, int col);
  void RestoreDigitToPeers(int row, int col, const std::string& s);

  // For each character of chars, last to first, delete its first occurrence.
  static std::string RemoveChars(std::string text, const std::string& chars);

  int nd = 0;  // level of the puzzle on the board: 0..4, 5 unknown

 private:
  std::array<Cell, kCells> cells_;
};
