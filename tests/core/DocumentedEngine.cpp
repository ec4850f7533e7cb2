#include "core/DocumentedEngine.h"

#include <algorithm>

namespace {

std::string Reversed(std::string s) {
  std::reverse(s.begin(), s.end());
  return s;
}

// Every digit d becomes 10 - d; other characters stay.
std::string Mirrored(std::string s) {
  for (char& ch : s)
    if (ch >= '1' && ch <= '9') ch = static_cast<char>('0' + 10 - (ch - '0'));
  return s;
}

}  // namespace

Tfrm_sol::SolveResult DocumentedSolveFromText(Tfrm_sol& engine, const std::string& text) {
  Tfrm_sol::SolveResult r;
  r.status = 0;
  engine.FillGrid(text);
  engine.FindPossibilities();
  if (engine.check()) {
    r.status = 1;
  } else {
    engine.SolveBruteForce();
    if (!engine.check()) r.status = 1;
  }
  r.text = engine.GridText();
  return r;
}

Tfrm_sol::CountResult DocumentedCountSolutions(Tfrm_sol& engine, const std::string& puzzle) {
  Tfrm_sol::CountResult r;
  r.result = SolutionCount::None;
  if (!engine.SetTableAndCheck(puzzle)) return r;
  const auto pass1 = DocumentedSolveFromText(engine, puzzle);
  if (pass1.status != 0) return r;
  r.first = pass1.text;
  const auto pass2 = DocumentedSolveFromText(engine, Reversed(puzzle));
  if (pass2.status != 0) return Tfrm_sol::CountResult{};
  const std::string s2 = Reversed(pass2.text);
  if (s2 != r.first) {
    r.result = SolutionCount::Several;
    r.other = s2;
    return r;
  }
  const auto pass3 = DocumentedSolveFromText(engine, Mirrored(puzzle));
  if (pass3.status != 0) return Tfrm_sol::CountResult{};
  r.other = Mirrored(pass3.text);
  r.result = r.other != r.first ? SolutionCount::Several : SolutionCount::One;
  return r;
}
