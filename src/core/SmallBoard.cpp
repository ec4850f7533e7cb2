#include "core/SmallBoard.h"

#include <array>

namespace {

// Each cell's text when it is one character, else 0: the duplicate scans run
// on every solution count, so they compare characters, not strings.
template <typename Cells>
std::array<char, kCells> SingleChars(const Cells& cells) {
  std::array<char, kCells> out{};
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = cells[i].text.size() == 1 ? cells[i].text[0] : '\0';
  return out;
}

// The partner of cell a: its last peer in reading order with the same
// one-character text, or -1.
int PartnerOf(const std::array<char, kCells>& chars, int a) {
  const char t = chars[static_cast<size_t>(a)];
  if (t == '\0') return -1;
  int partner = -1;
  for (int b : PeerTable()[static_cast<size_t>(a)])
    if (chars[static_cast<size_t>(b)] == t) partner = b;
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
  const auto chars = SingleChars(cells_);
  int first = -1, partner = -1;
  for (int a = 0; a < kCells && first < 0; ++a) {
    if (const int p = PartnerOf(chars, a); p >= 0) {
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
  const auto chars = SingleChars(cells_);
  for (int a = 0; a < kCells; ++a)
    if (PartnerOf(chars, a) >= 0) return false;
  return true;
}

bool SmallBoard::HasConflict() const {
  for (const SmallCell& c : cells_)
    if (c.isError) return true;
  return false;
}

void SmallBoard::ClearTexts() {
  for (SmallCell& c : cells_) c.text.clear();
}
