#pragma once
// Cell coordinates shared by every 81-character text of the program: rows and
// columns 1..9, row-major position, boxes 1..9 in reading order.

#include <array>
#include <cstddef>

inline constexpr int kCells = 81;

// 0-based index of (row, col) in every 81-character text.
constexpr int IndexOf(int row, int col) { return (row - 1) * 9 + (col - 1); }
constexpr int RowOf(int index) { return index / 9 + 1; }
constexpr int ColOf(int index) { return index % 9 + 1; }
constexpr int BoxOf(int row, int col) { return 3 * ((row - 1) / 3) + (col - 1) / 3 + 1; }

// Boxes 2, 4, 6 and 8 carry the second board colour.
constexpr bool IsEvenBox(int row, int col) { return BoxOf(row, col) % 2 == 0; }

// Same row, same column or same box, and not the cell itself.
constexpr bool ArePeers(int a, int b) {
  if (a == b) return false;
  return RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) ||
         BoxOf(RowOf(a), ColOf(a)) == BoxOf(RowOf(b), ColOf(b));
}

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
