#pragma once
// The puzzle editor's rules on its own board: presses that place and take
// back digits, clearing, taking over the main board, the solution-count
// check before a puzzle is played, and the web-solver address. The editor
// uses only Placed cells (the player's digits, clues once played) and Open
// cells whose candidates follow from the placed digits.

#include <functional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/Tfrm_sol.h"

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

// The editor's presses as a player makes them, by mouse or keyboard, each
// one kept so that Ctrl+Z can take it back; and the keyboard cursor.
class EditorSession {
 public:
  static constexpr std::size_t kMaxTakeBacks = 500;

  explicit EditorSession(Board& editor) : editor_(editor) {}

  int Cursor() const { return cursor_; }
  // Off one edge, on at the other, as on the main board.
  void MoveCursor(int rows, int cols);

  // A press on candidate d of a cell: only an open cell that shows d takes
  // it. A press on the cell gives it back. Each returns whether the board
  // changed; a press that changed nothing leaves nothing to take back.
  bool PressCandidate(int index, int d);
  bool PressCell(int index);
  // The keyboard: 1..9 as a press on that candidate of the cursor's cell,
  // Delete as a press on the cell.
  bool PressDigitAtCursor(int d) { return PressCandidate(cursor_, d); }
  bool PressCellAtCursor() { return PressCell(cursor_); }

  // A change of the whole board (Load Puzzle, Import, Clear Grid), kept as
  // one press when it changed anything.
  bool Change(const std::function<void(Board&)>& change);

  // Takes back the last kept press; false when there is none.
  bool TakeBack();
  bool CanTakeBack() const { return !before_.empty(); }

 private:
  bool Keep(Board before);

  Board& editor_;
  int cursor_ = IndexOf(5, 5);
  std::vector<Board> before_;  // the board before each kept press, oldest first
};
