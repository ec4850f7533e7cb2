#include "core/SmallBoard.h"

namespace {

// The partner of cell a: its last peer in reading order with the same
// one-character text, or -1.
template <typename Cells>
int PartnerOf(const Cells& cells, int a) {
  const std::string& t = cells[static_cast<size_t>(a)].text;
  if (t.size() != 1) return -1;
  int partner = -1;
  for (int b : PeerTable()[static_cast<size_t>(a)])
    if (cells[static_cast<size_t>(b)].text == t) partner = b;
  return partner;
}

}  // namespace

void SmallBoard::SetTable(const std::string& text) {
  for (SmallCell& c : cells_) c.kind = 3;
  for (size_t i = 0; i < cells_.size(); ++i) {
    // A short text leaves its missing cells blank.
    const char ch = i < text.size() ? text[i] : '*';
    if (ch == '0' || ch == '*') {
      cells_[i].text = "123456789";
      cells_[i].kind = 3;
    } else {
      cells_[i].text = std::string(1, ch);
      cells_[i].kind = 2;
    }
  }
}

void SmallBoard::MarkConflicts() {
  int first = -1, partner = -1;
  for (int a = 0; a < kCells && first < 0; ++a) {
    if (const int p = PartnerOf(cells_, a); p >= 0) {
      first = a;
      partner = p;
    }
  }
  for (SmallCell& c : cells_) c.isError = false;
  if (first >= 0) {
    cells_[static_cast<size_t>(first)].isError = true;
    cells_[static_cast<size_t>(partner)].isError = true;
  }
}

bool SmallBoard::DuplicateFree() const {
  for (int a = 0; a < kCells; ++a)
    if (PartnerOf(cells_, a) >= 0) return false;
  return true;
}

void SmallBoard::ClearTexts() {
  for (SmallCell& c : cells_) c.text.clear();
}
