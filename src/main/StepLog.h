#pragma once
// The move log: whole-board snapshots, one step line per step, that serve as
// undo/redo and as the body of replay files.

#include <string>
#include <vector>

#include "core/StepLine.h"

class Board;

class Tfrmstep {
 public:
  // Empties the log and records the board as its only line.
  void ClearSteps(const Board& board);
  // Appends the board unless it equals the line shown; lines ahead of the
  // shown one are dropped first.
  void RecordStep(const Board& board);
  // Deletes the lines after index (none when there are none).
  void DropStepsAfter(int index);

  void StepFirst() { StepIndex = 0; }
  void StepBack() { --StepIndex; }
  void StepNext() { ++StepIndex; }
  void StepLast() { StepIndex = static_cast<int>(memostep.size()) - 1; }
  bool IsAtFirst() const { return StepIndex == 0; }
  bool IsAtLast() const { return static_cast<int>(memostep.size()) == StepIndex + 1; }

  // The line at StepIndex, or "" when there is none.
  const std::string& CurrentLine() const;

  std::vector<std::string> memostep;  // oldest first
  int StepIndex = 0;
};
