#include "main/StepLog.h"

#include "core/Board.h"
#include "core/TQJ.h"

void Tfrmstep::ClearSteps(const Board& board) {
  memostep.clear();
  RecordStep(board);
  StepIndex = 0;
}

void Tfrmstep::RecordStep(const Board& board) {
  std::string snapshot = BoardToStep(board);
  if (snapshot == CurrentLine()) return;
  DropStepsAfter(StepIndex);
  memostep.push_back(std::move(snapshot));
  StepIndex = static_cast<int>(memostep.size()) - 1;
}

void Tfrmstep::DropStepsAfter(int index) {
  while (static_cast<int>(memostep.size()) > index + 1 && !memostep.empty()) memostep.pop_back();
}

const std::string& Tfrmstep::CurrentLine() const {
  static const std::string none;
  if (StepIndex < 0 || StepIndex >= static_cast<int>(memostep.size())) return none;
  return memostep[static_cast<size_t>(StepIndex)];
}
