#pragma once
// A long game for the benchmarks: the log grows, one more placed digit per
// line, until it holds n lines, all different.

#include <cstddef>
#include <string>
#include <vector>

#include "main/Game.h"
#include "core/StepLine.h"
#include "support/GameTestAccess.h"

inline void GrowLog(Game& game, std::size_t n) {
  std::vector<std::string>& log = GameTestAccess::steps(game).memostep;
  Board board = GameTestAccess::board(game);
  for (int i = 1; log.size() < n; ++i) {
    Cell& c = board.cell(i % kCells);
    if (c.state == CellState::Given) continue;
    c.state = CellState::Placed;
    c.digits = std::string(1, static_cast<char>('1' + i % 9));
    log.push_back(BoardToStep(board));
  }
}
