// Import text in all four layouts, as the import window and tessvar-cli read
// it; an invalid text leaves the editor alone, and every copy layout of an
// imported board imports back to the same board.

#include "FuzzCheck.h"
#include "core/Board.h"
#include "entry/ImportText.h"
#include "core/StepLine.h"
#include "output/CopyText.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string text = ImportTextFromBytes(FuzzBytes(data, size));
  Board editor;
  editor.at(5, 5).digits = "3";
  const std::string before = BoardToStep(editor);
  const ImportLayout layout = ImportIntoEditor(editor, text);
  FUZZ_CHECK(layout == DetectImportLayout(text));
  if (layout == kImportInvalid) {
    FUZZ_CHECK(BoardToStep(editor) == before);
    return 0;
  }
  Board copied = editor;
  PrepareBoardForCopy(copied);
  Board back;
  FUZZ_CHECK(ImportIntoEditor(back, CopyLayoutText(copied, CopyLayout::NoCandidate)) != kImportInvalid);
  // "With Candidates" reads back as a candidate grid when it holds more than
  // 81 digits; with exactly 81 and a cell shown as "." it is no layout at all,
  // as the passes define them.
  const std::string withCandidates = CopyLayoutText(copied, CopyLayout::WithCandidates);
  std::size_t digits = 0;
  for (char ch : withCandidates) digits += ch >= '1' && ch <= '9';
  if (digits > 81) FUZZ_CHECK(ImportIntoEditor(back, withCandidates) == kImportCandidateGrid);
  // "9*9" and "1*81" carry the placed digits only.
  Board grid, line;
  FUZZ_CHECK(ImportIntoEditor(grid, CopyLayoutText(copied, CopyLayout::Grid9x9)) == kImportPlainGrid);
  FUZZ_CHECK(ImportIntoEditor(line, CopyLayoutText(copied, CopyLayout::Line81)) == kImportSingleLine);
  FUZZ_CHECK(BoardToStep(grid) == BoardToStep(line));
  return 0;
}
