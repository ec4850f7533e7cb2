#pragma once
// The remembered marking paint: per cell one colour for its background
// (entry 0) and one for each candidate panel (entries 1..9). Colours are
// 0x00BBGGRR integers; kNoMarking means "no paint here".

#include <array>
#include <cstdint>

#include "core/Coordinates.h"

inline constexpr std::uint32_t kNoMarking = 12634573;  // RGB(205, 201, 192)

class MarkingTable {
 public:
  MarkingTable() { Reset(); }

  void Reset() {
    for (auto& cell : entries_) cell.fill(kNoMarking);
  }
  std::uint32_t& at(int row, int col, int k) {
    return entries_[static_cast<size_t>(IndexOf(row, col))][static_cast<size_t>(k)];
  }
  std::uint32_t at(int row, int col, int k) const {
    return entries_[static_cast<size_t>(IndexOf(row, col))][static_cast<size_t>(k)];
  }

 private:
  std::array<std::array<std::uint32_t, 10>, kCells> entries_;
};
