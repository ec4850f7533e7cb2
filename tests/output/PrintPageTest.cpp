#include <gtest/gtest.h>

#include <algorithm>

#include "core/Board.h"
#include "core/StepLine.h"
#include "output/PrintPage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/LanguageTable.h"

namespace {

// (1,1) given 5, (1,2) placed 7, (1,3) open with candidates 1 and 3, every
// other cell open without candidates.
Board SampleBoard() {
  Board b;
  std::string line = "15,27,313";
  for (int i = 3; i < 81; ++i) line += ",3";
  EXPECT_TRUE(StepToBoard(b, line));
  return b;
}

}  // namespace

// The whole page of each style and size: tests/fixtures/print, GoldenFilesTest.

TEST(PrintPage, PageCarriesTheBoardAndTheTablesHeading) {
  const Board b = SampleBoard();
  const LanguageTable english({"frmprintselect.sudoku=<b>Sudoku</b><br>", "frmprintselect.sudokuby=<i>by us</i>"});
  for (const LanguageTable* table : {&english, &BuiltinJapanese()}) {
    for (PrintStyle style : {PrintStyle::Normal, PrintStyle::Candidates}) {
      Tfrmprint g(style, PaperSize::A3);
      g.PrepareTemplate(table->LookupText(kPrintHeadingKey), table->LookupText(kPrintBylineKey));
      const std::vector<std::string> page = g.Generate(b);
      ASSERT_EQ(page.size(), 201u);
      EXPECT_EQ(page[9],
                "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf8\"></head><body bgcolor=\"white\">");
      EXPECT_EQ(page[12], table->LookupText("frmprintselect.sudoku"));
      EXPECT_EQ(page[13], table->LookupText("frmprintselect.sudokuby"));
      // Every marker became its cell, in place; the template keeps its markers.
      for (size_t i = 0; i < page.size(); ++i) {
        const std::string& marker = g.Memo_model()[i];
        EXPECT_FALSE(page[i].starts_with("node")) << i;
        if (marker.starts_with("node")) {
          EXPECT_EQ(page[i], g.CellElement(b.at(marker[4] - '0', marker[5] - '0'))) << i;
        }
      }
      const long withCandidates =
          std::count_if(page.begin(), page.end(), [](const std::string& l) { return l.ends_with(">13 &nbsp;</td>"); });
      EXPECT_EQ(withCandidates, style == PrintStyle::Candidates ? 1 : 0);
    }
  }
  EXPECT_NE(BuiltinJapanese().LookupText(kPrintHeadingKey).find("数独"), std::string::npos);
}
