#include "core/Tfrm_sol.h"

#include <algorithm>
#include <cstring>

#include "core/FastSolver.h"
#include "core/FirstCompletion.h"

namespace {

Grid ToGrid(const std::string& text) {
  Grid g{};
  for (size_t i = 0; i < g.size() && i < text.size(); ++i)
    if (text[i] >= '1' && text[i] <= '9') g[i] = static_cast<std::uint8_t>(text[i] - '0');
  return g;
}

std::string ToText(const Grid& g) {
  std::string s(81, '0');
  for (size_t i = 0; i < g.size(); ++i) s[i] = static_cast<char>('0' + g[i]);
  return s;
}

bool HasBlank(const Grid& g) { return std::find(g.begin(), g.end(), 0) != g.end(); }

}  // namespace

void Tfrm_sol::FillGrid(const std::string& text) {
  for (int i = 1; i <= GridSize; ++i)
    for (int j = 1; j <= GridSize; ++j) {
      const size_t pos = static_cast<size_t>((i - 1) * GridSize + (j - 1));
      const char ch = pos < text.size() ? text[pos] : '0';
      SolverCell& c = cell(i, j);
      c.value = (ch >= '1' && ch <= '9') ? static_cast<std::uint8_t>(ch - '0') : 0;
      std::memset(c.possible, 0, sizeof c.possible);
    }
}

std::string Tfrm_sol::GridText() const {
  std::string s;
  s.reserve(81);
  for (int i = 1; i <= GridSize; ++i)
    for (int j = 1; j <= GridSize; ++j) s += static_cast<char>('0' + cell(i, j).value);
  return s;
}

void Tfrm_sol::FindPossibilities() {
  for (int i = 1; i <= GridSize; ++i)
    for (int j = 1; j <= GridSize; ++j) {
      SolverCell& c = cell(i, j);
      if (c.value != 0) {
        for (int k = 1; k <= GridSize; ++k) c.possible[k] = false;
        continue;
      }
      for (int k = 1; k <= GridSize; ++k) c.possible[k] = true;
      for (int k = 1; k <= GridSize; ++k) {
        if (cell(i, k).value != 0) c.possible[cell(i, k).value] = false;
        if (cell(k, j).value != 0) c.possible[cell(k, j).value] = false;
      }
      const int r0 = ((i - 1) / BoxHeight) * BoxHeight + 1;
      const int c0 = ((j - 1) / BoxWidth) * BoxWidth + 1;
      for (int r = r0; r <= r0 + BoxHeight - 1; ++r)
        for (int q = c0; q <= c0 + BoxWidth - 1; ++q)
          if (cell(r, q).value != 0) c.possible[cell(r, q).value] = false;
    }
}

bool Tfrm_sol::check() const {
  for (int i = 1; i <= GridSize; ++i)
    for (int j = 1; j <= GridSize; ++j)
      if (cell(i, j).value == 0) return false;
  return true;
}

int Tfrm_sol::CountPossValue(std::uint8_t k, std::uint8_t i, std::uint8_t j) const {
  const SolverCell& c = cell(i, j);
  if (c.value == 0) {
    int flags = 0;
    for (int d = 1; d <= GridSize; ++d) flags += c.possible[d] ? 1 : 0;
    if (flags == 1) return 1;
  }
  int n = 0;
  for (int r = 1; r <= GridSize; ++r)
    if (cell(r, j).value == 0 && cell(r, j).possible[k]) ++n;
  if (n == 1) return 1;
  n = 0;
  for (int q = 1; q <= GridSize; ++q)
    if (cell(i, q).value == 0 && cell(i, q).possible[k]) ++n;
  if (n == 1) return 1;
  n = 0;
  const int r0 = ((i - 1) / BoxHeight) * BoxHeight + 1;
  const int c0 = ((j - 1) / BoxWidth) * BoxWidth + 1;
  for (int r = r0; r <= r0 + BoxHeight - 1; ++r)
    for (int q = c0; q <= c0 + BoxWidth - 1; ++q)
      if (cell(r, q).value == 0 && cell(r, q).possible[k]) ++n;
  return n;
}

bool Tfrm_sol::SolveSudoku() {
  bool placed;
  do {
    placed = false;
    for (std::uint8_t i = 1; i <= GridSize; ++i)
      for (std::uint8_t j = 1; j <= GridSize; ++j) {
        if (cell(i, j).value != 0) continue;
        for (std::uint8_t k = 1; k <= GridSize; ++k) {
          if (cell(i, j).possible[k] && CountPossValue(k, i, j) == 1) {
            cell(i, j).value = k;
            FindPossibilities();
            placed = true;
          }
        }
      }
  } while (placed);
  return check();
}

bool Tfrm_sol::SolveBruteForce() {
  int bi = 0, bj = 0;
  for (int i = 1; i <= GridSize && bi == 0; ++i)
    for (int j = 1; j <= GridSize; ++j)
      if (cell(i, j).value == 0) {
        bi = i;
        bj = j;
        break;
      }
  if (bi == 0) return false;
  bool entry[26];
  std::memcpy(entry, cell(bi, bj).possible, sizeof entry);
  for (int k = 1; k <= GridSize; ++k) {
    if (!entry[k]) continue;
    SolverCell snapshot[GridSize][GridSize];
    std::memcpy(snapshot, grid_, sizeof grid_);
    cell(bi, bj).value = static_cast<std::uint8_t>(k);
    FindPossibilities();
    SolveSudoku();
    if (check()) return true;
    if (SolveBruteForce()) return true;
    std::memcpy(grid_, snapshot, sizeof grid_);
  }
  return false;
}

Tfrm_sol::SolveResult Tfrm_sol::SolveFromText(const std::string& text) {
  const Grid g = ToGrid(text);
  SolveResult r;
  if (!HasBlank(g)) {
    r.text = ToText(g);  // a full grid counts as not solved
  } else if (!FastSolver::GivensAgree(g)) {
    // Clashing givens: the first completion in reading order, as without a
    // clash, but units holding a repeated given need not hold every digit.
    // (Followed literally, the ordered search's hidden singles guess in such
    // units, can skip that completion and may take hours to fail.)
    Grid found{};
    r.status = FirstCompletion(g, found) ? 0 : 1;
    r.text = ToText(r.status == 0 ? found : g);
  } else {
    Grid first{};
    const int n = FastSolver::CountUpTo(g, 2, &first);
    if (n == 2) FastSolver::Extreme(g, SearchOrder::SmallestForward, first);
    r.status = n == 0 ? 1 : 0;
    r.text = ToText(n == 0 ? g : first);
  }
  // The grid ends as the search would leave it.
  FillGrid(r.text);
  FindPossibilities();
  return r;
}

bool Tfrm_sol::SetTableAndCheck(const std::string& text) {
  SmallBoard so;  // the duplicate test's board
  so.SetTable(text);
  so.MarkConflicts();
  // Conflict marking flags a pair exactly when some cell has a duplicate, so
  // its result is the duplicate test's without a second scan.
  return !so.HasConflict();
}

Tfrm_sol::CountResult Tfrm_sol::CountSolutions(const std::string& puzzle) {
  CountResult r;
  if (!SetTableAndCheck(puzzle)) return r;
  const Grid g = ToGrid(puzzle);
  if (!HasBlank(g)) return r;  // the search reports a full grid as not solved
  Grid first{};
  const int n = FastSolver::CountUpTo(g, 2, &first);
  if (n == 0) return r;
  if (n == 1) {
    r.result = SolutionCount::One;
    r.first = r.other = ToText(first);
    return r;
  }
  Grid s1{}, s2{}, s3{};
  FastSolver::Extreme(g, SearchOrder::SmallestForward, s1);
  FastSolver::Extreme(g, SearchOrder::SmallestBackward, s2);
  r.result = SolutionCount::Several;
  r.first = ToText(s1);
  if (s2 != s1) {
    r.other = ToText(s2);
    return r;
  }
  FastSolver::Extreme(g, SearchOrder::LargestForward, s3);
  r.other = ToText(s3);
  return r;
}
