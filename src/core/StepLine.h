#pragma once
// Step lines: one whole board as text, the unit of the move log, the branch
// snapshot and the replay files.
//
// A step line is 81 comma-separated tokens in reading order, each the cell's
// state digit followed by its digit string: "15" a clue 5, "27" a placed 7,
// "3129" an open cell with candidates 1, 2 and 9, "3" an open cell without.

#include <string>

class Board;
struct Cell;

std::string BoardToStep(const Board& board);

// Sets state and digits of the 81 cells from a line; nothing else changes.
// Tokens are read with blanks before a comma removed, and those after it (a
// blank before the first token fails the line), and a line
// with fewer than 81 tokens gives its last token to the remaining cells. A
// token that does not start with a state digit 1..3 (an empty one included)
// fails the whole line: the board is then left exactly as it was.
bool StepToBoard(Board& board, const std::string& line);
// The same for a line read from a file, which the program wrote whole: it
// must hold exactly 81 tokens (blanks around commas allowed), so a cut line
// is refused instead of being completed with made-up cells.
bool StepToBoardStrict(Board& board, const std::string& line);

// A Given or Placed cell holds exactly one digit 1..9; an Open cell holds
// distinct digits 1..9, possibly none. Anything else came from a damaged file.
bool CellDigitsValid(const Cell& cell);
bool BoardDigitsValid(const Board& board);
