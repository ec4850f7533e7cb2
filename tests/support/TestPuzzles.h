#pragma once
// One solved grid and the bank lines made from it, for game and window tests.

#include <string>
#include <vector>

inline const std::string kSolution =
    "426875913357291864819346257231687549574139628968452731742963185693518472185724396";

// The solution as a bank line with the listed 0-based cells open.
inline std::string LineWithBlanks(const std::vector<int>& open) {
  std::string line = kSolution;
  for (int i : open) line[static_cast<size_t>(i)] = static_cast<char>('A' + (kSolution[static_cast<size_t>(i)] - '1'));
  return line;
}

// The bench puzzle: 17 clues.
inline std::string SparseLine() {
  const std::string puzzle = "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*";
  std::vector<int> open;
  for (int i = 0; i < 81; ++i)
    if (puzzle[static_cast<size_t>(i)] == '*') open.push_back(i);
  return LineWithBlanks(open);
}
