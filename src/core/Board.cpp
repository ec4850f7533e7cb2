#include "core/Board.h"

#include <algorithm>

namespace {

std::string AscendingDigitsOf(const std::array<bool, 10>& present) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (present[static_cast<size_t>(d - '0')]) out += d;
  return out;
}

}  // namespace

Board::Board() {
  for (int i = 0; i < kCells; ++i) {
    cells_[static_cast<size_t>(i)].row = RowOf(i);
    cells_[static_cast<size_t>(i)].col = ColOf(i);
  }
}

std::string Board::FreeDigits(int row, int col) const {
  std::array<bool, 10> free{};
  free.fill(true);
  for (int p : PeerTable()[static_cast<size_t>(IndexOf(row, col))]) {
    const Cell& peer = cell(p);
    if (peer.isOpen()) continue;
    for (char ch : peer.digits)
      if (ch >= '1' && ch <= '9') free[static_cast<size_t>(ch - '0')] = false;
  }
  return AscendingDigitsOf(free);
}

void Board::FillOpenCandidates() {
  for (Cell& c : cells_)
    if (c.isOpen()) c.digits = FreeDigits(c.row, c.col);
}

std::string Board::PruneCandidates(int row, int col) const {
  std::string left = at(row, col).digits;
  for (int p : PeerTable()[static_cast<size_t>(IndexOf(row, col))]) {
    const Cell& peer = cell(p);
    if (!peer.isOpen()) left = RemoveChars(std::move(left), peer.digits);
  }
  std::array<bool, 10> present{};
  for (char ch : left)
    if (ch >= '1' && ch <= '9') present[static_cast<size_t>(ch - '0')] = true;
  return AscendingDigitsOf(present);
}

void Board::MarkConflicts() {
  // Given and placed cells hold one digit; open cells take no part.
  std::array<char, kCells> marks{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = cell(i);
    if (!c.isOpen() && c.digits.size() == 1) marks[static_cast<size_t>(i)] = c.digits[0];
  }
  const ConflictPair pair = FindConflict(marks);
  for (Cell& c : cells_) c.isError = false;
  if (pair.first >= 0) {
    cell(pair.first).isError = true;
    cell(pair.partner).isError = true;
  }
}

bool Board::HasConflict() const {
  return std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.isError; });
}

bool Board::IsSolved() {
  if (std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.isOpen(); }))
    return false;
  MarkConflicts();
  return !HasConflict();
}

std::string Board::GetGivens() const {
  std::string out;
  out.reserve(kCells);
  for (const Cell& c : cells_) out += c.state == CellState::Given ? c.digits : std::string("0");
  return out;
}

void Board::RemoveDigitFromPeers(int row, int col) {
  const std::string& s = at(row, col).digits;
  if (s.size() != 1) return;
  for (int p : PeerTable()[static_cast<size_t>(IndexOf(row, col))]) {
    Cell& peer = cell(p);
    if (!peer.isOpen()) continue;
    if (auto pos = peer.digits.find(s[0]); pos != std::string::npos) peer.digits.erase(pos, 1);
  }
}

void Board::RestoreDigitToPeers(int row, int col, const std::string& s) {
  if (s.empty()) return;
  for (int p : PeerTable()[static_cast<size_t>(IndexOf(row, col))]) {
    Cell& peer = cell(p);
    if (!peer.isOpen()) continue;
    if (FreeDigits(peer.row, peer.col).find(s) != std::string::npos &&
        peer.digits.find(s) == std::string::npos)
      peer.digits += s;
  }
}

std::string Board::RemoveChars(std::string text, const std::string& chars) {
  for (auto it = chars.rbegin(); it != chars.rend(); ++it)
    if (auto pos = text.find(*it); pos != std::string::npos) text.erase(pos, 1);
  return text;
}

std::string Board::PuzzleString() const {
  std::string out;
  out.reserve(kCells);
  for (const Cell& c : cells_) out += c.state == CellState::Given ? c.digits : std::string("*");
  return out;
}
