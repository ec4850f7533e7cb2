#include "main/StepLog.h"

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
      // A file may hold blanks before a comma too.
      while (strict && !token.empty() && static_cast<unsigned char>(token.back()) <= ' ') token.remove_suffix(1);
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

void Tfrmstep::ClearSteps(const Board& board) {
  memostep.clear();
  RecordStep(board);
  StepIndex = 0;
}

void Tfrmstep::RecordStep(const Board& board) {
  std::string snapshot = BoardToStep(board);
  if (snapshot == CurrentLine()) return;
  DropStepsAfter(StepIndex);
  memostep.push_back(std::move(snapshot));
  StepIndex = static_cast<int>(memostep.size()) - 1;
}

void Tfrmstep::DropStepsAfter(int index) {
  while (static_cast<int>(memostep.size()) > index + 1 && !memostep.empty()) memostep.pop_back();
}

const std::string& Tfrmstep::CurrentLine() const {
  static const std::string none;
  if (StepIndex < 0 || StepIndex >= static_cast<int>(memostep.size())) return none;
  return memostep[static_cast<size_t>(StepIndex)];
}
