// Import text in all four layouts, as the import window and tessvar-cli read
// it; an invalid text leaves the editor alone, and every copy layout of an
// imported board imports back to the same board.

#include "FuzzCheck.h"
#include "core/Board.h"
#include "entry/ImportText.h"
#include "main/StepLog.h"
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
  for (CopyLayout copy : {CopyLayout::NoCandidate, CopyLayout::WithCandidates}) {
    Board back;
    FUZZ_CHECK(ImportIntoEditor(back, ImportTextFromBytes(CopyLayoutText(copied, copy))) != kImportInvalid);
  }
  // "9*9" and "1*81" carry the placed digits only.
  Board grid, line;
  FUZZ_CHECK(ImportIntoEditor(grid, CopyLayoutText(copied, CopyLayout::Grid9x9)) == kImportPlainGrid);
  FUZZ_CHECK(ImportIntoEditor(line, CopyLayoutText(copied, CopyLayout::Line81)) == kImportSingleLine);
  FUZZ_CHECK(BoardToStep(grid) == BoardToStep(line));
  return 0;
}
