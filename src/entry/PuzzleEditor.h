#pragma once
// The puzzle editor's rules on its own board: presses that place and take
// back digits, clearing, taking over the main board, the solution-count
// check before a puzzle is played, and the web-solver address. The editor
// uses only Placed cells (the player's digits, clues once played) and Open
// cells whose candidates follow from the placed digits.

#include <string>

#include "core/Tfrm_sol.h"

class Board;

// Every cell Open with all nine candidates.
void ClearEditor(Board& editor);

// A press on candidate digit d of an Open cell: the cell takes d, its peers
// lose it; then the conflicts are marked.
void EditorPlaceDigit(Board& editor, int index, int d);

// A press on the cell itself: it becomes Open with its free digits, and its
// old digit goes back to the Open peers where it is free again.
void EditorClearCell(Board& editor, int index);

// "Load Puzzle": every main-board cell with exactly one digit (a given, a
// placed digit, an open cell down to one candidate) is placed, every other
// cell Open with its free digits.
void LoadEditorFromBoard(Board& editor, const Board& main);

// The puzzle as the solver takes it: the digit of every cell whose digit
// string is one character, "*" for every other.
std::string EditorPuzzleString(const Board& editor);

struct EditorCheckResult {
  SolutionCount status = SolutionCount::None;  // None also for clashing digits
  std::string solution;                        // the solution when status is One
};

// Check and Play's check: a full grid is its own solution when nothing
// clashes (the search would call it unsolved); any other grid is counted.
EditorCheckResult CheckEditorPuzzle(const Board& editor, Tfrm_sol& solver);

// The hidden link button's address: the web solver page with the puzzle as
// query "bd".
inline constexpr char kWebSolverPage[] = "https://www.sudokuwiki.org/sudoku.htm";
std::string WebSolverAddress(const Board& editor);
