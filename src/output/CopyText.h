#pragma once
// The copy window's four text layouts of a board. The window and
// `tessvar-cli copy` both call PrepareBoardForCopy, then CopyLayoutLines.
// Every layout reads back through the import window.

#include <string>
#include <string_view>
#include <vector>

class Board;

enum class CopyLayout : int {
  NoCandidate = 0,     // "No Candidate": 13 lines of 49 characters
  WithCandidates = 1,  // "With Candidates": 13 lines of 94 characters
  Grid9x9 = 2,         // "9*9": nine lines of nine, "*" for an open cell
  Line81 = 3           // "1*81": one line of 81, "0" for an open cell
};

// fill characters in front of text until it is width characters long; a
// longer text is left as it is.
std::string PadLeft(std::string_view text, std::size_t width, char fill);

// Done when the copy window opens: every Open cell whose digit string is
// empty gets the candidates FreeDigits computes for it. Answers whether any
// cell changed.
bool PrepareBoardForCopy(Board& board);

// The layout's lines, without line ends.
std::vector<std::string> CopyLayoutLines(const Board& board, CopyLayout layout);

// The clipboard text: the lines joined by LF, none after the last, so that
// "1*81" reads back as a single line of exactly 81 characters.
std::string CopyLayoutText(const Board& board, CopyLayout layout);
