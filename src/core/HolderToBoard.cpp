#include "core/HolderToBoard.h"

#include "core/Board.h"
#include "core/TQJ.h"

void LoadBoardFromHolder(Board& board, const TQJ& holder, bool withCandidates) {
  for (int i = 0; i < kCells; ++i) {
    Cell& c = board.cell(i);
    const TNode& n = holder.node(i);
    if (n.isGiven) {
      c.state = CellState::Given;
      c.digits = std::string(1, static_cast<char>('0' + n.digit));
    } else {
      c.state = CellState::Open;
      if (withCandidates) c.digits = "123456789";
    }
    c.isError = false;
  }
  if (!withCandidates) return;
  board.FillOpenCandidates();
}
