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

const std::string kOpenA4 =
    "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 7pt; color: black; "
    "width: 60px; height: 60px; text-align: left; vertical-align: top;\">";

}  // namespace

TEST(PrintPage, TemplateFrameAndOneMarkerPerCell) {
  for (const auto& [size, height] : {std::pair{PaperSize::A4, "60px"}, std::pair{PaperSize::A3, "100px"},
                                     std::pair{PaperSize::A2, "115px"}}) {
    const Tfrmprint generator(PrintStyle::Normal, size);
    const std::vector<std::string>& t = generator.Memo_model();
    ASSERT_EQ(t.size(), 201u);
    EXPECT_EQ(t[0], "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
    for (int empty : {1, 2, 3, 4, 6, 8}) EXPECT_EQ(t[static_cast<size_t>(empty)], "");
    EXPECT_EQ(t[5], "<html><head>");
    EXPECT_EQ(t[10], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
    EXPECT_EQ(t[11], "<tbody><tr><td colspan=\"2\" align=\"left\">");
    EXPECT_EQ(t[14], "</td></tr>");
    EXPECT_EQ(t[15], "<tr><td width=\"10\"></td><td valign=\"top\">");
    EXPECT_EQ(t[16], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">");
    EXPECT_EQ(t[17],
              "<tbody><tr><td style=\"font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); "
              "text-align: center;\">1</td>");
    EXPECT_EQ(t[25], "<td style=\"font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;\">9</td>");
    EXPECT_EQ(t[26], "</tr></tbody></table></td></tr>");
    EXPECT_EQ(t[27], "<tr><td rowspan=\"3\" width=\"10\">");
    EXPECT_EQ(t[28], "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
    EXPECT_EQ(t[29], std::string("<tbody><tr><td style=\"height: ") + height + ";\" valign=\"middle\">A</td></tr>");
    EXPECT_EQ(t[37], std::string("<tr><td style=\"height: ") + height + ";\" valign=\"middle\">I</td></tr>");
    EXPECT_EQ(t[38], "</tbody></table></td>");
    EXPECT_EQ(t[39], "<td valign=\"top\">");
    EXPECT_EQ(t[40], "<table style=\"border: 2px solid black;\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
    EXPECT_EQ(t[200], "</body></html>");
    for (int row = 1; row <= 9; ++row)
      for (int col = 1; col <= 9; ++col) {
        const std::string marker = "node" + std::to_string(row) + std::to_string(col);
        const auto at = std::find_if(t.begin(), t.end(), [&](const std::string& l) { return l.starts_with(marker); });
        ASSERT_NE(at, t.end()) << marker;
        EXPECT_GT(at - t.begin(), 38);
        EXPECT_EQ(std::count_if(t.begin(), t.end(), [&](const std::string& l) { return l.starts_with(marker); }), 1);
      }
    for (const char* box : {"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"})
      EXPECT_EQ(std::count_if(t.begin(), t.end(),
                              [&](const std::string& l) { return l.find(std::string("id=\"") + box + "\"") != l.npos; }),
                1)
          << box;
  }
}

TEST(PrintPage, CellElementsFollowStateStyleAndSize) {
  const Board b = SampleBoard();
  const Tfrmprint normal(PrintStyle::Normal, PaperSize::A4);
  const Tfrmprint candidates(PrintStyle::Candidates, PaperSize::A4);
  for (const Tfrmprint* g : {&normal, &candidates}) {
    EXPECT_EQ(g->CellElement(b.at(1, 1)),
              "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 22pt; color: black; "
              "width: 60px; height: 60px; text-align: center;\">5</td>");
    EXPECT_EQ(g->CellElement(b.at(1, 2)),
              "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 22pt; color: blue; "
              "width: 60px; height: 60px; text-align: center;\">7</td>");
    // An open cell without candidates is an empty cell in both styles.
    EXPECT_EQ(g->CellElement(b.at(1, 4)), kOpenA4 + " &nbsp;</td>");
  }
  EXPECT_EQ(candidates.CellElement(b.at(1, 3)), kOpenA4 + "13 &nbsp;</td>");
  EXPECT_EQ(normal.CellElement(b.at(1, 3)), kOpenA4 + " &nbsp;</td>");
  EXPECT_EQ(Tfrmprint(PrintStyle::Candidates, PaperSize::A3).CellElement(b.at(1, 3)),
            "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 15pt; color: black; "
            "width: 100px; height: 100px; text-align: left; vertical-align: top;\">13 &nbsp;</td>");
  EXPECT_EQ(Tfrmprint(PrintStyle::Normal, PaperSize::A2).CellElement(b.at(1, 2)),
            "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: 70pt; color: blue; "
            "width: 115px; height: 115px; text-align: center;\">7</td>");
}

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
        if (marker.starts_with("node"))
          EXPECT_EQ(page[i], g.CellElement(b.at(marker[4] - '0', marker[5] - '0'))) << i;
      }
      const long withCandidates =
          std::count_if(page.begin(), page.end(), [](const std::string& l) { return l.ends_with(">13 &nbsp;</td>"); });
      EXPECT_EQ(withCandidates, style == PrintStyle::Candidates ? 1 : 0);
    }
  }
  EXPECT_NE(BuiltinJapanese().LookupText(kPrintHeadingKey).find("数独"), std::string::npos);
}
