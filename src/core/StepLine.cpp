#include "core/StepLine.h"

#include <array>
#include <string_view>

#include "core/Board.h"
#include "core/TQJ.h"

std::string BoardToStep(const Board& board) {
  std::string line;
  line.reserve(890);
  for (int i = 0; i < kCells; ++i) {
    if (i > 0) line += ',';
    const Cell& c = board.cell(i);
    line += static_cast<char>('0' + static_cast<int>(c.state));
    line += c.digits;
  }
  return line;
}

namespace {

bool DecodeStep(Board& board, const std::string& line, bool strict) {
  struct Decoded {
    CellState state;
    std::string digits;
  };
  // Views, not copies of the rest of the line: a replay of many steps
  // decodes in time linear in its length.
  std::array<Decoded, kCells> cells;
  std::string_view rest = line;
  for (Decoded& d : cells) {
    std::string_view token;
    if (const auto p = rest.find(','); p != std::string_view::npos) {
      token = rest.substr(0, p);
      // Blanks before a comma go as those after it do.
      while (!token.empty() && static_cast<unsigned char>(token.back()) <= ' ') token.remove_suffix(1);
      rest = TrimControlView(rest.substr(p + 1));
    } else {
      // The last token of the line; strictly, only the 81st may be.
      if (strict && &d != &cells.back()) return false;
      token = TrimControlView(rest);
      if (strict) rest = {};
    }
    if (token.empty() || token[0] < '1' || token[0] > '3') return false;
    d.state = static_cast<CellState>(token[0] - '0');
    d.digits = std::string(token.substr(1));
  }
  if (strict && !rest.empty()) return false;  // more than 81 tokens
  for (int i = 0; i < kCells; ++i) {
    board.cell(i).state = cells[static_cast<size_t>(i)].state;
    board.cell(i).digits = std::move(cells[static_cast<size_t>(i)].digits);
  }
  return true;
}

}  // namespace

bool StepToBoard(Board& board, const std::string& line) { return DecodeStep(board, line, false); }

bool StepToBoardStrict(Board& board, const std::string& line) { return DecodeStep(board, line, true); }

bool CellDigitsValid(const Cell& cell) {
  const std::string& d = cell.digits;
  if (cell.state != CellState::Open) return d.size() == 1 && d[0] >= '1' && d[0] <= '9';
  std::array<bool, 10> seen{};
  for (char ch : d) {
    if (ch < '1' || ch > '9') return false;
    bool& s = seen[static_cast<std::size_t>(ch - '0')];
    if (s) return false;
    s = true;
  }
  return true;
}

bool BoardDigitsValid(const Board& board) {
  for (int i = 0; i < kCells; ++i)
    if (!CellDigitsValid(board.cell(i))) return false;
  return true;
}
