#include "core/OrderedSearch.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <cstdint>

namespace {

using Mask = std::uint16_t;  // bit d set: digit d (1..9) is still possible
constexpr Mask kAll = 0x3FE;

struct Tables {
  std::uint8_t peers[81][20];
  std::uint8_t units[27][9];  // rows 0..8, columns 9..17, boxes 18..26
  std::uint8_t unitsOf[81][3];

  Tables() {
    for (int i = 0; i < 81; ++i) {
      const int r = i / 9, c = i % 9, b = r / 3 * 3 + c / 3;
      unitsOf[i][0] = static_cast<std::uint8_t>(r);
      unitsOf[i][1] = static_cast<std::uint8_t>(9 + c);
      unitsOf[i][2] = static_cast<std::uint8_t>(18 + b);
      int n = 0;
      for (int j = 0; j < 81; ++j) {
        const int r2 = j / 9, c2 = j % 9;
        if (j != i && (r2 == r || c2 == c || r2 / 3 * 3 + c2 / 3 == b))
          peers[i][n++] = static_cast<std::uint8_t>(j);
      }
    }
    int filled[27] = {};
    for (int i = 0; i < 81; ++i)
      for (int u : unitsOf[i]) units[u][filled[u]++] = static_cast<std::uint8_t>(i);
  }
};

const Tables& T() {
  static const Tables t;
  return t;
}

struct State {
  std::uint8_t value[81];
  Mask cand[81];  // 0 for a filled cell

  void Place(int cell, int d) {
    value[cell] = static_cast<std::uint8_t>(d);
    cand[cell] = 0;
    const Mask off = static_cast<Mask>(~(1u << d));
    for (std::uint8_t p : T().peers[cell]) cand[p] &= off;
  }
  int Spots(int unit, int d) const {
    int n = 0;
    for (std::uint8_t c : T().units[unit]) n += (cand[c] >> d) & 1;
    return n;
  }
  bool Full() const {
    for (std::uint8_t v : value)
      if (v == 0) return false;
    return true;
  }
};

// The search's propagation exactly: sweeps in reading order, digits
// ascending, placing a digit that is its cell's only candidate or the only
// place for it in the cell's column, row or box, until a sweep places nothing.
void Propagate(State& s) {
  bool placed;
  do {
    placed = false;
    for (int cell = 0; cell < 81; ++cell) {
      for (int d = 1; d <= 9 && s.cand[cell]; ++d) {
        if (!((s.cand[cell] >> d) & 1)) continue;
        const auto* u = T().unitsOf[cell];
        if (std::popcount(s.cand[cell]) == 1 || s.Spots(u[1], d) == 1 || s.Spots(u[0], d) == 1 ||
            s.Spots(u[2], d) == 1) {
          s.Place(cell, d);
          placed = true;
        }
      }
    }
  } while (placed);
}

// Whether digit d can still go where every unit without a repeated given
// takes it exactly once and no unit takes it twice: one cell or none per row,
// band by band, each band's boxes covered before the next band is tried.
// Single-digit counting arguments (a box whose only places for d lie in a
// column that another box needs too) end a branch here at once.
bool DigitFits(const State& s, std::uint32_t exactUnits, int d) {
  std::uint16_t allowed[9] = {};  // per row: columns where d may go
  std::uint32_t used = 0;         // units that hold d already
  for (int cell = 0; cell < 81; ++cell) {
    if (s.value[cell] == d)
      for (std::uint8_t u : T().unitsOf[cell]) used |= 1u << u;
    else if ((s.cand[cell] >> d) & 1)
      allowed[cell / 9] = static_cast<std::uint16_t>(allowed[cell / 9] | (1u << (cell % 9)));
  }
  const std::uint32_t needed = exactUnits & ~used;
  struct Walk {
    const std::uint16_t* allowed;
    std::uint32_t needed;
    bool Row(int r, std::uint32_t used) const {
      if (r > 0 && r % 3 == 0) {
        const std::uint32_t boxes = 7u << (18 + (r / 3 - 1) * 3);
        if ((needed & boxes & ~used) != 0) return false;
      }
      if (r == 9) return (needed & ~used & (0x1FFu << 9)) == 0;
      if ((used >> r) & 1) return Row(r + 1, used);
      for (int c = 0; c < 9; ++c) {
        if (!((allowed[r] >> c) & 1)) continue;
        const int b = 18 + r / 3 * 3 + c / 3;
        const std::uint32_t units = (1u << r) | (1u << (9 + c)) | (1u << b);
        if (used & units) continue;
        if (Row(r + 1, used | units)) return true;
      }
      return !((needed >> r) & 1) && Row(r + 1, used);
    }
  };
  return Walk{allowed, needed}.Row(0, used);
}

// Whether some completion of s exists: every blank different from each of
// its peers. The completion found goes to witness.
bool Completable(State s, std::uint32_t exactUnits, std::uint8_t* witness) {
  for (;;) {
    bool changed = false;
    for (int cell = 0; cell < 81; ++cell) {
      if (s.value[cell]) continue;
      if (!s.cand[cell]) return false;
      if (std::popcount(s.cand[cell]) == 1) {
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
      for (std::uint8_t c : T().units[u]) {
        live = static_cast<Mask>(live | s.cand[c]);
        blanks += s.value[c] == 0;
      }
      if (std::popcount(live) < blanks) return false;
      if (std::popcount(live) > blanks) continue;
      for (int d = 1; d <= 9; ++d) {
        if (!((live >> d) & 1)) continue;
        int spots = 0, where = 0;
        for (std::uint8_t c : T().units[u])
          if ((s.cand[c] >> d) & 1) {
            ++spots;
            where = c;
          }
        if (spots == 0) return false;
        if (spots == 1) {
          if (!s.cand[where]) return false;
          s.Place(where, d);
          changed = true;
        }
      }
    }
    if (!changed) break;
  }
  for (int d = 1; d <= 9; ++d)
    if (!DigitFits(s, exactUnits, d)) return false;
  // Branch on a cell with the fewest candidates.
  int best = -1, bestCount = 10;
  for (int cell = 0; cell < 81; ++cell)
    if (!s.value[cell] && std::popcount(s.cand[cell]) < bestCount) {
      best = cell;
      bestCount = std::popcount(s.cand[cell]);
    }
  if (best < 0) {
    std::copy(std::begin(s.value), std::end(s.value), witness);
    return true;
  }
  for (int d = 1; d <= 9; ++d) {
    if (!((s.cand[best] >> d) & 1)) continue;
    State next = s;
    next.Place(best, d);
    if (Completable(next, exactUnits, witness)) return true;
  }
  return false;
}

// A completion of s that is known stays one while s only gains its digits,
// so most steps of the search need no new proof.
bool Agrees(const State& s, const std::uint8_t* witness) {
  for (int i = 0; i < 81; ++i)
    if (s.value[i] && s.value[i] != witness[i]) return false;
  return true;
}

bool Search(State& s, std::uint32_t exactUnits, std::uint8_t* witness) {
  int first = 0;
  while (first < 81 && s.value[first]) ++first;
  if (first == 81) return false;
  const Mask entry = s.cand[first];
  for (int d = 1; d <= 9; ++d) {
    if (!((entry >> d) & 1)) continue;
    State next = s;
    next.Place(first, d);
    Propagate(next);
    if (next.Full()) {
      s = next;
      return true;
    }
    if (!Agrees(next, witness) && !Completable(next, exactUnits, witness)) continue;
    if (Search(next, exactUnits, witness)) {
      s = next;
      return true;
    }
  }
  return false;
}

}  // namespace

bool OrderedSearch(const Grid& givens, Grid& out) {
  State s{};
  for (int i = 0; i < 81; ++i) s.value[i] = givens[static_cast<std::size_t>(i)];
  for (int i = 0; i < 81; ++i) {
    if (s.value[i]) continue;
    Mask m = kAll;
    for (std::uint8_t p : T().peers[i]) m = static_cast<Mask>(m & ~(1u << s.value[p]));
    s.cand[i] = m;
  }
  std::uint32_t exactUnits = 0;
  for (int u = 0; u < 27; ++u) {
    Mask seen = 0;
    bool repeated = false;
    for (std::uint8_t c : T().units[u]) {
      const int v = s.value[c];
      if (v && ((seen >> v) & 1)) repeated = true;
      seen = static_cast<Mask>(seen | (1u << v));
    }
    if (!repeated) exactUnits |= 1u << u;
  }
  std::uint8_t witness[81];
  if (!Completable(s, exactUnits, witness) || !Search(s, exactUnits, witness)) return false;
  for (int i = 0; i < 81; ++i) out[static_cast<std::size_t>(i)] = s.value[i];
  return true;
}
