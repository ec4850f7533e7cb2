// The solution engine on any text: SolveFromText and CountSolutions answer
// quickly (the run uses -timeout=1) with results that keep their promises.

#include "FuzzCheck.h"
#include "core/Tfrm_sol.h"

namespace {

bool IsDigit(char ch) { return ch >= '1' && ch <= '9'; }

// Every cell filled, the input's digits kept, every other cell different from
// each of its peers (givens may clash among themselves).
bool IsCompletion(const std::string& input, const std::string& grid, bool givensMayClash) {
  if (grid.size() != 81) return false;
  for (std::size_t i = 0; i < 81; ++i) {
    if (!IsDigit(grid[i])) return false;
    const bool given = i < input.size() && IsDigit(input[i]);
    if (given && grid[i] != input[i]) return false;
    if (given && givensMayClash) continue;
    const std::size_t r = i / 9, c = i % 9;
    for (std::size_t j = 0; j < 81; ++j) {
      const std::size_t r2 = j / 9, c2 = j % 9;
      const bool peer = j != i && (r2 == r || c2 == c || (r2 / 3 == r / 3 && c2 / 3 == c / 3));
      if (peer && grid[j] == grid[i]) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string text(FuzzBytes(data, size > 81 ? 81 : size));
  Tfrm_sol engine;
  const Tfrm_sol::SolveResult solved = engine.SolveFromText(text);
  if (solved.status == 0) {
    FUZZ_CHECK(IsCompletion(text, solved.text, true));
  } else {
    FUZZ_CHECK(solved.status == 1);
    for (std::size_t i = 0; i < 81; ++i)
      FUZZ_CHECK(solved.text[i] == (i < text.size() && IsDigit(text[i]) ? text[i] : '0'));
  }

  // The program hands CountSolutions digits and "*" only.
  std::string puzzle = text;
  for (char& ch : puzzle)
    if (!IsDigit(ch)) ch = '*';
  puzzle.resize(81, '*');
  const Tfrm_sol::CountResult counted = engine.CountSolutions(puzzle);
  if (counted.result != SolutionCount::None) {
    FUZZ_CHECK(IsCompletion(puzzle, counted.first, false));
    FUZZ_CHECK(IsCompletion(puzzle, counted.other, false));
    FUZZ_CHECK((counted.first == counted.other) == (counted.result == SolutionCount::One));
    FUZZ_CHECK(engine.SolveFromText(puzzle).text == counted.first);
  }
  return 0;
}
