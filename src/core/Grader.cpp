#include "core/Grader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <deque>

namespace {

// 81 cells as two words, for "cells that see both" questions.
struct CellSet {
  std::uint64_t lo = 0, hi = 0;

  void set(int i) {
    if (i < 64) lo |= std::uint64_t{1} << i;
    else hi |= std::uint64_t{1} << (i - 64);
  }
  void reset(int i) {
    if (i < 64) lo &= ~(std::uint64_t{1} << i);
    else hi &= ~(std::uint64_t{1} << (i - 64));
  }
  bool test(int i) const { return i < 64 ? ((lo >> i) & 1u) != 0 : ((hi >> (i - 64)) & 1u) != 0; }
  bool any() const { return (lo | hi) != 0; }
  int count() const { return std::popcount(lo) + std::popcount(hi); }
  int first() const { return lo ? std::countr_zero(lo) : 64 + std::countr_zero(hi); }
  CellSet operator&(const CellSet& o) const { return {lo & o.lo, hi & o.hi}; }
  CellSet operator|(const CellSet& o) const { return {lo | o.lo, hi | o.hi}; }
  CellSet without(const CellSet& o) const { return {lo & ~o.lo, hi & ~o.hi}; }
  bool subsetOf(const CellSet& o) const { return !without(o).any(); }

  template <typename Fn>
  void each(Fn fn) const {
    for (std::uint64_t b = lo; b; b &= b - 1) fn(std::countr_zero(b));
    for (std::uint64_t b = hi; b; b &= b - 1) fn(64 + std::countr_zero(b));
  }
};

constexpr unsigned kAll = 0x1FFu;
constexpr unsigned Bit(int digit) { return 1u << (digit - 1); }
int LowDigit(unsigned mask) { return std::countr_zero(mask) + 1; }
int Count(unsigned mask) { return std::popcount(mask); }

// Units 0..8 are the rows, 9..17 the columns, 18..26 the boxes.
struct Tables {
  int units[27][9];
  int unitsOf[81][3];  // row, column and box unit of each cell
  CellSet unit[27];
  CellSet peers[81];

  Tables() {
    for (int k = 0; k < 9; ++k) {
      for (int j = 0; j < 9; ++j) {
        units[k][j] = k * 9 + j;
        units[9 + k][j] = j * 9 + k;
        units[18 + k][j] = (3 * (k / 3) + j / 3) * 9 + 3 * (k % 3) + j % 3;
      }
    }
    for (int u = 0; u < 27; ++u)
      for (int j = 0; j < 9; ++j) unit[u].set(units[u][j]);
    for (int c = 0; c < 81; ++c) {
      unitsOf[c][0] = c / 9;
      unitsOf[c][1] = 9 + c % 9;
      unitsOf[c][2] = 18 + 3 * (c / 27) + (c % 9) / 3;
      peers[c] = unit[unitsOf[c][0]] | unit[unitsOf[c][1]] | unit[unitsOf[c][2]];
      peers[c].reset(c);
    }
  }
};

const Tables& T() {
  static const Tables tables;
  return tables;
}

bool Sees(int a, int b) { return T().peers[a].test(b); }

// What the techniques look at: the open cells of each digit and the digits
// already placed in each unit.
struct View {
  const GradeBoard& board;
  CellSet digit[10];
  unsigned placed[27] = {};

  explicit View(const GradeBoard& b) : board(b) {
    for (int c = 0; c < 81; ++c) {
      if (b.value(c)) {
        for (int u : T().unitsOf[c]) placed[u] |= Bit(b.value(c));
      } else {
        for (unsigned m = b.candidates(c); m; m &= m - 1) digit[std::countr_zero(m) + 1].set(c);
      }
    }
  }
  unsigned cand(int c) const { return board.candidates(c); }
  // Positions (0..8 inside the unit) of a digit's candidates.
  unsigned Positions(int u, int d) const {
    unsigned m = 0;
    for (int j = 0; j < 9; ++j)
      if (digit[d].test(T().units[u][j])) m |= 1u << j;
    return m;
  }
};

void AddEliminations(GradeStep& step, const CellSet& cells, int d) {
  cells.each([&](int c) { step.eliminations.push_back({c, d}); });
}

bool Done(GradeStep& step, Technique t) {
  step.technique = t;
  return !step.placements.empty() || !step.eliminations.empty();
}

// Records what the step was found on; called only once a step is found, so
// the search itself costs nothing more.
bool Describe(GradeStep& step, std::vector<int> units, unsigned digits, std::vector<int> pattern = {}) {
  step.units = std::move(units);
  for (unsigned m = digits; m; m &= m - 1) step.digits.push_back(std::countr_zero(m) + 1);
  step.pattern = std::move(pattern);
  return true;
}

std::vector<int> CellsOf(const CellSet& set) {
  std::vector<int> cells;
  set.each([&](int c) { cells.push_back(c); });
  return cells;
}

// A colouring's cells, one colour after the other.
std::vector<int> BothColours(const CellSet side[2]) {
  std::vector<int> cells = CellsOf(side[0]);
  side[1].each([&](int c) { cells.push_back(c); });
  return cells;
}

// A chain's candidates; its pattern is its cells in order, each once.
void DescribeChain(GradeStep& step, std::vector<CellDigit> chain) {
  unsigned digits = 0;
  std::vector<int> cells;
  for (const CellDigit& x : chain) {
    digits |= Bit(x.digit);
    if (std::find(cells.begin(), cells.end(), x.cell) == cells.end()) cells.push_back(x.cell);
  }
  Describe(step, {}, digits, std::move(cells));
  step.chain = std::move(chain);
}

// Calls fn on every k-element subset (as a vector) of items until it returns true.
template <typename Fn>
bool Combinations(const std::vector<int>& items, int k, Fn fn) {
  std::vector<int> pick;
  auto rec = [&](auto& self, size_t from) -> bool {
    if (static_cast<int>(pick.size()) == k) return fn(pick);
    for (size_t i = from; i < items.size(); ++i) {
      pick.push_back(items[i]);
      if (self(self, i + 1)) return true;
      pick.pop_back();
    }
    return false;
  };
  return rec(rec, 0);
}

// ---- singles ---------------------------------------------------------------

bool FullHouse(const View& v, GradeStep& step) {
  for (int u = 0; u < 27; ++u) {
    int open = -1, openCount = 0;
    for (int c : T().units[u])
      if (!v.board.value(c)) { open = c; ++openCount; }
    if (openCount != 1) continue;
    const unsigned missing = kAll & ~v.placed[u];
    if (Count(missing) == 1 && (v.cand(open) & missing)) {
      step.placements.push_back({open, LowDigit(missing)});
      Done(step, Technique::FullHouse);
      return Describe(step, {u}, missing);
    }
  }
  return false;
}

bool NakedSingle(const View& v, GradeStep& step) {
  for (int c = 0; c < 81; ++c) {
    if (!v.board.value(c) && Count(v.cand(c)) == 1) {
      step.placements.push_back({c, LowDigit(v.cand(c))});
      Done(step, Technique::NakedSingle);
      return Describe(step, {}, v.cand(c));
    }
  }
  return false;
}

bool HiddenSingle(const View& v, GradeStep& step) {
  // Boxes first: that is where a person scans for them.
  for (int k = 0; k < 27; ++k) {
    const int u = (k + 18) % 27;
    for (int d = 1; d <= 9; ++d) {
      if (v.placed[u] & Bit(d)) continue;
      const CellSet at = v.digit[d] & T().unit[u];
      if (at.count() == 1) {
        step.placements.push_back({at.first(), d});
        Done(step, Technique::HiddenSingle);
        return Describe(step, {u}, Bit(d));
      }
    }
  }
  return false;
}

// ---- locked candidates -----------------------------------------------------

// A digit that in unit `from` stands only in cells of unit `to` leaves the
// rest of `to`. Pointing looks from the boxes to their lines, claiming from
// the lines to their box; unitsTo gives the units to try for the first cell.
template <typename UnitsTo>
bool LockedCandidates(const View& v, GradeStep& step, Technique t, int firstFrom, int endFrom, UnitsTo unitsTo) {
  for (int from = firstFrom; from < endFrom; ++from) {
    for (int d = 1; d <= 9; ++d) {
      const CellSet at = v.digit[d] & T().unit[from];
      if (!at.any()) continue;
      for (int to : unitsTo(at.first())) {
        if (!at.subsetOf(T().unit[to])) continue;
        AddEliminations(step, (v.digit[d] & T().unit[to]).without(T().unit[from]), d);
        if (Done(step, t)) return Describe(step, {from, to}, Bit(d), CellsOf(at));
      }
    }
  }
  return false;
}

bool Pointing(const View& v, GradeStep& step) {
  return LockedCandidates(v, step, Technique::Pointing, 18, 27,
                          [](int c) { return std::array{T().unitsOf[c][0], T().unitsOf[c][1]}; });
}

bool Claiming(const View& v, GradeStep& step) {
  return LockedCandidates(v, step, Technique::Claiming, 0, 18, [](int c) { return std::array{T().unitsOf[c][2]}; });
}

// ---- subsets ---------------------------------------------------------------

// k open cells of a unit holding only k digits between them: those digits
// go from the unit's other cells.
bool NakedSubset(const View& v, int k, Technique t, GradeStep& step) {
  for (int u = 0; u < 27; ++u) {
    std::vector<int> cells;
    int open = 0;
    for (int c : T().units[u]) {
      if (v.board.value(c)) continue;
      ++open;
      const int n = Count(v.cand(c));
      if (n >= 2 && n <= k) cells.push_back(c);
    }
    if (open <= k) continue;
    if (Combinations(cells, k, [&](const std::vector<int>& pick) {
          unsigned digits = 0;
          for (int c : pick) digits |= v.cand(c);
          if (Count(digits) != k) return false;
          for (int c : T().units[u]) {
            if (v.board.value(c) || std::find(pick.begin(), pick.end(), c) != pick.end()) continue;
            for (unsigned m = v.cand(c) & digits; m; m &= m - 1)
              step.eliminations.push_back({c, std::countr_zero(m) + 1});
          }
          return Done(step, t) && Describe(step, {u}, digits, pick);
        }))
      return true;
  }
  return false;
}

// k digits of a unit confined to k cells: those cells hold nothing else.
bool HiddenSubset(const View& v, int k, Technique t, GradeStep& step) {
  for (int u = 0; u < 27; ++u) {
    std::vector<int> digits;
    unsigned pos[10] = {};
    for (int d = 1; d <= 9; ++d) {
      if (v.placed[u] & Bit(d)) continue;
      pos[d] = v.Positions(u, d);
      const int n = Count(pos[d]);
      if (n >= 2 && n <= k) digits.push_back(d);
    }
    if (Combinations(digits, k, [&](const std::vector<int>& pick) {
          unsigned cells = 0, keep = 0;
          for (int d : pick) {
            cells |= pos[d];
            keep |= Bit(d);
          }
          if (Count(cells) != k) return false;
          for (unsigned m = cells; m; m &= m - 1) {
            const int c = T().units[u][std::countr_zero(m)];
            for (unsigned e = v.cand(c) & ~keep; e; e &= e - 1)
              step.eliminations.push_back({c, std::countr_zero(e) + 1});
          }
          if (!Done(step, t)) return false;
          std::vector<int> pattern;
          for (unsigned m = cells; m; m &= m - 1) pattern.push_back(T().units[u][std::countr_zero(m)]);
          return Describe(step, {u}, keep, std::move(pattern));
        }))
      return true;
  }
  return false;
}

// ---- fish and single-digit patterns ----------------------------------------

// The cell at (line i, position j) for rows (byRows) or columns as lines.
int At(bool byRows, int i, int j) { return byRows ? i * 9 + j : j * 9 + i; }

// Masks of a digit's positions along each row (byRows) or column.
void LineMasks(const View& v, int d, bool byRows, unsigned masks[9]) {
  for (int i = 0; i < 9; ++i) masks[i] = v.Positions(byRows ? i : 9 + i, d);
}

// n lines whose candidates of a digit lie in n cross lines: the digit goes
// from the rest of those cross lines.
bool Fish(const View& v, int n, Technique t, GradeStep& step) {
  for (int d = 1; d <= 9; ++d) {
    for (bool byRows : {true, false}) {
      unsigned masks[9];
      LineMasks(v, d, byRows, masks);
      std::vector<int> lines;
      for (int i = 0; i < 9; ++i)
        if (Count(masks[i]) >= 2 && Count(masks[i]) <= n) lines.push_back(i);
      if (Combinations(lines, n, [&](const std::vector<int>& pick) {
            unsigned cover = 0, base = 0;
            for (int i : pick) {
              cover |= masks[i];
              base |= 1u << i;
            }
            if (Count(cover) != n) return false;
            for (unsigned m = cover; m; m &= m - 1) {
              const int j = std::countr_zero(m);
              for (int i = 0; i < 9; ++i)
                if (!(base & (1u << i)) && (masks[i] & (1u << j))) step.eliminations.push_back({At(byRows, i, j), d});
            }
            if (!Done(step, t)) return false;
            std::vector<int> units, pattern;
            for (int i : pick) units.push_back(byRows ? i : 9 + i);
            for (unsigned m = cover; m; m &= m - 1) units.push_back((byRows ? 9 : 0) + std::countr_zero(m));
            for (int c = 0; c < 81; ++c) {
              const int i = byRows ? c / 9 : c % 9, j = byRows ? c % 9 : c / 9;
              if ((base >> i) & (masks[i] >> j) & 1u) pattern.push_back(c);
            }
            return Describe(step, std::move(units), Bit(d), std::move(pattern));
          }))
        return true;
    }
  }
  return false;
}

bool Skyscraper(const View& v, GradeStep& step) {
  for (int d = 1; d <= 9; ++d) {
    for (bool byRows : {true, false}) {
      unsigned masks[9];
      LineMasks(v, d, byRows, masks);
      for (int i1 = 0; i1 < 9; ++i1) {
        if (Count(masks[i1]) != 2) continue;
        for (int i2 = i1 + 1; i2 < 9; ++i2) {
          if (Count(masks[i2]) != 2) continue;
          const unsigned common = masks[i1] & masks[i2];
          if (Count(common) != 1) continue;
          const int roof1 = At(byRows, i1, std::countr_zero(masks[i1] & ~common));
          const int roof2 = At(byRows, i2, std::countr_zero(masks[i2] & ~common));
          AddEliminations(step, v.digit[d] & T().peers[roof1] & T().peers[roof2], d);
          if (Done(step, Technique::Skyscraper)) {
            const int base1 = At(byRows, i1, std::countr_zero(common)), base2 = At(byRows, i2, std::countr_zero(common));
            DescribeChain(step, {{roof1, d}, {base1, d}, {base2, d}, {roof2, d}});
            step.units = {byRows ? i1 : 9 + i1, byRows ? i2 : 9 + i2};
            return true;
          }
        }
      }
    }
  }
  return false;
}

bool TwoStringKite(const View& v, GradeStep& step) {
  for (int d = 1; d <= 9; ++d) {
    for (int r = 0; r < 9; ++r) {
      const CellSet row = v.digit[d] & T().unit[r];
      if (row.count() != 2) continue;
      for (int c = 0; c < 9; ++c) {
        const CellSet col = v.digit[d] & T().unit[9 + c];
        if (col.count() != 2 || (row & col).any()) continue;
        std::vector<int> rs, cs;
        row.each([&](int x) { rs.push_back(x); });
        col.each([&](int x) { cs.push_back(x); });
        for (std::size_t a = 0; a < 2; ++a) {
          for (std::size_t b = 0; b < 2; ++b) {
            if (T().unitsOf[rs[a]][2] != T().unitsOf[cs[b]][2]) continue;
            const int far1 = rs[1 - a], far2 = cs[1 - b];
            AddEliminations(step, v.digit[d] & T().peers[far1] & T().peers[far2], d);
            if (Done(step, Technique::TwoStringKite)) {
              DescribeChain(step, {{far1, d}, {rs[a], d}, {cs[b], d}, {far2, d}});
              step.units = {r, 9 + c};
              return true;
            }
          }
        }
      }
    }
  }
  return false;
}

// Two colours, alternating along the links, for the cells linked to start
// (breadth first). colour[] is -1 for a cell not yet reached; links(x, link)
// calls link(y) for every cell y linked to x.
struct Colouring {
  CellSet side[2];
  bool twoColoured = true;  // no link joins two cells of one colour
  int size = 0;
};

template <typename Links>
Colouring ColourFrom(int start, int (&colour)[81], Links links) {
  Colouring out;
  std::deque<int> queue{start};
  colour[start] = 0;
  while (!queue.empty()) {
    const int x = queue.front();
    queue.pop_front();
    out.side[colour[x]].set(x);
    ++out.size;
    links(x, [&](int y) {
      if (colour[y] < 0) {
        colour[y] = 1 - colour[x];
        queue.push_back(y);
      } else if (colour[y] == colour[x]) {
        out.twoColoured = false;
      }
    });
  }
  return out;
}

bool SimpleColouring(const View& v, GradeStep& step) {
  for (int d = 1; d <= 9; ++d) {
    std::vector<int> links[81];
    for (int u = 0; u < 27; ++u) {
      const CellSet at = v.digit[d] & T().unit[u];
      if (at.count() != 2) continue;
      const int a = at.first();
      CellSet rest = at;
      rest.reset(a);
      const int b = rest.first();
      links[a].push_back(b);
      links[b].push_back(a);
    }
    int colour[81];
    std::fill(std::begin(colour), std::end(colour), -1);
    for (int start = 0; start < 81; ++start) {
      if (links[start].empty() || colour[start] >= 0) continue;
      const Colouring found = ColourFrom(start, colour, [&](int x, auto&& link) {
        for (int y : links[x]) link(y);
      });
      if (!found.twoColoured) continue;
      const CellSet(&side)[2] = found.side;
      // Two cells of one colour in a unit: that colour is false.
      for (int s = 0; s < 2; ++s) {
        bool clash = false;
        side[s].each([&](int x) { clash = clash || (T().peers[x] & side[s]).any(); });
        if (clash) {
          AddEliminations(step, side[s], d);
          Done(step, Technique::SimpleColouring);
          return Describe(step, {}, Bit(d), BothColours(side));
        }
      }
      // A cell that sees both colours cannot hold the digit.
      (v.digit[d].without(side[0] | side[1])).each([&](int x) {
        if ((T().peers[x] & side[0]).any() && (T().peers[x] & side[1]).any()) step.eliminations.push_back({x, d});
      });
      if (Done(step, Technique::SimpleColouring)) return Describe(step, {}, Bit(d), BothColours(side));
    }
  }
  return false;
}

// ---- wings -----------------------------------------------------------------

// The search both wings share: a pivot with pivotSize candidates, the
// bivalue peers isWing accepts as its wings, and every pair of wings handed
// to tryPair, which returns true once it has made the step.
template <typename IsWing, typename TryPair>
bool WingSearch(const View& v, int pivotSize, IsWing isWing, TryPair tryPair) {
  for (int p = 0; p < 81; ++p) {
    const unsigned pm = v.cand(p);
    if (v.board.value(p) || Count(pm) != pivotSize) continue;
    std::vector<int> wings;
    T().peers[p].each([&](int q) {
      const unsigned qm = v.cand(q);
      if (!v.board.value(q) && Count(qm) == 2 && isWing(qm, pm)) wings.push_back(q);
    });
    for (size_t i = 0; i < wings.size(); ++i)
      for (size_t j = i + 1; j < wings.size(); ++j)
        if (tryPair(p, pm, wings[i], wings[j])) return true;
  }
  return false;
}

bool XYWing(const View& v, GradeStep& step) {
  return WingSearch(
      v, 2, [](unsigned qm, unsigned pm) { return Count(qm & pm) == 1; },
      [&](int p, unsigned pm, int w1, int w2) {
        const unsigned a = v.cand(w1), b = v.cand(w2);
        const unsigned z = a & b;
        if (Count(z) != 1 || (z & pm) || (a & b & pm) || ((a | b) & pm) != pm) return false;
        const int zd = LowDigit(z);
        AddEliminations(step, v.digit[zd] & T().peers[w1] & T().peers[w2], zd);
        if (!Done(step, Technique::XYWing)) return false;
        const int x = LowDigit(a & pm), y = LowDigit(b & pm);
        DescribeChain(step, {{w1, zd}, {w1, x}, {p, x}, {p, y}, {w2, y}, {w2, zd}});
        step.pattern = {p, w1, w2};
        return true;
      });
}

bool XYZWing(const View& v, GradeStep& step) {
  return WingSearch(
      v, 3, [](unsigned qm, unsigned pm) { return (qm & ~pm) == 0; },
      [&](int p, unsigned pm, int w1, int w2) {
        const unsigned a = v.cand(w1), b = v.cand(w2);
        if (a == b || (a | b) != pm) return false;
        const int zd = LowDigit(a & b);
        AddEliminations(step, v.digit[zd] & T().peers[p] & T().peers[w1] & T().peers[w2], zd);
        return Done(step, Technique::XYZWing) && Describe(step, {}, pm, {p, w1, w2});
      });
}

bool WWing(const View& v, GradeStep& step) {
  for (int c1 = 0; c1 < 81; ++c1) {
    const unsigned m = v.cand(c1);
    if (v.board.value(c1) || Count(m) != 2) continue;
    for (int c2 = c1 + 1; c2 < 81; ++c2) {
      if (v.board.value(c2) || v.cand(c2) != m || Sees(c1, c2)) continue;
      for (int x : {LowDigit(m), LowDigit(m & (m - 1))}) {
        const int y = LowDigit(m & ~Bit(x));
        for (int u = 0; u < 27; ++u) {
          const CellSet at = v.digit[x] & T().unit[u];
          if (at.count() != 2 || at.test(c1) || at.test(c2)) continue;
          const int a = at.first();
          CellSet rest = at;
          rest.reset(a);
          const int b = rest.first();
          if (!((Sees(a, c1) && Sees(b, c2)) || (Sees(a, c2) && Sees(b, c1)))) continue;
          AddEliminations(step, v.digit[y] & T().peers[c1] & T().peers[c2], y);
          if (Done(step, Technique::WWing)) {
            const int near1 = Sees(a, c1) ? a : b, near2 = near1 == a ? b : a;
            DescribeChain(step, {{c1, y}, {c1, x}, {near1, x}, {near2, x}, {c2, x}, {c2, y}});
            step.units = {u};
            return true;
          }
        }
      }
    }
  }
  return false;
}

// ---- chains ----------------------------------------------------------------

bool RemotePairs(const View& v, GradeStep& step) {
  for (unsigned pair = 0; pair <= kAll; ++pair) {
    if (Count(pair) != 2) continue;
    std::vector<int> cells;
    for (int c = 0; c < 81; ++c)
      if (!v.board.value(c) && v.cand(c) == pair) cells.push_back(c);
    if (cells.size() < 4) continue;
    int colour[81];
    std::fill(std::begin(colour), std::end(colour), -1);
    for (int start : cells) {
      if (colour[start] >= 0) continue;
      const Colouring found = ColourFrom(start, colour, [&](int x, auto&& link) {
        for (int y : cells)
          if (Sees(x, y)) link(y);
      });
      if (!found.twoColoured || found.size < 4) continue;
      const CellSet(&side)[2] = found.side;
      // One colour holds one digit of the pair, the other colour the other.
      for (int c = 0; c < 81; ++c) {
        if (v.board.value(c) || side[0].test(c) || side[1].test(c) || !(v.cand(c) & pair)) continue;
        if (!(T().peers[c] & side[0]).any() || !(T().peers[c] & side[1]).any()) continue;
        for (unsigned e = v.cand(c) & pair; e; e &= e - 1) step.eliminations.push_back({c, std::countr_zero(e) + 1});
      }
      if (Done(step, Technique::RemotePairs)) return Describe(step, {}, pair, BothColours(side));
    }
  }
  return false;
}

// Candidates joined by links. A strong link says at least one of its two
// candidates is true (the only two places of a digit in a unit, the only two
// digits of a cell); a weak link says at most one is (one digit in two cells
// that see each other, two digits of one cell). Both kinds used here are
// also weak links, so a chain can pass a strong link in either role.
enum class ChainKind {
  OneDigit,   // bilocal strong links, same-digit weak links
  PairCells,  // candidates of two-digit cells; strong inside the cell, weak between equal digits
  Any,
};

struct ChainGraph {
  std::vector<int> cell, digit;
  std::vector<std::vector<int>> strong, weak;
};

ChainGraph BuildGraph(const View& v, ChainKind kind) {
  ChainGraph g;
  int id[81][10];
  for (auto& row : id) std::fill(std::begin(row), std::end(row), -1);
  for (int c = 0; c < 81; ++c) {
    if (v.board.value(c)) continue;
    if (kind == ChainKind::PairCells && Count(v.cand(c)) != 2) continue;
    for (unsigned m = v.cand(c); m; m &= m - 1) {
      id[c][std::countr_zero(m) + 1] = static_cast<int>(g.cell.size());
      g.cell.push_back(c);
      g.digit.push_back(std::countr_zero(m) + 1);
    }
  }
  const size_t n = g.cell.size();
  g.strong.resize(n);
  g.weak.resize(n);
  for (size_t i = 0; i < n; ++i) {
    const int c = g.cell[i], d = g.digit[i];
    T().peers[c].each([&](int p) {
      if (id[p][d] >= 0) g.weak[i].push_back(id[p][d]);
    });
    if (kind != ChainKind::OneDigit) {
      for (unsigned m = v.cand(c) & ~Bit(d); m; m &= m - 1) {
        const int other = id[c][std::countr_zero(m) + 1];
        if (other < 0) continue;
        g.weak[i].push_back(other);
        if (Count(v.cand(c)) == 2) g.strong[i].push_back(other);
      }
    }
    if (kind != ChainKind::PairCells) {
      for (int u : T().unitsOf[c]) {
        const CellSet at = v.digit[d] & T().unit[u];
        if (at.count() != 2) continue;
        CellSet rest = at;
        rest.reset(c);
        const int other = id[rest.first()][d];
        if (std::find(g.strong[i].begin(), g.strong[i].end(), other) == g.strong[i].end()) g.strong[i].push_back(other);
      }
    }
  }
  return g;
}

// Candidates that are weakly linked to both a and b, which cannot both be false.
void BothEndsEliminations(const View& v, int c1, int d1, int c2, int d2, GradeStep& step) {
  if (c1 == c2 && d1 == d2) {
    step.placements.push_back({c1, d1});
  } else if (d1 == d2) {
    AddEliminations(step, v.digit[d1] & T().peers[c1] & T().peers[c2], d1);
  } else if (c1 == c2) {
    for (unsigned m = v.cand(c1) & ~Bit(d1) & ~Bit(d2); m; m &= m - 1)
      step.eliminations.push_back({c1, std::countr_zero(m) + 1});
  } else if (Sees(c1, c2)) {
    if (v.cand(c1) & Bit(d2)) step.eliminations.push_back({c1, d2});
    if (v.cand(c2) & Bit(d1)) step.eliminations.push_back({c2, d1});
  }
}

// In a closed loop every weak link has exactly one true end.
void LoopEliminations(const View& v, const ChainGraph& g, const std::vector<int>& loop, GradeStep& step) {
  // loop[0] is entered by a strong link; the links loop[i]-loop[i+1] for odd
  // i, and loop[last]-loop[0], are the weak ones.
  const size_t n = loop.size();
  for (size_t i = 1; i < n; i += 2) {
    const int a = loop[i], b = loop[(i + 1) % n];
    const int ca = g.cell[static_cast<size_t>(a)], cb = g.cell[static_cast<size_t>(b)];
    const int da = g.digit[static_cast<size_t>(a)], db = g.digit[static_cast<size_t>(b)];
    if (ca == cb) {
      for (unsigned m = v.cand(ca) & ~Bit(da) & ~Bit(db); m; m &= m - 1)
        step.eliminations.push_back({ca, std::countr_zero(m) + 1});
    } else if (da == db) {
      CellSet cells = v.digit[da] & T().peers[ca] & T().peers[cb];
      for (int x : loop)
        if (g.digit[static_cast<size_t>(x)] == da) cells.reset(g.cell[static_cast<size_t>(x)]);
      AddEliminations(step, cells, da);
    }
  }
  std::sort(step.eliminations.begin(), step.eliminations.end(),
            [](const CellDigit& x, const CellDigit& y) { return x.cell != y.cell ? x.cell < y.cell : x.digit < y.digit; });
  step.eliminations.erase(std::unique(step.eliminations.begin(), step.eliminations.end()), step.eliminations.end());
}

bool WeaklyLinked(int c1, int d1, int c2, int d2) {
  return (c1 == c2 && d1 != d2) || (d1 == d2 && Sees(c1, c2));
}

// The shortest productive chain: a breadth-first search from each candidate,
// assumed false, along strong then weak links alternately. Reaching another
// candidate assumed true after a strong link proves "start or end is true"
// (an open chain, when open is set). With loops set: reaching the start
// itself proves it true, and reaching a candidate weakly linked back to the
// start closes a loop in which every weak link has one true end.
bool FindChain(const View& v, ChainKind kind, bool open, bool loops, Technique t, GradeStep& step) {
  const ChainGraph g = BuildGraph(v, kind);
  const int n = static_cast<int>(g.cell.size());
  std::vector<int> dist(static_cast<size_t>(2 * n)), parent(static_cast<size_t>(2 * n));
  std::vector<int> queue;
  queue.reserve(static_cast<size_t>(2 * n));
  int limit = kMaxChainLinks;
  GradeStep best;
  std::vector<int> bestChain;  // its nodes in order
  bool found = false;
  for (int s = 0; s < n; ++s) {
    std::fill(dist.begin(), dist.end(), -1);
    queue.clear();
    queue.push_back(2 * s);  // state 2*node: assumed false; 2*node+1: assumed true
    dist[static_cast<size_t>(2 * s)] = 0;
    bool done = false;
    for (size_t head = 0; head < queue.size() && !done; ++head) {
      const int st = queue[head];
      const int node = st / 2;
      const bool on = st & 1;
      if (dist[static_cast<size_t>(st)] >= limit) break;
      const auto& next = on ? g.weak[static_cast<size_t>(node)] : g.strong[static_cast<size_t>(node)];
      for (int m : next) {
        const int ns = 2 * m + (on ? 0 : 1);
        if (dist[static_cast<size_t>(ns)] >= 0) continue;
        dist[static_cast<size_t>(ns)] = dist[static_cast<size_t>(st)] + 1;
        parent[static_cast<size_t>(ns)] = st;
        queue.push_back(ns);
        if (on || dist[static_cast<size_t>(ns)] < 3) continue;
        const int c1 = g.cell[static_cast<size_t>(s)], d1 = g.digit[static_cast<size_t>(s)];
        const int c2 = g.cell[static_cast<size_t>(m)], d2 = g.digit[static_cast<size_t>(m)];
        GradeStep trial;
        if (m == s ? loops : open) BothEndsEliminations(v, c1, d1, c2, d2, trial);
        bool closed = false;
        if (trial.placements.empty() && trial.eliminations.empty() && loops && m != s && WeaklyLinked(c2, d2, c1, d1)) {
          std::vector<int> loop;
          for (int x = ns; x != 2 * s; x = parent[static_cast<size_t>(x)]) loop.push_back(x / 2);
          loop.push_back(s);
          std::reverse(loop.begin(), loop.end());
          LoopEliminations(v, g, loop, trial);
          closed = true;
        }
        if (trial.placements.empty() && trial.eliminations.empty()) continue;
        best = std::move(trial);
        bestChain.clear();
        for (int x = ns; x != 2 * s; x = parent[static_cast<size_t>(x)]) bestChain.push_back(x / 2);
        bestChain.push_back(s);
        std::reverse(bestChain.begin(), bestChain.end());
        if (closed) bestChain.push_back(s);
        found = true;
        limit = dist[static_cast<size_t>(ns)] - 2;  // later starts must be shorter
        done = true;
        break;
      }
    }
  }
  if (!found) return false;
  step.placements = std::move(best.placements);
  step.eliminations = std::move(best.eliminations);
  std::vector<CellDigit> chain;
  for (int x : bestChain) chain.push_back({g.cell[static_cast<size_t>(x)], g.digit[static_cast<size_t>(x)]});
  DescribeChain(step, std::move(chain));
  return Done(step, t);
}

}  // namespace

const char* TechniqueName(Technique t) {
  switch (t) {
    case Technique::FullHouse: return "Full House";
    case Technique::NakedSingle: return "Naked Single";
    case Technique::HiddenSingle: return "Hidden Single";
    case Technique::Pointing: return "Pointing";
    case Technique::Claiming: return "Claiming";
    case Technique::NakedPair: return "Naked Pair";
    case Technique::HiddenPair: return "Hidden Pair";
    case Technique::NakedTriple: return "Naked Triple";
    case Technique::HiddenTriple: return "Hidden Triple";
    case Technique::NakedQuad: return "Naked Quad";
    case Technique::HiddenQuad: return "Hidden Quad";
    case Technique::XWing: return "X-Wing";
    case Technique::Skyscraper: return "Skyscraper";
    case Technique::TwoStringKite: return "Two-String Kite";
    case Technique::XYWing: return "XY-Wing";
    case Technique::XYZWing: return "XYZ-Wing";
    case Technique::WWing: return "W-Wing";
    case Technique::Swordfish: return "Swordfish";
    case Technique::SimpleColouring: return "Simple Colouring";
    case Technique::Jellyfish: return "Jellyfish";
    case Technique::RemotePairs: return "Remote Pairs";
    case Technique::XCycle: return "X-Cycle";
    case Technique::XChain: return "X-Chain";
    case Technique::XYChain: return "XY-Chain";
    case Technique::AlternatingInferenceChain: return "Alternating Inference Chain";
  }
  return "?";
}

const char* TechniqueStem(Technique t) {
  static const char* const kStems[] = {
      "fullhouse",  "nakedsingle", "hiddensingle", "pointing",    "claiming",      "nakedpair", "hiddenpair",
      "nakedtriple", "hiddentriple", "nakedquad",  "hiddenquad",  "xwing",         "skyscraper", "twostringkite",
      "xywing",     "xyzwing",     "wwing",        "swordfish",   "simplecolouring", "jellyfish", "remotepairs",
      "xcycle",     "xchain",      "xychain",      "aic",
  };
  static_assert(std::size(kStems) == kTechniqueCount);
  const auto i = static_cast<std::size_t>(t);
  return i < std::size(kStems) ? kStems[i] : "?";
}

std::optional<Technique> TechniqueFromName(std::string_view name) {
  for (int i = 0; i < kTechniqueCount; ++i)
    if (name == TechniqueName(static_cast<Technique>(i))) return static_cast<Technique>(i);
  return std::nullopt;
}

int TechniqueLevel(Technique t) {
  if (t <= Technique::HiddenSingle) return 1;
  if (t <= Technique::HiddenTriple) return 2;
  if (t <= Technique::SimpleColouring) return 3;
  return 4;
}

GradeBoard::GradeBoard() { cands_.fill(kAll); }

GradeBoard GradeBoard::FromGivens(const Grid& givens, bool* ok) {
  GradeBoard b;
  bool good = true;
  for (int c = 0; c < 81; ++c) {
    const int d = givens[static_cast<size_t>(c)];
    if (d < 1 || d > 9) continue;
    if (!b.has(c, d)) good = false;  // a peer already holds it
    b.Place(c, d);
  }
  if (ok) *ok = good;
  return b;
}

void GradeBoard::Place(int cell, int digit) {
  values_[static_cast<size_t>(cell)] = digit;
  cands_[static_cast<size_t>(cell)] = 0;
  T().peers[cell].each([&](int p) { Eliminate(p, digit); });
}

bool GradeBoard::Solved() const {
  return std::all_of(values_.begin(), values_.end(), [](int x) { return x != 0; });
}

bool GradeBoard::Broken() const {
  for (int c = 0; c < 81; ++c)
    if (!value(c) && !candidates(c)) return true;
  for (int u = 0; u < 27; ++u) {
    unsigned seen = 0;
    for (int c : T().units[u]) seen |= value(c) ? Bit(value(c)) : candidates(c);
    if (seen != kAll) return true;
  }
  return false;
}

bool FindStep(Technique t, const GradeBoard& board, GradeStep& step) {
  step = GradeStep{};
  const View v(board);
  switch (t) {
    case Technique::FullHouse: return FullHouse(v, step);
    case Technique::NakedSingle: return NakedSingle(v, step);
    case Technique::HiddenSingle: return HiddenSingle(v, step);
    case Technique::Pointing: return Pointing(v, step);
    case Technique::Claiming: return Claiming(v, step);
    case Technique::NakedPair: return NakedSubset(v, 2, t, step);
    case Technique::HiddenPair: return HiddenSubset(v, 2, t, step);
    case Technique::NakedTriple: return NakedSubset(v, 3, t, step);
    case Technique::HiddenTriple: return HiddenSubset(v, 3, t, step);
    case Technique::NakedQuad: return NakedSubset(v, 4, t, step);
    case Technique::HiddenQuad: return HiddenSubset(v, 4, t, step);
    case Technique::XWing: return Fish(v, 2, t, step);
    case Technique::Skyscraper: return Skyscraper(v, step);
    case Technique::TwoStringKite: return TwoStringKite(v, step);
    case Technique::XYWing: return XYWing(v, step);
    case Technique::XYZWing: return XYZWing(v, step);
    case Technique::WWing: return WWing(v, step);
    case Technique::Swordfish: return Fish(v, 3, t, step);
    case Technique::SimpleColouring: return SimpleColouring(v, step);
    case Technique::Jellyfish: return Fish(v, 4, t, step);
    case Technique::RemotePairs: return RemotePairs(v, step);
    case Technique::XCycle: return FindChain(v, ChainKind::OneDigit, false, true, t, step);
    case Technique::XChain: return FindChain(v, ChainKind::OneDigit, true, false, t, step);
    case Technique::XYChain: return FindChain(v, ChainKind::PairCells, true, false, t, step);
    case Technique::AlternatingInferenceChain: return FindChain(v, ChainKind::Any, true, true, t, step);
  }
  return false;
}

void ApplyStep(const GradeStep& step, GradeBoard& board) {
  for (const CellDigit& e : step.eliminations) board.Eliminate(e.cell, e.digit);
  for (const CellDigit& p : step.placements) board.Place(p.cell, p.digit);
}

GradeResult Grade(const Grid& givens, int maxLevel, std::vector<GradeStep>* log) {
  GradeResult r;
  r.clues = static_cast<int>(std::count_if(givens.begin(), givens.end(), [](std::uint8_t x) { return x >= 1 && x <= 9; }));
  bool ok = false;
  GradeBoard board = GradeBoard::FromGivens(givens, &ok);
  if (!ok || board.Broken()) return r;
  GradeStep step;
  while (!board.Solved()) {
    bool progress = false;
    for (int i = 0; i < kTechniqueCount && !progress; ++i) {
      const auto t = static_cast<Technique>(i);
      if (TechniqueLevel(t) > maxLevel) break;
      if (!FindStep(t, board, step)) continue;
      ApplyStep(step, board);
      ++r.uses[static_cast<size_t>(i)];
      ++r.steps;
      r.hardest = std::max(r.hardest, i);
      if (log) log->push_back(step);
      progress = true;
    }
    if (!progress) {
      r.outcome = GradeResult::Outcome::Stuck;
      return r;
    }
    if (board.Broken()) return r;
  }
  r.outcome = GradeResult::Outcome::Solved;
  const int hardestLevel = r.hardest < 0 ? 1 : TechniqueLevel(static_cast<Technique>(r.hardest));
  r.level = hardestLevel > 1 ? hardestLevel : (r.clues >= kVeryEasyMinClues ? 0 : 1);
  return r;
}

bool SolvesWithSinglesOnly(const Grid& givens) {
  bool ok = false;
  GradeBoard b = GradeBoard::FromGivens(givens, &ok);
  if (!ok) return false;
  for (bool progress = true; progress;) {
    progress = false;
    for (int c = 0; c < 81; ++c) {
      if (b.value(c)) continue;
      if (!b.candidates(c)) return false;
      if (Count(b.candidates(c)) == 1) {
        b.Place(c, LowDigit(b.candidates(c)));
        progress = true;
      }
    }
    for (int u = 0; u < 27; ++u) {
      for (int d = 1; d <= 9; ++d) {
        int where = -1, places = 0;
        bool placed = false;
        for (int c : T().units[u]) {
          if (b.value(c) == d) placed = true;
          else if (b.has(c, d)) { where = c; ++places; }
        }
        if (placed) continue;
        if (places == 0) return false;
        if (places == 1) {
          b.Place(where, d);
          progress = true;
        }
      }
    }
  }
  return b.Solved();
}
