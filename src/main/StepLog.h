#pragma once
// The move log: whole-board snapshots, one text line per step, that serve as
// undo/redo, as the branch snapshot and as the body of replay files.
//
// A step line is 81 comma-separated tokens in reading order, each the cell's
// state digit followed by its digit string: "15" a clue 5, "27" a placed 7,
// "3129" an open cell with candidates 1, 2 and 9, "3" an open cell without.

#include <string>
#include <vector>

class Board;

std::string BoardToStep(const Board& board);

// Sets state and digits of the 81 cells from a line; nothing else changes.
// Tokens after the first are read with surrounding blanks removed, and a line
// with fewer than 81 tokens gives its last token to the remaining cells. A
// token that does not start with a state digit 1..3 (an empty one included)
// fails the whole line: the board is then left exactly as it was.
bool StepToBoard(Board& board, const std::string& line);
// The same for a line read from a file, which the program wrote whole: it
// must hold exactly 81 tokens (blanks around commas allowed), so a cut line
// is refused instead of being completed with made-up cells.
bool StepToBoardStrict(Board& board, const std::string& line);

class Tfrmstep {
 public:
  // Empties the log and records the board as its only line.
  void ClearSteps(const Board& board);
  // Appends the board unless it equals the line shown; lines ahead of the
  // shown one are dropped first.
  void RecordStep(const Board& board);
  // Deletes the lines after index (none when there are none).
  void DropStepsAfter(int index);

  void StepFirst() { StepIndex = 0; }
  void StepBack() { --StepIndex; }
  void StepNext() { ++StepIndex; }
  void StepLast() { StepIndex = static_cast<int>(memostep.size()) - 1; }
  bool IsAtFirst() const { return StepIndex == 0; }
  bool IsAtLast() const { return static_cast<int>(memostep.size()) == StepIndex + 1; }

  // The line at StepIndex, or "" when there is none.
  const std::string& CurrentLine() const;

  std::vector<std::string> memostep;  // oldest first
  int StepIndex = 0;
};
