#pragma once
// Cell coordinates shared by every 81-character text of the program: rows and
// columns 1..9, row-major position, boxes 1..9 in reading order.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int kCells = 81;

// 0-based index of (row, col) in every 81-character text.
constexpr int IndexOf(int row, int col) { return (row - 1) * 9 + (col - 1); }
constexpr int RowOf(int index) { return index / 9 + 1; }
constexpr int ColOf(int index) { return index % 9 + 1; }
constexpr int BoxOf(int row, int col) { return 3 * ((row - 1) / 3) + (col - 1) / 3 + 1; }

// A keyboard cursor's move: off one edge, on at the other.
constexpr int MoveWrapping(int index, int rows, int cols) {
  auto wrap = [](int n) { return ((n - 1) % 9 + 9) % 9 + 1; };
  return IndexOf(wrap(RowOf(index) + rows), wrap(ColOf(index) + cols));
}

// Boxes 2, 4, 6 and 8 carry the second board colour.
constexpr bool IsEvenBox(int row, int col) { return BoxOf(row, col) % 2 == 0; }

// Same row, same column or same box, and not the cell itself.
constexpr bool ArePeers(int a, int b) {
  if (a == b) return false;
  return RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) ||
         BoxOf(RowOf(a), ColOf(a)) == BoxOf(RowOf(b), ColOf(b));
}

// The 27 units, numbered rows 0..8, columns 9..17, boxes 18..26. Kind 0, 1
// and 2 give the cell's row, column and box.
constexpr int UnitOf(int cell, int kind) {
  const int r = RowOf(cell), c = ColOf(cell);
  return kind == 0 ? r - 1 : kind == 1 ? 9 + c - 1 : 18 + BoxOf(r, c) - 1;
}

// The 9 cells of each unit, in reading order.
using UnitCells = std::array<std::array<std::uint8_t, 9>, 27>;
constexpr UnitCells MakeUnitCells() {
  UnitCells units{};
  int filled[27] = {};
  for (int i = 0; i < kCells; ++i)
    for (int kind = 0; kind < 3; ++kind) {
      const int u = UnitOf(i, kind);
      units[static_cast<std::size_t>(u)][static_cast<std::size_t>(filled[u]++)] = static_cast<std::uint8_t>(i);
    }
  return units;
}
inline constexpr UnitCells kUnitCells = MakeUnitCells();

// The 20 peers of each cell, in row-major order.
using PeerList = std::array<int, 20>;
const std::array<PeerList, kCells>& PeerTable();

// The conflict rule of every board: the first cell in reading order whose
// mark (a non-zero character) a peer shares, and its last such peer.
// {-1, -1} when no two peers share a mark.
struct ConflictPair {
  int first = -1;
  int partner = -1;
};
ConflictPair FindConflict(const std::array<char, kCells>& marks);
