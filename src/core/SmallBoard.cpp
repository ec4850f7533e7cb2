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
  const ConflictPair pair = FindConflict(SingleChars(cells_));
  for (SmallCell& c : cells_) c.isError = false;
  if (pair.first >= 0) {
    cells_[static_cast<size_t>(pair.first)].isError = true;
    cells_[static_cast<size_t>(pair.partner)].isError = true;
  }
}

bool SmallBoard::DuplicateFree() const { return FindConflict(SingleChars(cells_)).first < 0; }

bool SmallBoard::HasConflict() const {
  for (const SmallCell& c : cells_)
    if (c.isError) return true;
  return false;
}

void SmallBoard::ClearTexts() {
  for (SmallCell& c : cells_) c.text.clear();
}
