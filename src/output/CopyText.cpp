#include "output/CopyText.h"

#include "core/Board.h"

namespace {

bool IsDigit(char ch) { return ch >= '1' && ch <= '9'; }

// The single digit of a Given or Placed cell, 0 for an Open cell or a
// digit string that is not one digit (so no content can widen a line).
char ValueOf(const Cell& cell) {
  if (cell.isOpen() || cell.digits.size() != 1 || !IsDigit(cell.digits[0])) return 0;
  return cell.digits[0];
}

// The digits 1..9 of the cell's digit string, each once, as stored: at
// most nine characters whatever the string holds.
std::string DigitsOf(const Cell& cell) {
  std::string out;
  bool seen[10] = {};
  for (char ch : cell.digits) {
    if (!IsDigit(ch) || seen[ch - '0']) continue;
    seen[ch - '0'] = true;
    out += ch;
  }
  return out;
}

// Border, three bands of three rows with separators between them, border.
std::vector<std::string> BoxedLines(const Board& board, std::size_t cellWidth, bool candidates) {
  const std::string dashes(cellWidth * 3, '-');
  // Built by appending: GCC 12 at -O3 misreads operator+ on a literal as an
  // overlapping copy and -Werror stops the build.
  std::string border(cellWidth * 9 + 4, '-');
  border.front() = '*';
  border.back() = '*';
  std::string separator = "|";
  separator.append(dashes).append("+").append(dashes).append("+").append(dashes).append("|");
  std::vector<std::string> lines{border};
  for (int row = 1; row <= 9; ++row) {
    std::string line = "|";
    for (int col = 1; col <= 9; ++col) {
      const Cell& cell = board.at(row, col);
      std::string text;
      if (candidates) text = DigitsOf(cell);
      else if (const char value = ValueOf(cell)) text = std::string(1, value);
      line += PadLeft(text.empty() ? "." : text, cellWidth, ' ');
      if (col % 3 == 0) line += '|';
    }
    lines.push_back(std::move(line));
    if (row == 3 || row == 6) lines.push_back(separator);
  }
  lines.push_back(border);
  return lines;
}

}  // namespace

std::string PadLeft(std::string_view text, std::size_t width, char fill) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), fill);
  out += text;
  return out;
}

bool PrepareBoardForCopy(Board& board) {
  bool changed = false;
  for (int index = 0; index < 81; ++index) {
    Cell& cell = board.cell(index);
    if (!cell.isOpen() || !cell.digits.empty()) continue;
    cell.digits = board.FreeDigits(cell.row, cell.col);
    changed = true;
  }
  return changed;
}

std::vector<std::string> CopyLayoutLines(const Board& board, CopyLayout layout) {
  switch (layout) {
    case CopyLayout::NoCandidate:
      return BoxedLines(board, 5, false);
    case CopyLayout::WithCandidates:
      return BoxedLines(board, 10, true);
    case CopyLayout::Grid9x9:
    case CopyLayout::Line81: {
      const bool grid = layout == CopyLayout::Grid9x9;
      std::vector<std::string> lines(grid ? 9 : 1);
      for (int index = 0; index < 81; ++index) {
        const char value = ValueOf(board.cell(index));
        lines[grid ? static_cast<std::size_t>(index / 9) : 0] += value ? value : grid ? '*' : '0';
      }
      return lines;
    }
  }
  return {};
}

std::string CopyLayoutText(const Board& board, CopyLayout layout) {
  std::string text;
  for (const std::string& line : CopyLayoutLines(board, layout)) {
    if (!text.empty()) text += '\n';
    text += line;
  }
  return text;
}
