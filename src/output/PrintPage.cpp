#include "output/PrintPage.h"

#include "core/Board.h"

namespace {

struct SizeNumbers {
  const char* cell;     // width and height of a cell, also the row label height
  const char* digit;    // font size of given and placed digits
  const char* pencil;   // font size of candidates
};

SizeNumbers NumbersOf(PaperSize size) {
  switch (size) {
    case PaperSize::A3: return {"100px", "50pt", "15pt"};
    case PaperSize::A2: return {"115px", "70pt", "20pt"};
    case PaperSize::A4: break;
  }
  return {"60px", "22pt", "7pt"};
}

std::string ValueCellStart(const SizeNumbers& n, const char* colour) {
  return std::string("<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: ") + n.digit +
         "; color: " + colour + "; width: " + n.cell + "; height: " + n.cell + "; text-align: center;\">";
}

std::string OpenCellStart(const SizeNumbers& n) {
  return std::string("<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: ") + n.pencil +
         "; color: black; width: " + n.cell + "; height: " + n.cell + "; text-align: left; vertical-align: top;\">";
}

// Digits 1..9 of a digit string, each once, in the order stored: a page
// never carries anything from a cell but digits.
std::string DigitsOf(const std::string& digits) {
  std::string out;
  bool seen[10] = {};
  for (char ch : digits) {
    if (ch < '1' || ch > '9' || seen[ch - '0']) continue;
    seen[ch - '0'] = true;
    out += ch;
  }
  return out;
}

constexpr const char* kBodyStart =
    "<meta http-equiv=\"Content-Type\" content=\"text/html;charset=utf8\"></head><body bgcolor=\"white\">";

// Lines 0..200. The board is an outer table of three bands of three box
// tables A1..C3, each box three rows of three marker lines. The style
// element sizes cells border to border, so a cell is exactly as tall as it
// is wide and the row labels keep pace with the rows; candidates wrap
// inside their cell instead of widening the column.
std::vector<std::string> MakeTemplate(PaperSize size) {
  const SizeNumbers n = NumbersOf(size);
  std::vector<std::string> t;
  t.reserve(Tfrmprint::kTemplateLines);
  t.push_back("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">");
  t.insert(t.end(), 4, "");
  t.push_back("<html><head>");
  t.push_back("");
  t.push_back(
      "<meta name=\"generator\" content=\"Tessvar 4.8\"><title>Sudoku - Tessvar</title>"
      "<style>td { box-sizing: border-box; } table.box td { word-break: break-all; }</style>");
  t.push_back("");
  t.push_back(kBodyStart);
  t.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
  t.push_back("<tbody><tr><td colspan=\"2\" align=\"left\">");
  t.push_back("<font size=\"6\"><b>Sudoku</b></font><br>");
  t.push_back("<font size=\"2\">Tessvar</font>");
  t.push_back("</td></tr>");
  t.push_back("<tr><td width=\"10\"></td><td valign=\"top\">");
  t.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" width=\"100%\">");
  for (int col = 1; col <= 9; ++col)
    t.push_back(std::string(col == 1 ? "<tbody><tr>" : "") +
                "<td style=\"font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;\">" +
                std::to_string(col) + "</td>");
  t.push_back("</tr></tbody></table></td></tr>");
  t.push_back("<tr><td rowspan=\"3\" width=\"10\">");
  t.push_back("<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
  for (int row = 1; row <= 9; ++row)
    t.push_back(std::string(row == 1 ? "<tbody>" : "") + "<tr><td style=\"height: " + n.cell +
                ";\" valign=\"middle\">" + static_cast<char>('A' + row - 1) + "</td></tr>");
  t.push_back("</tbody></table></td>");
  t.push_back("<td valign=\"top\">");

  t.push_back("<table style=\"border: 2px solid black;\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\">");
  t.push_back("<tbody>");
  const std::string sample = OpenCellStart(n) + " &nbsp;</td>";
  for (int band = 0; band < 3; ++band) {
    for (int stack = 0; stack < 3; ++stack) {
      const std::string name = std::string(1, static_cast<char>('A' + band)) + static_cast<char>('1' + stack);
      t.push_back(std::string(stack == 0 ? "<tr>" : "") +
                  "<td style=\"border: 1px solid rgb(0, 0, 0); background: rgb(255, 255, 255) none repeat scroll "
                  "0%; font-family: verdana; font-size: 8pt; -moz-background-clip: -moz-initial; "
                  "-moz-background-origin: -moz-initial; -moz-background-inline-policy: -moz-initial;\">"
                  "<table class=\"box\" id=\"" + name + "\" border=\"0\" cellpadding=\"0\" cellspacing=\"0\"><tbody>");
      for (int r = 1; r <= 3; ++r) {
        const int row = band * 3 + r;
        t.push_back("<tr>");
        for (int c = 1; c <= 3; ++c) {
          const int col = stack * 3 + c;
          t.push_back("node" + std::to_string(row) + std::to_string(col) + "\t" + sample);
        }
        t.push_back("</tr>");
      }
      t.push_back(std::string("</tbody></table></td>") + (stack == 2 ? "</tr>" : ""));
    }
  }
  t.push_back("</tbody></table>");
  t.push_back("</td></tr>");
  // The row label cell spans three rows of the page table.
  t.push_back("<tr><td></td></tr>");
  t.push_back("<tr><td></td></tr>");
  t.push_back("</tbody></table>");
  t.push_back("</body></html>");
  return t;
}

}  // namespace

Tfrmprint::Tfrmprint(PrintStyle style, PaperSize size) : style_(style), size_(size), memoModel_(MakeTemplate(size)) {}

void Tfrmprint::PrepareTemplate(std::string_view heading, std::string_view byline) {
  memoModel_[9] = kBodyStart;
  memoModel_[12] = std::string(heading);
  memoModel_[13] = std::string(byline);
}

std::string Tfrmprint::CellElement(const Cell& cell) const {
  const SizeNumbers n = NumbersOf(size_);
  switch (cell.state) {
    case CellState::Given: return ValueCellStart(n, "black") + DigitsOf(cell.digits) + "</td>";
    case CellState::Placed: return ValueCellStart(n, "blue") + DigitsOf(cell.digits) + "</td>";
    case CellState::Open: break;
  }
  const std::string candidates = style_ == PrintStyle::Candidates ? DigitsOf(cell.digits) : std::string();
  return OpenCellStart(n) + candidates + " &nbsp;</td>";
}

std::vector<std::string> Tfrmprint::Generate(const Board& board) const {
  std::vector<std::string> page = memoModel_;
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const std::string marker = "node" + std::to_string(row) + std::to_string(col);
      for (std::size_t i = 38; i < page.size(); ++i) {
        if (page[i].compare(0, marker.size(), marker) != 0) continue;
        page[i] = CellElement(board.at(row, col));
        break;
      }
    }
  }
  return page;
}
