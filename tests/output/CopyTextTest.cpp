#include <gtest/gtest.h>

#include "core/Board.h"
#include "entry/ImportText.h"
#include "core/StepLine.h"
#include "output/CopyText.h"

namespace {

// A board in play: (1,2) a given 8, other digits placed, (1,1) an open cell
// reduced to the one candidate 4, (1,4) an open cell with no candidates left.
const std::string kBoard =
    "34,18,26,3,3137,29,3145,312457,32457,314579,3147,23,22,3178,35678,314568,3145678,34578,3157,317,22,31568,3178,"
    "24,29,315678,23,31238,3123,24,335689,323789,3235678,31568,315689,3589,31238,3123,25,33689,32389,32368,27,"
    "314689,3489,26,29,27,358,24,21,22,23,358,32347,323467,28,3349,25,323,334,32479,21,3234,3234,21,27,26,3238,"
    "33458,324589,324589,32347,25,29,31348,31238,3238,3348,32478,26";

Board Prepared() {
  Board b;
  EXPECT_TRUE(StepToBoard(b, kBoard));
  EXPECT_TRUE(PrepareBoardForCopy(b));
  return b;
}

}  // namespace

TEST(CopyText, PreparingFillsOnlyEmptiedCells) {
  const Board b = Prepared();
  // The emptied cell got its free digits; nothing else changed.
  EXPECT_EQ(b.at(1, 4).digits, "135");
  EXPECT_EQ(b.at(1, 1).digits, "4");
  // The four layouts of this board: tests/fixtures/copy, GoldenFilesTest.
}

TEST(CopyText, WidthsHoldForAnyContent) {
  EXPECT_EQ(PadLeft("12", 5, ' '), "   12");
  EXPECT_EQ(PadLeft("123456", 5, ' '), "123456");
  Board b;
  const char* junk[] = {"", "55", "1123456789x", "<b>", "0", "  7", "\xE6\x95\xB0"};
  for (int i = 0; i < 81; ++i) {
    b.cell(i).state = static_cast<CellState>(1 + i % 3);
    b.cell(i).digits = junk[i % 7];
  }
  for (const auto& [layout, width, count] : {std::tuple{CopyLayout::NoCandidate, 49u, 13u},
                                             std::tuple{CopyLayout::WithCandidates, 94u, 13u},
                                             std::tuple{CopyLayout::Grid9x9, 9u, 9u},
                                             std::tuple{CopyLayout::Line81, 81u, 1u}}) {
    const std::vector<std::string> lines = CopyLayoutLines(b, layout);
    EXPECT_EQ(lines.size(), count);
    for (const std::string& line : lines) EXPECT_EQ(line.size(), width) << line;
  }
}

// What the copy window puts on the clipboard, the import window reads back.
TEST(CopyText, CopiesImportBack) {
  const Board b = Prepared();
  const std::string digits = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  for (const auto& [layout, read] :
       {std::pair{CopyLayout::NoCandidate, kImportBoxedGrid}, std::pair{CopyLayout::Grid9x9, kImportPlainGrid},
        std::pair{CopyLayout::Line81, kImportSingleLine}, std::pair{CopyLayout::WithCandidates, kImportCandidateGrid}}) {
    Board editor;
    ASSERT_EQ(ImportIntoEditor(editor, CopyLayoutText(b, layout)), read);
    for (int i = 0; i < 81; ++i) {
      const Cell& source = b.cell(i);
      const Cell& cell = editor.cell(i);
      if (layout == CopyLayout::WithCandidates) {
        // Every cell comes back as written: one digit a placed digit, the
        // open cell reduced to "4" included.
        EXPECT_EQ(cell.digits, source.digits) << i;
        EXPECT_EQ(cell.isOpen(), source.digits.size() != 1) << i;
      } else {
        EXPECT_EQ(cell.isOpen(), digits[static_cast<size_t>(i)] == '0') << i;
        if (!cell.isOpen()) { EXPECT_EQ(cell.digits, source.digits) << i; }
      }
    }
  }
  // The import window's boxed example is this very layout.
  const std::string example = ImportExampleText(3);
  EXPECT_EQ(example.substr(0, 3 * 95),
            "*--------------------------------------------------------------------------------------------*\n"
            "|         .         9         5|         .         .         3|         8         1         4|\n"
            "|         .         8         .|         .         .         2|         .         .         .|\n");
  EXPECT_EQ(example.substr(4 * 95, 94),
            "|------------------------------+------------------------------+------------------------------|");
}
