#include "core/FirstCompletion.h"

#include "core/CompletionSat.h"
#include "core/Coordinates.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <cstdint>

namespace {

using Mask = std::uint16_t;  // bit d set: digit d (1..9) is still possible
constexpr Mask kAll = 0x3FE;

struct Tables {
  std::uint8_t peers[81][20];
  std::uint8_t unitsOf[81][3];  // UnitOf the cell's row, column and box
  std::uint8_t bits[1024];      // set bits of a mask (no popcount instruction assumed)

  constexpr Tables() : peers{}, unitsOf{}, bits{} {
    for (int i = 0; i < 81; ++i) {
      for (int kind = 0; kind < 3; ++kind) unitsOf[i][kind] = static_cast<std::uint8_t>(UnitOf(i, kind));
      int n = 0;
      for (int j = 0; j < 81; ++j)
        if (ArePeers(i, j)) peers[i][n++] = static_cast<std::uint8_t>(j);
    }
    for (int m = 0; m < 1024; ++m) bits[m] = static_cast<std::uint8_t>(std::popcount(static_cast<unsigned>(m)));
  }
};

constexpr Tables kT;

int Count(Mask m) { return kT.bits[m]; }

struct State {
  std::uint8_t value[81];
  Mask cand[81];             // 0 for a filled cell
  std::uint8_t spots[27][10];  // per unit and digit: its blanks that may take it

  void Init() {
    for (auto& u : spots) std::fill(std::begin(u), std::end(u), std::uint8_t{0});
    for (int cell = 0; cell < 81; ++cell)
      for (int d = 1; d <= 9; ++d)
        if ((cand[cell] >> d) & 1)
          for (std::uint8_t u : kT.unitsOf[cell]) ++spots[u][d];
  }
  void Place(int cell, int d) {
    value[cell] = static_cast<std::uint8_t>(d);
    for (Mask m = cand[cell]; m; m = static_cast<Mask>(m & (m - 1)))
      for (std::uint8_t u : kT.unitsOf[cell]) --spots[u][std::countr_zero(m)];
    cand[cell] = 0;
    const Mask bit = static_cast<Mask>(1u << d);
    for (std::uint8_t p : kT.peers[cell]) {
      if (!(cand[p] & bit)) continue;
      cand[p] = static_cast<Mask>(cand[p] & ~bit);
      for (std::uint8_t u : kT.unitsOf[p]) --spots[u][d];
    }
  }
  void Remove(int cell, int d) {
    cand[cell] = static_cast<Mask>(cand[cell] & ~(1u << d));
    for (std::uint8_t u : kT.unitsOf[cell]) --spots[u][d];
  }
};

// Whether digit d can still go where every unit without a repeated given
// takes it exactly once and no unit takes it twice: one cell or none per row,
// band by band, each band's boxes covered before the next band is tried.
// Single-digit counting arguments (a box whose only places for d lie in a
// column that another box needs too) end a branch here at once. The columns
// of the placement found go to col (-1 for a row without a new d).
bool DigitFits(const std::uint16_t* allowed, std::uint32_t used, std::uint32_t exactUnits, int* col) {
  const std::uint32_t needed = exactUnits & ~used;
  struct Walk {
    const std::uint16_t* allowed;
    std::uint32_t needed;
    int* col;
    // Columns taken when a band was reached and the rest failed: the rest
    // depends on nothing else, so the same columns fail again.
    std::uint64_t failed[2][8] = {};
    bool Row(int r, std::uint32_t used) {
      if (r > 0 && r % 3 == 0) {
        const std::uint32_t boxes = 7u << (18 + (r / 3 - 1) * 3);
        if ((needed & boxes & ~used) != 0) return false;
        if (r == 9) return (needed & ~used & (0x1FFu << 9)) == 0;
        const std::uint32_t cols = (used >> 9) & 0x1FFu;
        std::uint64_t& word = failed[r / 3 - 1][cols >> 6];
        const std::uint64_t bit = std::uint64_t{1} << (cols & 63);
        if (word & bit) return false;
        if (Choose(r, used)) return true;
        word |= bit;
        return false;
      }
      return Choose(r, used);
    }
    bool Choose(int r, std::uint32_t used) {  // row r's cell for d, or none
      col[r] = -1;
      if ((used >> r) & 1) return Row(r + 1, used);
      for (int c = 0; c < 9; ++c) {
        if (!((allowed[r] >> c) & 1)) continue;
        const int b = 18 + r / 3 * 3 + c / 3;
        const std::uint32_t units = (1u << r) | (1u << (9 + c)) | (1u << b);
        if (used & units) continue;
        col[r] = c;
        if (Row(r + 1, used | units)) return true;
      }
      col[r] = -1;
      return !((needed >> r) & 1) && Row(r + 1, used);
    }
  };
  Walk walk{allowed, needed, col};
  return walk.Row(0, used);
}

// False when DigitFits accepts no placement of d (allowed: per row, the
// columns open to d; used: units holding d already). With prune, d is also
// kept only in the cells of some placement. Counting over a band or stack is what
// pruning adds: three boxes take d three times, so where repeated givens put
// it twice in one column, another column that need not hold d gets none, and
// a pigeonhole in that column shows up at once instead of after an
// exhausting search.
bool KeepPlaceableSpots(State& s, int d, const std::uint16_t* allowed, std::uint32_t used, std::uint32_t exactUnits,
                        bool prune, bool& changed) {
  int col[9];
  if (!DigitFits(allowed, used, exactUnits, col)) return false;
  if (!prune) return true;
  std::uint16_t placeable[9] = {};  // per row: columns on some placement found
  const auto keep = [&] {
    for (int r = 0; r < 9; ++r)
      if (col[r] >= 0) placeable[r] = static_cast<std::uint16_t>(placeable[r] | 1u << col[r]);
  };
  keep();
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) {
      if (!((allowed[r] >> c) & 1) || ((placeable[r] >> c) & 1)) continue;
      const std::uint32_t units = (1u << r) | (1u << (9 + c)) | (1u << (18 + r / 3 * 3 + c / 3));
      if (DigitFits(allowed, used | units, exactUnits, col)) {
        col[r] = c;
        keep();
      } else {
        s.Remove(r * 9 + c, d);
        changed = true;
      }
    }
  return true;
}

// Places singles and checks each unit's counts until nothing changes, then
// tests each digit's placements (pruning them too when asked: the costly
// part). False at a dead end.
bool Settle(State& s, std::uint32_t exactUnits, bool prune) {
  for (;;) {
    bool changed = false;
    for (int cell = 0; cell < 81; ++cell) {
      if (s.value[cell]) continue;
      if (!s.cand[cell]) return false;
      if (Count(s.cand[cell]) == 1) {
        s.Place(cell, std::countr_zero(s.cand[cell]));
        changed = true;
      }
    }
    // A unit's blanks take distinct digits among those it lacks that still
    // have a place there: fewer such digits than blanks is a dead end, as
    // many means each must be placed (always so in a unit without repeats).
    for (int u = 0; u < 27; ++u) {
      Mask live = 0;
      int blanks = 0;
      for (std::uint8_t c : kUnitCells[static_cast<std::size_t>(u)]) {
        live = static_cast<Mask>(live | s.cand[c]);
        blanks += s.value[c] == 0;
      }
      if (Count(live) < blanks) return false;
      if (Count(live) > blanks) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!((live >> d) & 1)) continue;
        const int spots = s.spots[u][d];
        if (spots == 0) return false;
        if (spots == 1) {
          for (std::uint8_t c : kUnitCells[static_cast<std::size_t>(u)])
            if ((s.cand[c] >> d) & 1) {
              s.Place(c, d);
              break;
            }
          changed = true;
        }
      }
    }
    if (changed) continue;
    std::uint16_t allowed[10][9] = {};  // per digit and row: columns where it may go
    std::uint32_t used[10] = {};        // per digit: units that hold it already
    for (int cell = 0; cell < 81; ++cell) {
      const int r = cell / 9;
      const auto bit = static_cast<std::uint16_t>(1u << (cell % 9));
      if (s.value[cell]) {
        const auto* u = kT.unitsOf[cell];
        used[s.value[cell]] |= 1u << u[0] | 1u << u[1] | 1u << u[2];
      }
      for (Mask m = s.cand[cell]; m; m = static_cast<Mask>(m & (m - 1))) {
        auto& row = allowed[std::countr_zero(m)][r];
        row = static_cast<std::uint16_t>(row | bit);
      }
    }
    for (int d = 1; d <= 9; ++d)
      if (!KeepPlaceableSpots(s, d, allowed[d], used[d], exactUnits, prune, changed)) return false;
    if (!changed) return true;
  }
}

// Whether some completion of s exists: every blank different from each of
// its peers. The completion found goes to witness. 1 yes, 0 no, -1 when
// budget nodes did not decide it. prune: Settle's, at every node.
int Backtrack(State s, std::uint32_t exactUnits, std::uint8_t* witness, int& budget, bool prune) {
  if (--budget < 0) return -1;
  if (!Settle(s, exactUnits, prune)) return 0;
  // Branch on a cell with the fewest candidates.
  int best = -1, bestCount = 10;
  for (int cell = 0; cell < 81; ++cell)
    if (!s.value[cell] && Count(s.cand[cell]) < bestCount) {
      best = cell;
      bestCount = Count(s.cand[cell]);
    }
  if (best < 0) {
    std::copy(std::begin(s.value), std::end(s.value), witness);
    return 1;
  }
  for (int d = 1; d <= 9; ++d) {
    if (!((s.cand[best] >> d) & 1)) continue;
    State next = s;
    next.Place(best, d);
    if (const int r = Backtrack(next, exactUnits, witness, budget, prune); r != 0) return r;
  }
  return 0;
}

// Plain backtracking settles nearly every case in a few nodes. Pruning each
// digit's placements, first and then at every node, settles the counting
// arguments it does not see quickly: a pigeonhole in a column that a band's
// count keeps a digit out of, or the only completions of a grid whose
// repeated givens leave several units short. The rare rest goes to the
// clause-learning search, which is slow on pigeonholes. Each pass gets 100
// nodes: more mostly delay that search where the pass would not end it.
bool Completable(const State& s, std::uint32_t exactUnits, std::uint8_t* witness) {
  State settled = s;
  if (!Settle(settled, exactUnits, true)) return false;
  int budget = 100;
  int r = Backtrack(settled, exactUnits, witness, budget, false);
  if (r < 0) {
    budget = 100;
    r = Backtrack(settled, exactUnits, witness, budget, true);
  }
  return r >= 0 ? r == 1 : FindCompletionSat(settled.value, settled.cand, exactUnits, witness);
}

}  // namespace

bool FirstCompletion(const Grid& givens, Grid& out) {
  State s{};
  for (int i = 0; i < 81; ++i) s.value[i] = givens[static_cast<std::size_t>(i)];
  for (int i = 0; i < 81; ++i) {
    if (s.value[i]) continue;
    Mask m = kAll;
    for (std::uint8_t p : kT.peers[i]) m = static_cast<Mask>(m & ~(1u << s.value[p]));
    s.cand[i] = m;
  }
  s.Init();
  std::uint32_t exactUnits = 0;
  for (int u = 0; u < 27; ++u) {
    Mask seen = 0;
    bool repeated = false;
    for (std::uint8_t c : kUnitCells[static_cast<std::size_t>(u)]) {
      const int v = s.value[c];
      if (v && ((seen >> v) & 1)) repeated = true;
      seen = static_cast<Mask>(seen | (1u << v));
    }
    if (!repeated) exactUnits |= 1u << u;
  }
  // Cell by cell in reading order, the smallest digit that still leaves a
  // completion. The last completion found proves its own digit at once, so
  // only smaller digits need a new proof.
  std::uint8_t witness[81];
  if (!Completable(s, exactUnits, witness)) return false;
  for (int cell = 0; cell < 81; ++cell) {
    if (s.value[cell]) continue;
    for (Mask m = s.cand[cell]; m; m = static_cast<Mask>(m & (m - 1))) {
      const int d = std::countr_zero(m);
      if (d == witness[cell]) break;
      State next = s;
      next.Place(cell, d);
      // A failed proof leaves the witness as it was.
      if (Completable(next, exactUnits, witness)) break;
    }
    s.Place(cell, witness[cell]);
  }
  for (int i = 0; i < 81; ++i) out[static_cast<std::size_t>(i)] = s.value[i];
  return true;
}
