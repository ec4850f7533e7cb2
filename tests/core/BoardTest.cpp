#include <gtest/gtest.h>

#include "core/Board.h"

namespace {

// A board with every cell Open and no candidates, then the listed cells set.
Board OpenBoard() {
  Board b;
  for (int i = 0; i < kCells; ++i) {
    b.cell(i).state = CellState::Open;
    b.cell(i).digits.clear();
  }
  return b;
}

void Put(Board& b, int row, int col, CellState s, const std::string& digits) {
  b.at(row, col).state = s;
  b.at(row, col).digits = digits;
}

std::vector<std::pair<int, int>> Flagged(const Board& b) {
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < kCells; ++i)
    if (b.cell(i).isError) out.emplace_back(b.cell(i).row, b.cell(i).col);
  return out;
}

using Cells = std::vector<std::pair<int, int>>;

}  // namespace

TEST(Coordinates, BoxesPeersAndPositions) {
  EXPECT_EQ(BoxOf(1, 1), 1);
  EXPECT_EQ(BoxOf(1, 9), 3);
  EXPECT_EQ(BoxOf(5, 4), 5);
  EXPECT_EQ(BoxOf(9, 7), 9);
  EXPECT_EQ(IndexOf(2, 1), 9);
  EXPECT_TRUE(IsEvenBox(1, 4));
  EXPECT_FALSE(IsEvenBox(5, 5));
  for (const PeerList& peers : PeerTable()) {
    for (size_t k = 1; k < peers.size(); ++k) EXPECT_LT(peers[k - 1], peers[k]);
  }
  EXPECT_EQ(PeerTable()[0][19], IndexOf(9, 1));  // last peer of (1,1)
}

TEST(Board, ConstructionState) {
  Board b;
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(b.cell(i).state, CellState::Placed);
    EXPECT_TRUE(b.cell(i).digits.empty());
    EXPECT_FALSE(b.cell(i).isError);
    EXPECT_EQ(IndexOf(b.cell(i).row, b.cell(i).col), i);
  }
}

TEST(Board, ConflictsFlagOnePairOfNonOpenCells) {
  Board b = OpenBoard();
  // Open cells with equal candidates never conflict.
  Put(b, 1, 1, CellState::Open, "12");
  Put(b, 1, 2, CellState::Open, "12");
  b.MarkConflicts();
  EXPECT_FALSE(b.HasConflict());
  // A Given and a Placed 5 in one box (different row and column).
  Put(b, 4, 4, CellState::Given, "5");
  Put(b, 6, 6, CellState::Placed, "5");
  b.MarkConflicts();
  EXPECT_EQ(Flagged(b), (Cells{{4, 4}, {6, 6}}));

  // Three 7s in one row: the leftmost with the rightmost.
  Board r = OpenBoard();
  Put(r, 3, 2, CellState::Placed, "7");
  Put(r, 3, 5, CellState::Given, "7");
  Put(r, 3, 9, CellState::Placed, "7");
  r.MarkConflicts();
  EXPECT_EQ(Flagged(r), (Cells{{3, 2}, {3, 9}}));

  // Only the first conflicting cell in reading order is reported.
  Put(r, 1, 1, CellState::Placed, "4");
  Put(r, 9, 1, CellState::Placed, "4");
  r.MarkConflicts();
  EXPECT_EQ(Flagged(r), (Cells{{1, 1}, {9, 1}}));
}

TEST(Board, SolvedMeansFullAndConflictFree) {
  const std::string grid = "426875913357291864819346257231687549574139628968452731742963185693518472185724396";
  Board b;
  for (int i = 0; i < kCells; ++i) Put(b, RowOf(i), ColOf(i), CellState::Placed, grid.substr(static_cast<size_t>(i), 1));
  EXPECT_TRUE(b.IsSolved());
  b.at(5, 5).state = CellState::Open;
  EXPECT_FALSE(b.IsSolved());
  b.at(5, 5).state = CellState::Placed;
  // Swap two digits of row 1: a duplicate in columns, still full.
  b.at(1, 1).digits = "2";
  EXPECT_FALSE(b.IsSolved());
  EXPECT_TRUE(b.HasConflict());
  EXPECT_EQ(Flagged(b).size(), 2u);
}

TEST(Board, FreeDigitsAndPruning) {
  Board b = OpenBoard();
  Put(b, 1, 1, CellState::Open, "9");
  EXPECT_EQ(b.FreeDigits(1, 1), "123456789");  // own string and Open peers play no part
  Put(b, 1, 5, CellState::Given, "3");
  Put(b, 7, 1, CellState::Placed, "8");
  Put(b, 2, 2, CellState::Placed, "1");
  Put(b, 5, 5, CellState::Given, "4");  // not a peer
  EXPECT_EQ(b.FreeDigits(1, 1), "245679");

  Put(b, 1, 1, CellState::Open, "9831");
  EXPECT_EQ(b.PruneCandidates(1, 1), "9");
  Put(b, 1, 1, CellState::Open, "");
  EXPECT_EQ(b.PruneCandidates(1, 1), "");
  // One occurrence per peer digit: unordered candidates come back ascending.
  Put(b, 1, 1, CellState::Open, "7532");
  EXPECT_EQ(b.PruneCandidates(1, 1), "257");
}

TEST(Board, RemoveAndRestoreDigitOnPeers) {
  Board b = OpenBoard();
  Put(b, 5, 5, CellState::Placed, "6");
  Put(b, 5, 1, CellState::Open, "1679");
  Put(b, 1, 5, CellState::Placed, "6");  // a placed peer keeps its 6
  Put(b, 4, 4, CellState::Open, "6");
  Put(b, 9, 9, CellState::Open, "6");  // not a peer
  b.RemoveDigitFromPeers(5, 5);
  EXPECT_EQ(b.at(5, 1).digits, "179");
  EXPECT_EQ(b.at(4, 4).digits, "");
  EXPECT_EQ(b.at(1, 5).digits, "6");
  EXPECT_EQ(b.at(9, 9).digits, "6");
  b.MarkConflicts();
  EXPECT_EQ(Flagged(b), (Cells{{1, 5}, {5, 5}}));

  // Restore appends 4 where it is free and missing.
  Board r = OpenBoard();
  Put(r, 2, 2, CellState::Open, "");  // the cell that gave up its 4
  Put(r, 2, 7, CellState::Open, "139");
  Put(r, 2, 8, CellState::Open, "14");   // already holds it
  Put(r, 8, 2, CellState::Open, "5");
  Put(r, 8, 9, CellState::Given, "4");   // so (8,2) is not free for 4
  Put(r, 3, 3, CellState::Placed, "2");  // non-Open peers never change
  r.RestoreDigitToPeers(2, 2, "4");
  EXPECT_EQ(r.at(2, 7).digits, "1394");
  EXPECT_EQ(r.at(2, 8).digits, "14");
  EXPECT_EQ(r.at(8, 2).digits, "5");
  EXPECT_EQ(r.at(3, 3).digits, "2");
  EXPECT_EQ(r.at(2, 1).digits, "4");
}

TEST(Board, RemoveCharsAndGivens) {
  EXPECT_EQ(Board::RemoveChars("123123", "21"), "3123");
  EXPECT_EQ(Board::RemoveChars("5", "7"), "5");
  EXPECT_EQ(Board::RemoveChars("", "7"), "");
  Board b = OpenBoard();
  Put(b, 1, 1, CellState::Given, "7");
  Put(b, 1, 2, CellState::Placed, "3");
  Put(b, 9, 9, CellState::Given, "1");
  EXPECT_EQ(b.GetGivens(), "7" + std::string(79, '0') + "1");
}
