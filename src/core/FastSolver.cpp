#include "core/FastSolver.h"

#include <bit>
#include <cstddef>
#include <limits>

#include "core/CompletionSat.h"

namespace {

constexpr std::uint32_t kBand = (1u << 27) - 1;

struct Tables {
  std::uint32_t bandPeers[27];   // same row or same box inside the band
  std::uint32_t colMask[9];      // the column's three cells of a band
  std::uint8_t boxesOfRow[512];  // row segment (9 bits) -> which boxes are non-empty
  std::uint16_t loneBits[512];   // the bits of a row that are alone in their box
  std::uint16_t matched[512];    // (row, box) pairs that lie on some row<->box matching
  std::uint16_t forced[512];     // pairs alone in their row after matching
  std::uint32_t expand[512];     // (row, box) pairs -> the 27 cells they cover

  Tables() {
    for (int p = 0; p < 27; ++p) {
      const int r = p / 9, c = p % 9;
      std::uint32_t m = 0;
      for (int q = 0; q < 27; ++q) {
        const int r2 = q / 9, c2 = q % 9;
        if (q != p && (r2 == r || c2 / 3 == c / 3)) m |= 1u << q;
      }
      bandPeers[p] = m;
    }
    for (int c = 0; c < 9; ++c) colMask[c] = (1u << c) | (1u << (c + 9)) | (1u << (c + 18));
    for (unsigned x = 0; x < 512; ++x) {
      std::uint8_t boxes = 0;
      std::uint16_t lone = 0;
      for (int k = 0; k < 3; ++k) {
        const unsigned seg = (x >> (3 * k)) & 7u;
        if (seg) boxes = static_cast<std::uint8_t>(boxes | (1u << k));
        if (std::popcount(seg) == 1) lone = static_cast<std::uint16_t>(lone | (seg << (3 * k)));
      }
      boxesOfRow[x] = boxes;
      loneBits[x] = lone;
    }
    static const int perms[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (unsigned pat = 0; pat < 512; ++pat) {
      unsigned uni = 0;
      for (const auto& perm : perms) {
        unsigned m = 0;
        for (int r = 0; r < 3; ++r) m |= 1u << (r * 3 + perm[r]);
        if ((m & pat) == m) uni |= m;
      }
      matched[pat] = static_cast<std::uint16_t>(uni);
      unsigned f = 0;
      for (int r = 0; r < 3; ++r) {
        const unsigned row = (uni >> (3 * r)) & 7u;
        if (std::popcount(row) == 1) f |= row << (3 * r);
      }
      forced[pat] = static_cast<std::uint16_t>(f);
      std::uint32_t e = 0;
      for (int r = 0; r < 3; ++r)
        for (int k = 0; k < 3; ++k)
          if (pat & (1u << (r * 3 + k))) e |= 7u << (r * 9 + k * 3);
      expand[pat] = e;
    }
  }
};

const Tables& T() {
  static const Tables t;
  return t;
}

struct State {
  std::uint32_t cand[27];   // [digit * 3 + band]: cells still open to that digit (solved cells keep theirs)
  std::uint32_t open[3];    // unsolved cells per band
  std::uint32_t dirty;      // digit-bands to re-examine

  bool Assign(int d, int b, int p) {
    const std::uint32_t bit = 1u << p;
    if (!(cand[d * 3 + b] & bit)) return false;
    if (!(open[b] & bit)) return true;
    open[b] &= ~bit;
    for (int e = 0; e < 9; ++e) {
      if (e != d && (cand[e * 3 + b] & bit)) {
        cand[e * 3 + b] &= ~bit;
        dirty |= 1u << (e * 3 + b);
      }
    }
    const Tables& t = T();
    cand[d * 3 + b] &= ~t.bandPeers[p];
    const std::uint32_t col = t.colMask[p % 9];
    for (int b2 = 0; b2 < 3; ++b2)
      if (b2 != b) cand[d * 3 + b2] &= ~col;
    dirty |= 7u << (d * 3);
    return true;
  }

  bool AssignCell(int cell, int d) { return Assign(d, cell / 27, cell % 27); }

  // Keeps one digit-band consistent and places what it forces.
  bool Band(int d, int b) {
    const Tables& t = T();
    std::uint32_t a = cand[d * 3 + b];
    const unsigned pat = t.boxesOfRow[a & 511u] | (unsigned{t.boxesOfRow[(a >> 9) & 511u]} << 3) |
                         (unsigned{t.boxesOfRow[(a >> 18) & 511u]} << 6);
    const unsigned allowed = t.matched[pat];
    if (!allowed) return false;
    a &= t.expand[allowed];
    cand[d * 3 + b] = a;
    std::uint32_t singles = (static_cast<std::uint32_t>(t.loneBits[a & 511u]) |
                             (static_cast<std::uint32_t>(t.loneBits[(a >> 9) & 511u]) << 9) |
                             (static_cast<std::uint32_t>(t.loneBits[(a >> 18) & 511u]) << 18)) &
                            t.expand[t.forced[allowed]] & open[b];
    while (singles) {
      const int p = std::countr_zero(singles);
      singles &= singles - 1;
      if (!Assign(d, b, p)) return false;
    }
    return true;
  }

  // Hidden singles in columns; false on a digit with no place in a column.
  bool Columns(bool& placed) {
    for (int d = 0; d < 9; ++d) {
      std::uint32_t ones = 0, twos = 0, done = 0;
      for (int b = 0; b < 3; ++b) {
        const std::uint32_t a = cand[d * 3 + b];
        const std::uint32_t r0 = a & 511u, r1 = (a >> 9) & 511u, r2 = (a >> 18) & 511u;
        const std::uint32_t o = r0 | r1 | r2;
        twos |= (r0 & r1) | (r0 & r2) | (r1 & r2) | (ones & o);
        ones |= o;
        const std::uint32_t s = a & ~open[b];
        done |= (s | (s >> 9) | (s >> 18)) & 511u;
      }
      if (ones != 511u) return false;
      std::uint32_t lone = ones & ~twos & ~done;
      while (lone) {
        const int c = std::countr_zero(lone);
        lone &= lone - 1;
        for (int b = 0; b < 3; ++b) {
          const std::uint32_t hit = cand[d * 3 + b] & T().colMask[c];
          if (hit) {
            if (!Assign(d, b, std::countr_zero(hit))) return false;
            placed = true;
            break;
          }
        }
      }
    }
    return true;
  }

  // Naked singles; false on an unsolved cell without candidates.
  bool Cells(bool& placed) {
    for (int b = 0; b < 3; ++b) {
      std::uint32_t ones = 0, twos = 0;
      for (int d = 0; d < 9; ++d) {
        const std::uint32_t a = cand[d * 3 + b];
        twos |= ones & a;
        ones |= a;
      }
      if (open[b] & ~ones) return false;
      std::uint32_t singles = ones & ~twos & open[b];
      while (singles) {
        const int p = std::countr_zero(singles);
        singles &= singles - 1;
        for (int d = 0; d < 9; ++d) {
          if (cand[d * 3 + b] & (1u << p)) {
            if (!Assign(d, b, p)) return false;
            placed = true;
            break;
          }
        }
      }
    }
    return true;
  }

  bool Propagate() {
    for (;;) {
      while (dirty) {
        const int i = std::countr_zero(dirty);
        dirty &= dirty - 1;
        if (!Band(i / 3, i % 3)) return false;
      }
      bool placed = false;
      if (!Cells(placed)) return false;
      if (!placed && !Columns(placed)) return false;
      if (!placed && !dirty) return true;
    }
  }

  bool Solved() const { return (open[0] | open[1] | open[2]) == 0; }

  // The candidates of a cell as a 9-bit set (bit d-1 for digit d).
  unsigned CandidatesOf(int cell) const {
    const int b = cell / 27;
    const std::uint32_t bit = 1u << (cell % 27);
    unsigned m = 0;
    for (int d = 0; d < 9; ++d)
      if (cand[d * 3 + b] & bit) m |= 1u << d;
    return m;
  }

  bool IsOpen(int cell) const { return (open[cell / 27] >> (cell % 27)) & 1u; }

  // An unsolved cell with two candidates, else one with the fewest.
  int BranchCell() const {
    int best = -1, bestCount = 10;
    for (int b = 0; b < 3; ++b) {
      std::uint32_t t1 = 0, t2 = 0, t3 = 0;
      for (int d = 0; d < 9; ++d) {
        const std::uint32_t a = cand[d * 3 + b];
        t3 |= t2 & a;
        t2 |= t1 & a;
        t1 |= a;
      }
      const std::uint32_t bi = t2 & ~t3 & open[b];
      if (bi) return b * 27 + std::countr_zero(bi);
      std::uint32_t rest = open[b];
      while (rest) {
        const int p = std::countr_zero(rest);
        rest &= rest - 1;
        const int n = std::popcount(CandidatesOf(b * 27 + p));
        if (n < bestCount) {
          bestCount = n;
          best = b * 27 + p;
        }
      }
    }
    return best;
  }

  void Write(Grid& out) const {
    for (int d = 0; d < 9; ++d)
      for (int b = 0; b < 3; ++b) {
        std::uint32_t a = cand[d * 3 + b] & ~open[b];
        while (a) {
          const int p = std::countr_zero(a);
          a &= a - 1;
          out[static_cast<size_t>(b * 27 + p)] = static_cast<std::uint8_t>(d + 1);
        }
      }
  }
};

bool Load(const Grid& givens, State& s) {
  for (auto& c : s.cand) c = kBand;
  for (auto& o : s.open) o = kBand;
  s.dirty = 0;
  for (int i = 0; i < 81; ++i) {
    const int v = givens[static_cast<size_t>(i)];
    if (v >= 1 && v <= 9 && !s.AssignCell(i, v - 1)) return false;
  }
  s.dirty = (1u << 27) - 1;
  return s.Propagate();
}

// Counts solutions up to limit; budget (nodes) running out stops it early.
void Count(const State& s, int limit, int& found, Grid* first, long& budget) {
  if (--budget < 0) return;
  const int cell = s.BranchCell();
  unsigned digits = s.CandidatesOf(cell);
  while (digits) {
    const int d = std::countr_zero(digits);
    digits &= digits - 1;
    State next = s;
    if (!next.AssignCell(cell, d) || !next.Propagate()) continue;
    if (next.Solved()) {
      if (found == 0 && first) next.Write(*first);
      ++found;
    } else {
      Count(next, limit, found, first, budget);
    }
    if (found >= limit || budget < 0) return;
  }
}

// Nodes a search gets before the question goes to a stronger method. An
// all-blank grid takes the ordered search about 50 nodes.
constexpr long kOrderedBudget = 100;
constexpr long kSearchBudget = 200;

// Whether a propagated state has a solution, written to out. Plain search
// settles nearly every state in a few nodes; where it does not, an empty
// region is usually hiding a pigeonhole that it would take millions of
// nodes to exhaust, and the clause-learning search rules that out at once.
bool Completable(const State& s, Grid& out) {
  if (s.Solved()) {
    s.Write(out);
    return true;
  }
  int found = 0;
  long budget = kSearchBudget;
  Count(s, 1, found, &out, budget);
  if (found > 0) return true;
  if (budget >= 0) return false;
  std::uint8_t value[81];
  std::uint16_t cand[81];
  for (int cell = 0; cell < 81; ++cell) {
    const unsigned m = s.CandidatesOf(cell);
    const bool open = s.IsOpen(cell);
    value[cell] = open ? 0 : static_cast<std::uint8_t>(std::countr_zero(m) + 1);
    cand[cell] = open ? static_cast<std::uint16_t>(m << 1) : 0;
  }
  std::uint8_t witness[81];
  if (!FindCompletionSat(value, cand, (1u << 27) - 1, witness)) return false;
  for (std::size_t i = 0; i < 81; ++i) out[i] = witness[i];
  return true;
}

struct Direction {
  bool backward;    // cells compared from the last one
  bool descending;  // larger digits first
};

// The cell compared first among the unsolved ones.
int FirstOpen(const State& s, Direction dir) {
  if (dir.backward) {
    for (int b = 2; b >= 0; --b)
      if (s.open[b]) return b * 27 + 31 - std::countl_zero(s.open[b]);
  } else {
    for (int b = 0; b < 3; ++b)
      if (s.open[b]) return b * 27 + std::countr_zero(s.open[b]);
  }
  return -1;
}

int NextDigit(unsigned digits, Direction dir) {
  return dir.descending ? 31 - std::countl_zero(digits) : std::countr_zero(digits);
}

// Depth-first search that branches on the first unsolved cell in the
// compared order, digits in the wanted direction: its first solution is the
// extreme one. 1 found (in out), 0 there is none, -1 budget ran out.
int InOrder(const State& s, Direction dir, Grid& out, long& budget) {
  if (s.Solved()) {
    s.Write(out);
    return 1;
  }
  if (--budget < 0) return -1;
  const int cell = FirstOpen(s, dir);
  for (unsigned digits = s.CandidatesOf(cell); digits;) {
    const int d = NextDigit(digits, dir);
    digits &= ~(1u << d);
    State next = s;
    if (!next.AssignCell(cell, d) || !next.Propagate()) continue;
    if (const int r = InOrder(next, dir, out, budget); r != 0) return r;
  }
  return 0;
}

}  // namespace

bool FastSolver::GivensAgree(const Grid& givens) {
  for (int a = 0; a < 81; ++a) {
    const int v = givens[static_cast<size_t>(a)];
    if (v < 1 || v > 9) continue;
    for (int b = a + 1; b < 81; ++b) {
      if (givens[static_cast<size_t>(b)] != v) continue;
      if (a / 9 == b / 9 || a % 9 == b % 9 || ((a / 27 == b / 27) && (a % 9) / 3 == (b % 9) / 3))
        return false;
    }
  }
  return true;
}

int FastSolver::CountUpTo(const Grid& givens, int limit, Grid* first) {
  State s;
  if (limit < 1 || !Load(givens, s)) return 0;
  if (s.Solved()) {
    if (first) s.Write(*first);
    return 1;
  }
  int found = 0;
  long unlimited = std::numeric_limits<long>::max();
  Count(s, limit, found, first, unlimited);
  return found;
}

bool FastSolver::Extreme(const Grid& givens, SearchOrder order, Grid& out) {
  State s;
  if (!Load(givens, s)) return false;
  const Direction dir{order == SearchOrder::SmallestBackward, order == SearchOrder::LargestForward};
  // The ordered search itself answers most puzzles in a few nodes. It can
  // also lose itself below an early choice that has no solution, so once it
  // runs long the answer is built cell by cell instead, each choice proved.
  long budget = kOrderedBudget;
  if (const int r = InOrder(s, dir, out, budget); r >= 0) return r == 1;
  Grid witness{};
  if (!Completable(s, witness)) return false;
  // Fix the cells one by one in the order compared: each takes the first
  // digit, in the wanted direction, that still leaves a solution. The
  // witness is such a solution, so only digits before its own need a test.
  for (int k = 0; k < 81; ++k) {
    const int cell = dir.backward ? 80 - k : k;
    if (!s.IsOpen(cell)) continue;
    const int target = witness[static_cast<size_t>(cell)] - 1;
    for (unsigned digits = s.CandidatesOf(cell);;) {
      const int d = NextDigit(digits, dir);
      digits &= ~(1u << d);
      if (d == target) {
        s.AssignCell(cell, d);
        s.Propagate();
        break;
      }
      State trial = s;
      if (!trial.AssignCell(cell, d) || !trial.Propagate()) continue;
      // A short ordered search below the trial often ends the whole task:
      // its first solution is the extreme one of everything left.
      budget = kOrderedBudget;
      const int r = InOrder(trial, dir, out, budget);
      if (r == 1) return true;
      Grid other{};
      if (r < 0 && Completable(trial, other)) {
        s = trial;
        witness = other;
        break;
      }
    }
  }
  out = witness;
  return true;
}
