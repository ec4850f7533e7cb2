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

namespace {

bool SameCells(const Board& a, const Board& b) {
  for (int i = 0; i < kCells; ++i)
    if (a.cell(i).state != b.cell(i).state || a.cell(i).digits != b.cell(i).digits) return false;
  return true;
}

}  // namespace

void EditorSession::MoveCursor(int rows, int cols) { cursor_ = MoveWrapping(cursor_, rows, cols); }

bool EditorSession::PressCandidate(int index, int d) {
  const Cell& c = editor_.cell(index);
  if (!c.isOpen() || d < 1 || d > 9 || c.digits.find(static_cast<char>('0' + d)) == std::string::npos) return false;
  return Change([&](Board& b) { EditorPlaceDigit(b, index, d); });
}

bool EditorSession::PressCell(int index) {
  return Change([&](Board& b) { EditorClearCell(b, index); });
}

bool EditorSession::Change(const std::function<void(Board&)>& change) {
  Board before = editor_;
  change(editor_);
  return Keep(std::move(before));
}

bool EditorSession::Keep(Board before) {
  if (SameCells(before, editor_)) return false;
  // The oldest press goes once the limit is reached: a long session keeps
  // its recent history in bounded memory.
  if (before_.size() == kMaxTakeBacks) before_.erase(before_.begin());
  before_.push_back(std::move(before));
  return true;
}

bool EditorSession::TakeBack() {
  if (before_.empty()) return false;
  editor_ = std::move(before_.back());
  before_.pop_back();
  return true;
}
