#include <gtest/gtest.h>

#include <sstream>

#include "core/Board.h"
#include "entry/ImportText.h"
#include "core/StepLine.h"
#include "output/CopyText.h"

namespace {

// The editor as "Clear Grid" leaves it.
Board ClearedEditor() {
  Board b;
  for (int i = 0; i < 81; ++i) {
    b.cell(i).state = CellState::Open;
    b.cell(i).digits = "123456789";
  }
  return b;
}

// Placed digits, '.' for open cells: what the layouts without candidates carry.
std::string PlacedOf(const Board& b) {
  std::string out;
  for (int i = 0; i < 81; ++i) out += b.cell(i).state == CellState::Placed ? b.cell(i).digits : ".";
  return out;
}

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* line : lines) out += std::string(line) + "\n";
  return out;
}

const std::string kExample1Placed =
    ".86..9.....32.......2..49.3..4........5...7..697.4123...8.5...1..176.....59.....6";
const std::string kSolution =
    "426875913357291864819346257231687549574139628968452731742963185693518472185724396";
const std::string kGridPlaced =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// A boxed grid drawn with '.' corners, ':' and '\'' joints.
const std::string kDottedBorderGrid = Lines({
    ".-------.-------.-------.", "| 5 3 . | . 7 . | . . . |", "| 6 . . | 1 9 5 | . . . |",
    "| . 9 8 | . . . | . 6 . |", ":-------+-------+-------:", "| 8 . . | . 6 . | . . 3 |",
    "| 4 . . | 8 . 3 | . . 1 |", "| 7 . . | . 2 . | . . 6 |", ":-------+-------+-------:",
    "| . 6 . | . . . | 2 8 . |", "| . . . | 4 1 9 | . . 5 |", "| . . . | . 8 . | . 7 9 |",
    "'-------'-------'-------'"});
const std::string kBoxDrawingGrid = Lines({
    "┌───────┬───────┬───────┐", "│ 5 3 . │ . 7 . │ . . . │", "│ 6 . . │ 1 9 5 │ . . . │",
    "│ . 9 8 │ . . . │ . 6 . │", "├───────┼───────┼───────┤", "│ 8 . . │ . 6 . │ . . 3 │",
    "│ 4 . . │ 8 . 3 │ . . 1 │", "│ 7 . . │ . 2 . │ . . 6 │", "├───────┼───────┼───────┤",
    "│ . 6 . │ . . . │ 2 8 . │", "│ . . . │ 4 1 9 │ . . 5 │", "│ . . . │ . 8 . │ . 7 9 │",
    "└───────┴───────┴───────┘"});

// One row of the board as step tokens.
std::string StepRow(const Board& b, int row) {
  std::string out;
  for (int col = 1; col <= 9; ++col)
    out += (col > 1 ? "," : "") + std::to_string(static_cast<int>(b.at(row, col).state)) + b.at(row, col).digits;
  return out;
}

std::vector<std::string> SplitLf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(ImportText, LayoutIsTheFirstPassThatFits) {
  const std::string ex1 = ImportExampleText(1);
  std::string nineByNine;  // '0' for blanks, 89 characters with the line breaks
  for (int r = 0; r < 9; ++r) nineByNine += ex1.substr(static_cast<size_t>(r) * 9, 9) + (r < 8 ? "\n" : "");
  std::string spaced = ex1, kanji;
  for (char& ch : spaced) ch = ch == '0' ? ' ' : ch;
  for (char ch : ex1) kanji += ch == '0' ? std::string("空") : std::string(1, ch);
  std::string zeroBoxed = ImportExampleText(3);
  for (char& ch : zeroBoxed) ch = ch == '.' ? '0' : ch;

  const std::vector<std::pair<std::string, int>> cases = {
      {ex1, 1}, {ImportExampleText(2), 2}, {ImportExampleText(3), 3}, {ImportExampleText(4), 4},
      {nineByNine, 2},      // 81 non-blank characters, not 81 characters
      {spaced, 1},          // spaces inside a single line
      {kanji, 1},           // characters, not bytes
      {ex1 + "\n", 2},      // the line break makes 82 characters
      {zeroBoxed, 0},       // '0' is decoration in a boxed grid: too few marks
      {kDottedBorderGrid, 3}, {kBoxDrawingGrid, 3},
      {"", 0}, {std::string(81, '\0') + "x", 0}, {"hello", 0}};
  for (const auto& [text, layout] : cases) EXPECT_EQ(DetectImportLayout(text), layout) << text;
}

// A candidate grid whose digits do not pass 81 is no candidate grid: it is a
// boxed grid only with exactly 81 marks.
TEST(ImportText, AlmostSolvedCandidateGridNeedsExactly81Marks) {
  Board solved;
  for (int i = 0; i < 81; ++i) {
    solved.cell(i).state = CellState::Given;
    solved.cell(i).digits = std::string(1, kSolution[static_cast<size_t>(i)]);
  }
  auto copied = [&](const char* first, const char* second) {
    Board b = solved;
    b.cell(0).state = b.cell(1).state = CellState::Open;
    b.cell(0).digits = first;
    b.cell(1).digits = second;
    std::string text;
    for (const std::string& line : CopyLayoutLines(b, CopyLayout::WithCandidates)) text += line + "\n";
    return text;
  };
  const std::string twoOpen = copied("", "");  // 79 digits, 81 marks
  EXPECT_EQ(DetectImportLayout(twoOpen), kImportBoxedGrid);
  Board editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, twoOpen), kImportBoxedGrid);
  EXPECT_EQ(PlacedOf(editor), ".." + kSolution.substr(2));
  EXPECT_EQ(DetectImportLayout(copied("", "12")), kImportInvalid);         // 81 digits, 82 marks
  EXPECT_EQ(DetectImportLayout(copied("4", "12")), kImportCandidateGrid);  // 82 digits
}

TEST(ImportText, PlainLayoutsPlaceDigitsAndOpenTheRest) {
  Board editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, ImportExampleText(1)), kImportSingleLine);
  EXPECT_EQ(PlacedOf(editor), kExample1Placed);
  // Open cells get the digits free for them, not what the editor held.
  EXPECT_EQ(BoardToStep(editor).substr(0, 44), "31457,28,26,3135,3137,29,3145,312457,32457,3");

  // A blank at the start is a cell: nothing shifts.
  editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, " " + ImportExampleText(1).substr(1)), kImportSingleLine);
  EXPECT_EQ(PlacedOf(editor), kExample1Placed);

  // Any non-digit is a blank in a plain grid, a kanji as well.
  editor = ClearedEditor();
  std::string text = ImportExampleText(2);
  text.replace(0, 1, "空");
  text[5] = '0';
  text[6] = 'x';
  ASSERT_EQ(ImportIntoEditor(editor, text), kImportPlainGrid);
  EXPECT_EQ(PlacedOf(editor), ".8......7....96.....2..3..........9...9...56....1....44............5..3.71.8.....");

  for (const std::string& grid : {kDottedBorderGrid, kBoxDrawingGrid}) {
    editor = ClearedEditor();
    ASSERT_EQ(ImportIntoEditor(editor, grid), kImportBoxedGrid);
    EXPECT_EQ(PlacedOf(editor), kGridPlaced);
  }
}

TEST(ImportText, CandidateGridReadsEveryCellAsWritten) {
  Board editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, ImportExampleText(4)), kImportCandidateGrid);
  // Single digits become placed digits; candidates are kept, not recomputed.
  EXPECT_EQ(BoardToStep(editor),
            "25,313789,32389,3123479,3379,26,323478,323479,3234789,312379,313679,32369,31234579,33579,28,3234567,"
            "3234679,32345679,32379,336789,24,323579,33579,32379,3235678,323679,21,33479,3345789,21,3346789,22,"
            "33479,334567,334679,3345679,26,33479,3239,313479,3379,25,312347,28,323479,323479,3345789,323589,"
            "31346789,336789,313479,31234567,31234679,32345679,28,313469,27,32369,3369,3239,312346,25,32346,313,"
            "31356,3356,3235678,24,3237,29,312367,323678,3349,22,33569,3356789,21,3379,334678,33467,334678");

  // Three data lines, the first without a leading '|', the third cut short:
  // its last token ends the line, and every missing cell is open and empty.
  std::vector<std::string> lines = SplitLf(ImportExampleText(4));
  const std::string text = lines[0] + "\n" + lines[1].substr(10) + "\n" + lines[2] + "\n" + lines[3].substr(0, 41);
  editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, text), kImportCandidateGrid);
  EXPECT_EQ(StepRow(editor, 1), "25,313789,32389,3123479,3379,26,323478,323479,3234789");
  EXPECT_EQ(StepRow(editor, 3), "32379,336789,24,32357,3,3,3,3,3");
  EXPECT_EQ(StepRow(editor, 9), "3,3,3,3,3,3,3,3,3");
}

TEST(ImportText, TokensKeepEachDigitOnceAndSkipBorders) {
  const std::string text = Lines({".-----.-----.", "1.3|3113 .  5", "|-----+-----|", "12 .. 0 7"});
  EXPECT_EQ(ReadCandidateToken(text, 1, 1), "13");
  EXPECT_EQ(ReadCandidateToken(text, 1, 2), "31");
  EXPECT_EQ(ReadCandidateToken(text, 1, 3), "");
  EXPECT_EQ(ReadCandidateToken(text, 1, 4), "5");
  EXPECT_EQ(ReadCandidateToken(text, 1, 5), "");
  EXPECT_EQ(ReadCandidateToken(text, 2, 1), "12");
  EXPECT_EQ(ReadCandidateToken(text, 2, 2), "");
  EXPECT_EQ(ReadCandidateToken(text, 2, 3), "7");  // '0' separates tokens
  EXPECT_EQ(ReadCandidateToken(text, 3, 1), "");
}

TEST(ImportText, InvalidOrHostileTextNeverChangesTheBoardOrCrashes) {
  Board editor = ClearedEditor();
  ImportIntoEditor(editor, ImportExampleText(4));
  const std::string before = BoardToStep(editor);
  for (const std::string& text : {std::string("hello"), std::string(), std::string("\xE3\x81", 2),
                                  std::string(5000, '\0'), std::string(100000, '\xFF')}) {
    EXPECT_EQ(ImportIntoEditor(editor, text), kImportInvalid);
    EXPECT_EQ(BoardToStep(editor), before);
  }
  // Arbitrary bytes, NULs and broken UTF-8 included, are classified.
  std::string noise;
  std::uint32_t seed = 12345;
  for (int i = 0; i < 1 << 20; ++i) noise += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
  EXPECT_EQ(ImportIntoEditor(editor, noise), kImportCandidateGrid);

  // One enormous line: a single token for cell (1,1).
  std::string huge;
  for (int i = 0; i < 200000; ++i) huge += "987654321";
  editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, huge), kImportCandidateGrid);
  EXPECT_EQ(BoardToStep(editor).substr(0, 14), "3987654321,3,3");
}

TEST(ImportText, BytesBecomeLfTextOfWholeCharacters) {
  EXPECT_EQ(ImportTextFromBytes("\xEF\xBB\xBF" "1\r\n2\r3\n"), "1\n2\n3\n");
  EXPECT_EQ(ImportTextFromBytes("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  // A kanji or a replaced byte is one cell of a single line.
  std::string text = ImportTextFromBytes("\xFF" + ImportExampleText(1).substr(1));
  Board editor = ClearedEditor();
  ASSERT_EQ(ImportIntoEditor(editor, text), kImportSingleLine);
  EXPECT_EQ(PlacedOf(editor), kExample1Placed);
}

TEST(ImportText, FullWidthDigitsFullStopAndIdeographicSpaceReadAsAscii) {
  struct Case {
    std::string bytes, text;
  };
  const std::vector<Case> cases = {
      {"\xEF\xBC\x90\xEF\xBC\x91\xEF\xBC\x99", "019"},      // ０１９
      {"\xEF\xBC\x8E", "."},                                // ．
      {"\xE3\x80\x80", " "},                                // the ideographic space
      {"1\xE3\x80\x80\xEF\xBC\x92\r\n\xEF\xBC\x8E", "1 2\n."},
      {"\xEF\xBD\x81\xE3\x80\x81", "\xEF\xBD\x81\xE3\x80\x81"},  // ａ and 、 stay as they are
      {"\xEF\xBC\x8F", "\xEF\xBC\x8F"},                     // ／, next to ．, stays
      {"\xEF\xBC", "\xEF\xBF\xBD\xEF\xBF\xBD"},             // a cut sequence is no digit
  };
  for (const Case& c : cases) EXPECT_EQ(ImportTextFromBytes(c.bytes), c.text) << c.bytes;

  // A whole puzzle typed with an input method: the single-line layout.
  std::string wide;
  for (char c : std::string(".2.8.5.1.") + std::string(72, '.'))
    wide += c == '.' ? std::string("\xEF\xBC\x8E") : std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0'));
  Board editor = ClearedEditor();
  EXPECT_EQ(ImportIntoEditor(editor, ImportTextFromBytes(wide)), kImportSingleLine);
  EXPECT_EQ(PlacedOf(editor), ".2.8.5.1." + std::string(72, '.'));
}

TEST(ImportText, CellsFoundInATextOfNoLayout) {
  struct Case {
    std::string text;
    std::size_t cells;
  };
  const std::vector<Case> cases = {
      {std::string(80, '5'), 80},
      {"123456789\n123456789\n123456789\n123456789\n123456789\n123456789\n123456789\n123456789\n1234.678", 80},
      {".----.----.\n|12 3|.4  |\n'----'----'", 5},  // border dots are not cells
      {"hello", 0},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ImportCellsFound(c.text), c.cells) << c.text;
}
