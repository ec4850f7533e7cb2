#pragma once
// Tests set up boards, logs and paint that play could reach only through
// many presses; the game's state is otherwise the game's own.

#include "main/Game.h"

class GameTestAccess {
 public:
  static Board& board(Game& g) { return g.board_; }
  static Tfrmstep& steps(Game& g) { return g.steps_; }
  static MarkingTable& marking(Game& g) { return g.marking_; }
  static TQJ& QJ1(Game& g) { return g.QJ1_; }
  static std::string& BranchBoard(Game& g) { return g.BranchBoard_; }
};
