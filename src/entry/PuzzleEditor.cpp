#include "entry/PuzzleEditor.h"

#include "core/Board.h"
#include "core/Tfrm_sol.h"

void ClearEditor(Board& editor) {
  for (int i = 0; i < kCells; ++i) {
    Cell& c = editor.cell(i);
    c.state = CellState::Open;
    c.digits = "123456789";
  }
  editor.MarkConflicts();
}

void EditorPlaceDigit(Board& editor, int index, int d) {
  Cell& c = editor.cell(index);
  if (!c.isOpen() || d < 1 || d > 9) return;
  c.state = CellState::Placed;
  c.digits = std::string(1, static_cast<char>('0' + d));
  editor.RemoveDigitFromPeers(c.row, c.col);
  editor.MarkConflicts();
}

void EditorClearCell(Board& editor, int index) {
  Cell& c = editor.cell(index);
  const std::string old = c.digits;
  c.state = CellState::Open;
  c.digits = editor.FreeDigits(c.row, c.col);
  // Only a placed digit has something to give back; an open cell's old
  // candidates are not one digit and would be appended to peers as a run.
  if (old.size() == 1) editor.RestoreDigitToPeers(c.row, c.col, old);
  editor.MarkConflicts();
}

void LoadEditorFromBoard(Board& editor, const Board& main) {
  for (int i = 0; i < kCells; ++i) {
    const std::string& s = main.cell(i).digits;
    Cell& c = editor.cell(i);
    c.isError = false;
    if (s.size() == 1) {
      c.state = CellState::Placed;
      c.digits = s;
    } else {
      c.state = CellState::Open;
    }
  }
  editor.FillOpenCandidates();
}

std::string EditorPuzzleString(const Board& editor) {
  std::string out;
  out.reserve(kCells);
  for (int i = 0; i < kCells; ++i) {
    const std::string& s = editor.cell(i).digits;
    out += s.size() == 1 ? s[0] : '*';
  }
  return out;
}

EditorCheckResult CheckEditorPuzzle(const Board& editor, Tfrm_sol& solver) {
  const std::string puzzle = EditorPuzzleString(editor);
  EditorCheckResult r;
  if (puzzle.find('*') == std::string::npos) {
    if (solver.SetTableAndCheck(puzzle)) {
      r.status = SolutionCount::One;
      r.solution = puzzle;
    }
    return r;
  }
  Tfrm_sol::CountResult count = solver.CountSolutions(puzzle);
  r.status = count.result;
  if (r.status == SolutionCount::One) r.solution = std::move(count.first);
  return r;
}

std::string WebSolverAddress(const Board& editor) {
  return std::string(kWebSolverPage) + "?bd=" + EditorPuzzleString(editor);
}
