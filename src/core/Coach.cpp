#include "core/Coach.h"

#include <algorithm>
#include <bit>

#include "core/FastSolver.h"

namespace {

int DigitOf(const Cell& c) {
  return c.digits.size() == 1 && c.digits[0] >= '1' && c.digits[0] <= '9' ? c.digits[0] - '0' : 0;
}

unsigned MaskOf(const std::string& digits) {
  unsigned m = 0;
  for (char ch : digits)
    if (ch >= '1' && ch <= '9') m |= 1u << (ch - '1');
  return m;
}

Hint Kind(HintKind kind) {
  Hint h;
  h.kind = kind;
  return h;
}

// The player's candidates that a given or placed peer rules out.
std::vector<CellDigit> Cleanup(const Board& board) {
  std::vector<CellDigit> out;
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board.cell(i);
    if (!c.isOpen()) continue;
    unsigned taken = 0;
    for (int p : PeerTable()[static_cast<size_t>(i)])
      if (!board.cell(p).isOpen() && DigitOf(board.cell(p))) taken |= 1u << (DigitOf(board.cell(p)) - 1);
    for (unsigned m = MaskOf(c.digits) & taken; m; m &= m - 1) out.push_back({i, std::countr_zero(m) + 1});
  }
  return out;
}

// A cell with two candidates to branch on, else one with the fewest.
void NameBranchCell(const GradeBoard& b, Hint& h) {
  int best = -1, fewest = 10;
  for (int c = 0; c < kCells && fewest > 2; ++c) {
    const int n = std::popcount(b.candidates(c));
    if (!b.value(c) && n >= 2 && n < fewest) {
      best = c;
      fewest = n;
    }
  }
  if (best < 0) return;
  h.cells = {best};
  for (unsigned m = b.candidates(best); m; m &= m - 1) h.digits.push_back(std::countr_zero(m) + 1);
}

}  // namespace

std::string Hint::TechniqueName() const {
  if (kind != HintKind::Step) return "";
  return cleanup ? "Cleanup" : ::TechniqueName(technique);
}

int Hint::Level() const { return kind != HintKind::Step || cleanup ? 0 : TechniqueLevel(technique); }

Hint FindHint(const Board& board, const CoachOptions& options, const std::string& solution) {
  Grid givens{}, sol{};
  for (size_t i = 0; i < 81; ++i) {
    const Cell& c = board.cell(static_cast<int>(i));
    if (c.state == CellState::Given) givens[i] = static_cast<std::uint8_t>(DigitOf(c));
  }
  if (!FastSolver::GivensAgree(givens) || FastSolver::CountUpTo(givens, 2, &sol) != 1) return Kind(HintKind::Invalid);
  if (solution.size() == 81) {
    // The holder's solution, when it is one of these givens (it is, unless
    // the holder and the board disagree, and then the engine's is the truth).
    Grid known{};
    bool fits = true;
    for (size_t i = 0; i < 81 && fits; ++i) {
      known[i] = static_cast<std::uint8_t>(solution[i] - '0');
      fits = known[i] >= 1 && known[i] <= 9 && (!givens[i] || givens[i] == known[i]);
    }
    if (fits && known == sol) sol = known;
  }

  Hint wrong = Kind(HintKind::WrongDigit), missing = Kind(HintKind::MissingCandidate);
  bool open = false;
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board.cell(i);
    const int want = sol[static_cast<size_t>(i)];
    if (c.state == CellState::Placed && DigitOf(c) != want) {
      wrong.cells.push_back(i);
      wrong.digits.push_back(DigitOf(c));
    } else if (c.isOpen() || (c.state == CellState::Placed && !DigitOf(c))) {
      open = true;
      if (!options.valuesOnly && c.isOpen() && !(MaskOf(c.digits) >> (want - 1) & 1u)) {
        missing.cells.push_back(i);
        missing.digits.push_back(want);
      }
    }
  }
  if (!open && wrong.cells.empty()) return Kind(HintKind::Solved);
  if (!wrong.cells.empty()) return wrong;
  if (!missing.cells.empty()) return missing;

  if (!options.valuesOnly) {
    Hint h = Kind(HintKind::Step);
    h.cleanup = true;
    h.eliminations = Cleanup(board);
    if (!h.eliminations.empty()) {
      unsigned digits = 0;
      for (const CellDigit& e : h.eliminations) digits |= 1u << (e.digit - 1);
      for (unsigned m = digits; m; m &= m - 1) h.digits.push_back(std::countr_zero(m) + 1);
      return h;
    }
  }

  // The grader's board: every placed digit placed (its peers pruned, which
  // in values-only mode gives the free digits), then the player's candidates.
  GradeBoard b;
  for (int i = 0; i < kCells; ++i)
    if (!board.cell(i).isOpen() && DigitOf(board.cell(i))) b.Place(i, DigitOf(board.cell(i)));
  if (!options.valuesOnly)
    for (int i = 0; i < kCells; ++i)
      if (board.cell(i).isOpen()) b.SetCandidates(i, MaskOf(board.cell(i).digits));

  GradeStep step;
  for (int t = 0; t < kTechniqueCount; ++t) {
    if (!FindStep(static_cast<Technique>(t), b, step)) continue;
    if (step.placements.empty() && step.eliminations.empty()) continue;  // nothing the board does not show
    Hint h = Kind(HintKind::Step);
    h.technique = step.technique;
    h.digits = std::move(step.digits);
    h.units = std::move(step.units);
    h.pattern = std::move(step.pattern);
    h.chain = std::move(step.chain);
    h.placements = std::move(step.placements);
    h.eliminations = std::move(step.eliminations);
    h.needsCandidates = options.valuesOnly && step.technique > Technique::HiddenSingle;
    return h;
  }
  Hint stuck = Kind(HintKind::Stuck);
  NameBranchCell(b, stuck);
  return stuck;
}

const char* HintKindName(HintKind kind) {
  switch (kind) {
    case HintKind::Invalid: return "invalid";
    case HintKind::Solved: return "solved";
    case HintKind::WrongDigit: return "wrong-digit";
    case HintKind::MissingCandidate: return "missing-candidate";
    case HintKind::Step: return "step";
    case HintKind::Stuck: return "stuck";
  }
  return "?";
}

std::string CellName(int cell) {
  return {static_cast<char>('A' + RowOf(cell) - 1), static_cast<char>('0' + ColOf(cell))};
}

std::string UnitName(int unit) {
  const int k = unit % 9;
  if (unit < 9) return std::string("row ") + static_cast<char>('A' + k);
  return std::string(unit < 18 ? "column " : "box ") + static_cast<char>('1' + k);
}
