// A step line as the move log, the branch snapshot and every game file put it
// back on the board.

#include "FuzzCheck.h"
#include "core/Board.h"
#include "core/ReplayFile.h"
#include "core/StepLine.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string line(FuzzBytes(data, size));
  Board board;
  board.at(1, 1).state = CellState::Given;
  board.at(1, 1).digits = "7";
  const std::string before = BoardToStep(board);
  if (!StepToBoard(board, line)) {
    FUZZ_CHECK(BoardToStep(board) == before);  // a bad line changes nothing
    return 0;
  }
  // The reader keeps any bytes after the state digit, as documented; every
  // caller that reads a file checks the digits before installing the board.
  // A board that passes reads back from what the log records.
  if (!BoardDigitsValid(board)) return 0;
  const std::string written = BoardToStep(board);
  Board again;
  FUZZ_CHECK(StepToBoard(again, written));
  FUZZ_CHECK(BoardToStep(again) == written);
  return 0;
}
