#pragma once
// The printable board page: one page generator configured six ways (Normal or
// With Candidates, on A4, A3 or A2 paper). Each owns a 201-line HTML template
// whose board part has one marker line "node" + row + column per cell; a run
// replaces every marker line by the cell's element. The print style window
// and `tessvar-cli print` both call PrepareTemplate, then Generate.

#include <string>
#include <string_view>
#include <vector>

class Board;
struct Cell;

enum class PrintStyle : int { Normal = 0, Candidates = 1 };
// The paper size item of the print style window.
enum class PaperSize : int { A4 = 0, A3 = 1, A2 = 2 };

// Language keys of the page heading and byline (both hold HTML).
inline constexpr std::string_view kPrintHeadingKey = "frmprintselect.sudoku";
inline constexpr std::string_view kPrintBylineKey = "frmprintselect.sudokuby";

class Tfrmprint {
 public:
  static constexpr int kTemplateLines = 201;

  Tfrmprint(PrintStyle style, PaperSize size);

  // Lines 9 (content type, then the body), 12 (heading) and 13 (byline),
  // set before every print.
  void PrepareTemplate(std::string_view heading, std::string_view byline);

  // The template with every marker line replaced by its cell's element.
  std::vector<std::string> Generate(const Board& board) const;

  // The one-line table cell for a cell, by its state and the style.
  std::string CellElement(const Cell& cell) const;

  const std::vector<std::string>& Memo_model() const { return memoModel_; }
  PrintStyle style() const { return style_; }
  PaperSize size() const { return size_; }

 private:
  PrintStyle style_;
  PaperSize size_;
  std::vector<std::string> memoModel_;
};
