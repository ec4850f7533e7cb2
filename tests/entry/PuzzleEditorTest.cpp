#include <gtest/gtest.h>

#include "core/Board.h"
#include "core/Tfrm_sol.h"
#include "entry/ImportText.h"
#include "entry/PuzzleEditor.h"
#include "core/StepLine.h"
#include "output/CopyText.h"
#include "support/TestPuzzles.h"

namespace {

// The bench puzzle's clues: unique, with kSolution as its solution.
const std::string kSparse = "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*";

// The editor's own digits, "*" for every open cell (whatever its candidates).
std::string PlacedOf(const Board& b) {
  std::string out;
  for (int i = 0; i < 81; ++i) out += b.cell(i).isOpen() ? '*' : b.cell(i).digits[0];
  return out;
}

Board EditorWith(const std::string& puzzle) {
  Board b;
  FillEditorFromString(b, puzzle);
  return b;
}

}  // namespace

TEST(PuzzleEditor, CheckAnswersOneNoneOrSeveral) {
  Tfrm_sol solver;
  Board empty;
  ClearEditor(empty);
  EXPECT_EQ(CheckEditorPuzzle(empty, solver).status, SolutionCount::Several);

  const EditorCheckResult unique = CheckEditorPuzzle(EditorWith(kSparse), solver);
  EXPECT_EQ(unique.status, SolutionCount::One);
  EXPECT_EQ(unique.solution, kSolution);

  // Two 5s in row 1: refused without any search.
  EXPECT_EQ(CheckEditorPuzzle(EditorWith("55" + std::string(79, '*')), solver).status, SolutionCount::None);

  // A full grid is its own solution, unless two of its digits clash.
  const EditorCheckResult full = CheckEditorPuzzle(EditorWith(kSolution), solver);
  EXPECT_EQ(full.status, SolutionCount::One);
  EXPECT_EQ(full.solution, kSolution);
  std::string clash = kSolution;
  std::swap(clash[0], clash[9]);  // columns stay whole, rows 1 and 2 clash
  const EditorCheckResult bad = CheckEditorPuzzle(EditorWith(clash), solver);
  EXPECT_EQ(bad.status, SolutionCount::None);
  EXPECT_EQ(bad.solution, "");

  // An open cell reduced to one candidate counts as a digit.
  Board reduced = EditorWith(kSolution);
  reduced.cell(40).state = CellState::Open;
  EXPECT_EQ(EditorPuzzleString(reduced), kSolution);
  reduced.cell(40).digits = "";
  EXPECT_EQ(CheckEditorPuzzle(reduced, solver).status, SolutionCount::One);
}

TEST(PuzzleEditor, PressesPlaceAndGiveBackDigits) {
  Board b;
  ClearEditor(b);
  EditorPlaceDigit(b, IndexOf(1, 1), 5);
  EditorPlaceDigit(b, IndexOf(1, 9), 5);  // a clash: both cells flagged
  EXPECT_EQ(b.at(1, 1).state, CellState::Placed);
  EXPECT_EQ(b.at(1, 5).digits, "12346789");
  EXPECT_TRUE(b.at(1, 1).isError && b.at(1, 9).isError);

  // Taking (1,9) back: the 5 stays out of row 1 (still held by (1,1)) but
  // returns to (9,9), a column peer no one else blocks, at the end.
  EditorClearCell(b, IndexOf(1, 9));
  EXPECT_EQ(b.at(1, 9).state, CellState::Open);
  EXPECT_EQ(b.at(1, 9).digits, "12346789");
  EXPECT_EQ(b.at(1, 5).digits, "12346789");
  EXPECT_EQ(b.at(9, 9).digits, "12346789" "5");
  EXPECT_FALSE(b.at(1, 1).isError);

  // Pressing an open cell recomputes it and appends nothing to its peers.
  b.at(2, 2).digits = "";
  EditorClearCell(b, IndexOf(2, 2));
  EXPECT_EQ(b.at(2, 2).digits, "12346789");
  EXPECT_EQ(b.at(2, 3).digits, "12346789");
}

TEST(PuzzleEditor, LoadTakesEverySingleDigitOfTheMainBoard) {
  Board main;
  FillEditorFromString(main, kSparse);
  for (int i = 0; i < 81; ++i)
    if (main.cell(i).state == CellState::Placed) main.cell(i).state = CellState::Given;
  main.at(1, 1).digits = "4";  // an open cell down to one candidate
  main.at(1, 2) = Cell{1, 2, "2", false, CellState::Placed};
  Board editor;
  ClearEditor(editor);
  LoadEditorFromBoard(editor, main);
  // Every one-character cell, (5,3) too: its only candidate is 4.
  ASSERT_EQ(main.at(5, 3).digits, "4");
  EXPECT_EQ(PlacedOf(editor), "42******3" + kSparse.substr(9, 29) + "4" + kSparse.substr(39));
  EXPECT_EQ(editor.at(1, 1).state, CellState::Placed);
  EXPECT_EQ(editor.at(1, 3).state, CellState::Open);
  EXPECT_EQ(editor.at(1, 3).digits, "16");  // free beside the loaded 4, 2 and 4
  // The address holds the digit of every single-digit cell, open ones too.
  editor.at(9, 9).digits = "6";
  const std::string address = WebSolverAddress(editor);
  EXPECT_EQ(address.substr(0, address.size() - 81), std::string(kWebSolverPage) + "?bd=");
  EXPECT_EQ(address.substr(address.size() - 81, 13), "42******3**72");
  EXPECT_EQ(address.back(), '6');
}

// What the copy window writes, the import window reads back.
TEST(CopyImportRoundTrip, EveryLayoutReadsBackItsBoard) {
  Board board;
  FillEditorFromString(board, kSparse);
  for (int i = 0; i < 81; ++i)
    if (board.cell(i).state == CellState::Placed) board.cell(i).state = CellState::Given;
  board.at(1, 1) = Cell{1, 1, "4", false, CellState::Placed};
  board.at(5, 5).digits = "3";  // an open cell down to one candidate is no digit in the plain layouts
  PrepareBoardForCopy(board);
  const std::string digits = PlacedOf(board);

  for (CopyLayout layout : {CopyLayout::NoCandidate, CopyLayout::Grid9x9, CopyLayout::Line81}) {
    Board editor;
    ClearEditor(editor);
    ImportIntoEditor(editor, CopyLayoutText(board, layout));
    EXPECT_EQ(PlacedOf(editor), digits) << static_cast<int>(layout);
    EXPECT_EQ(editor.at(1, 1).state, CellState::Placed);
    EXPECT_EQ(editor.at(5, 5).digits, "345789");
  }

  // With candidates (far more than 81 digits): every cell as it was, the
  // single candidate of (5,5) becoming an editor digit.
  Board editor;
  ClearEditor(editor);
  EXPECT_EQ(ImportIntoEditor(editor, CopyLayoutText(board, CopyLayout::WithCandidates)), kImportCandidateGrid);
  for (int i = 0; i < 81; ++i) EXPECT_EQ(editor.cell(i).digits, board.cell(i).digits) << i;
  EXPECT_EQ(editor.at(5, 5).state, CellState::Placed);
  EXPECT_EQ(editor.at(1, 2).state, CellState::Open);

  // An almost solved board has no more than 81 digits: read as a boxed grid.
  Board full;
  FillEditorFromString(full, kSolution);
  full.at(9, 9) = Cell{9, 9, "", false, CellState::Open};
  ClearEditor(editor);
  EXPECT_EQ(ImportIntoEditor(editor, CopyLayoutText(full, CopyLayout::WithCandidates)), kImportBoxedGrid);
  EXPECT_EQ(PlacedOf(editor), kSolution.substr(0, 80) + "*");
}

// The editor's presses by mouse and keyboard, and Ctrl+Z taking them back
// one by one: each row is one action, then the editor's digits and cursor.
TEST(PuzzleEditor, SessionPressesAndTakesBack) {
  Board b;
  ClearEditor(b);
  EditorSession s(b);
  const std::string blank(81, '*');
  auto with = [&](std::initializer_list<std::pair<int, char>> digits) {
    std::string out = blank;
    for (auto [i, d] : digits) out[static_cast<std::size_t>(i)] = d;
    return out;
  };
  enum Act { Move, Digit, Delete, Mouse, MouseCell, Clear, Back };
  const struct {
    Act act;
    int a, b;
    bool changed;
    std::string placed;
    int cursor;
  } script[] = {
      {Move, -1, -1, false, blank, IndexOf(4, 4)},
      {Move, 0, -4, false, blank, IndexOf(4, 9)},  // off the left edge, on at the right
      {Move, 6, 0, false, blank, IndexOf(1, 9)},   // off the bottom, on at the top
      {Digit, 5, 0, true, with({{8, '5'}}), IndexOf(1, 9)},
      {Digit, 6, 0, false, with({{8, '5'}}), IndexOf(1, 9)},  // a placed cell takes no digit
      {Move, 0, -1, false, with({{8, '5'}}), IndexOf(1, 8)},
      {Digit, 5, 0, false, with({{8, '5'}}), IndexOf(1, 8)},  // 5 is not among its candidates
      {Digit, 7, 0, true, with({{7, '7'}, {8, '5'}}), IndexOf(1, 8)},
      {Mouse, IndexOf(9, 9), 1, true, with({{7, '7'}, {8, '5'}, {80, '1'}}), IndexOf(1, 8)},
      {MouseCell, IndexOf(5, 5), 0, false, with({{7, '7'}, {8, '5'}, {80, '1'}}), IndexOf(1, 8)},  // open already
      {Delete, 0, 0, true, with({{8, '5'}, {80, '1'}}), IndexOf(1, 8)},
      {Delete, 0, 0, false, with({{8, '5'}, {80, '1'}}), IndexOf(1, 8)},
      {Clear, 0, 0, true, blank, IndexOf(1, 8)},
      {Clear, 0, 0, false, blank, IndexOf(1, 8)},  // nothing to clear: nothing kept
      {Back, 0, 0, true, with({{8, '5'}, {80, '1'}}), IndexOf(1, 8)},
      {Back, 0, 0, true, with({{7, '7'}, {8, '5'}, {80, '1'}}), IndexOf(1, 8)},
      {Back, 0, 0, true, with({{7, '7'}, {8, '5'}}), IndexOf(1, 8)},
      {Back, 0, 0, true, with({{8, '5'}}), IndexOf(1, 8)},
      {Back, 0, 0, true, blank, IndexOf(1, 8)},
      {Back, 0, 0, false, blank, IndexOf(1, 8)},
  };
  int row = 0;
  for (const auto& step : script) {
    SCOPED_TRACE(row++);
    bool changed = false;
    switch (step.act) {
      case Move: s.MoveCursor(step.a, step.b); break;
      case Digit: changed = s.PressDigitAtCursor(step.a); break;
      case Delete: changed = s.PressCellAtCursor(); break;
      case Mouse: changed = s.PressCandidate(step.a, step.b); break;
      case MouseCell: changed = s.PressCell(step.a); break;
      case Clear: changed = s.Change(ClearEditor); break;
      case Back: changed = s.TakeBack(); break;
    }
    EXPECT_EQ(changed, step.changed);
    EXPECT_EQ(PlacedOf(b), step.placed);
    EXPECT_EQ(s.Cursor(), step.cursor);
  }
  // A taken-back board has its candidates back as well as its digits.
  EXPECT_EQ(b.at(1, 1).digits, "123456789");

  // Only the most recent presses are kept.
  for (std::size_t i = 0; i < EditorSession::kMaxTakeBacks; ++i) {
    ASSERT_TRUE(s.PressDigitAtCursor(1));
    ASSERT_TRUE(s.PressCellAtCursor());
  }
  std::size_t kept = 0;
  while (s.TakeBack()) ++kept;
  EXPECT_EQ(kept, EditorSession::kMaxTakeBacks);
}
