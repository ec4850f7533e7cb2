#include "core/TQJ.h"

#include <utility>

#include "core/RandomSource.h"

std::string_view TrimControlView(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

std::string TrimControl(const std::string& text) { return std::string(TrimControlView(text)); }

TQJ::TQJ() {
  for (int i = 0; i < kCells; ++i) {
    nodes_[static_cast<size_t>(i)].row = RowOf(i);
    nodes_[static_cast<size_t>(i)].col = ColOf(i);
  }
}

void TQJ::ClearDigits() {
  for (TNode& n : nodes_) n.digit = 0;
}

void TQJ::SetGivens(const std::string& text) {
  ClearDigits();
  const std::string t = TrimControl(text);
  if (t.size() != static_cast<size_t>(kCells)) return;
  for (size_t i = 0; i < t.size(); ++i) {
    TNode& n = nodes_[i];
    if (t[i] >= '1' && t[i] <= '9') {
      n.isGiven = true;
      n.digit = t[i] - '0';
    } else {
      n.isGiven = false;
      n.digit = 0;
    }
  }
}

void TQJ::SetSolution(const std::string& text) {
  ClearDigits();
  const std::string t = TrimControl(text);
  if (t.size() != static_cast<size_t>(kCells)) return;
  for (size_t i = 0; i < t.size(); ++i)
    nodes_[i].digit = (t[i] >= '0' && t[i] <= '9') ? t[i] - '0' : 0;
}

std::string TQJ::GetSolution() const {
  std::string out;
  out.reserve(kCells);
  for (const TNode& n : nodes_) {
    if (n.digit < 1 || n.digit > 9) return {};
    out += static_cast<char>('0' + n.digit);
  }
  return out;
}

bool TQJ::LoadBankLine(const std::string& line, RandomSource& random) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const size_t pos = static_cast<size_t>(IndexOf(row, col));
      if (pos >= line.size()) return false;
      const char ch = line[pos];
      TNode& n = node(row, col);
      n.row = row;
      n.col = col;
      if (ch >= 'A' && ch <= 'I') {
        n.isGiven = false;
        n.digit = ch - 'A' + 1;
      } else if (ch >= '1' && ch <= '9') {
        n.isGiven = true;
        n.digit = ch - '0';
      } else {
        return false;
      }
    }
  }
  Shuffle(200, random);
  return true;
}

void TQJ::Shuffle(int count, RandomSource& random) {
  random.Reseed();
  if (count < 1) return;
  auto swapNodes = [this](int r1, int c1, int r2, int c2) {
    TNode& a = node(r1, c1);
    TNode& b = node(r2, c2);
    std::swap(a.digit, b.digit);
    std::swap(a.isGiven, b.isGiven);
  };
  for (int pass = 0; pass < count; ++pass) {
    const int t = random.Random(7) + 1;
    const int x = random.Random(3) + 1;
    int y = random.Random(2) + 1;
    if (x == 1) y = y + 1;
    if (x == 2 && y == 2) y = 3;
    if (t <= 3) {
      const int c1 = 3 * (t - 1) + x;
      const int c2 = 3 * (t - 1) + y;
      for (int row = 1; row <= 9; ++row) swapNodes(row, c1, row, c2);
    } else if (t <= 6) {
      const int r1 = 3 * (t - 4) + x;
      const int r2 = 3 * (t - 4) + y;
      for (int col = 1; col <= 9; ++col) swapNodes(r1, col, r2, col);
    } else {
      const int a = random.Random(9) + 1;
      int b = random.Random(9) + 1;
      if (a == b) b = (a == 9) ? 1 : a + 1;
      for (TNode& n : nodes_) {
        if (n.digit == a)
          n.digit = b;
        else if (n.digit == b)
          n.digit = a;
      }
    }
  }
}
