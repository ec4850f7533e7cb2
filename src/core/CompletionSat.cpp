#include "core/CompletionSat.h"

#include "core/Coordinates.h"

#include <array>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

namespace {

// Literal 2v: "variable v is true"; 2v + 1: its negation.
using Lit = int;
constexpr Lit Neg(Lit l) { return l ^ 1; }
constexpr int VarOf(Lit l) { return l >> 1; }

class Solver {
 public:
  explicit Solver(int vars)
      : value_(static_cast<std::size_t>(vars), -1),
        level_(static_cast<std::size_t>(vars), 0),
        reason_(static_cast<std::size_t>(vars), -1),
        activity_(static_cast<std::size_t>(vars), 0.0),
        seen_(static_cast<std::size_t>(vars), 0),
        watches_(2 * static_cast<std::size_t>(vars)),
        binaries_(2 * static_cast<std::size_t>(vars)) {}

  // False when the clause set is already contradictory.
  bool AddClause(std::vector<Lit> c) {
    if (c.empty()) return false;
    if (c.size() == 1) {
      const int v = LitValue(c[0]);
      if (v == 0) return false;
      if (v < 0) Assign(c[0], kDecision);
      return true;
    }
    Attach(std::move(c));
    return true;
  }

  bool Solve() {
    if (Propagate() != kDecision) return false;
    long conflicts = 0, nextRestart = 100;
    for (;;) {
      const int conflict = Propagate();
      if (conflict != kDecision) {
        ++conflicts;
        if (Level() == 0) return false;
        int backLevel = 0;
        std::vector<Lit> learnt = Analyze(conflict, backLevel);
        Backtrack(backLevel);
        if (learnt.size() == 1) {
          Assign(learnt[0], kDecision);
        } else {
          const Lit unit = learnt[0];
          Assign(unit, Attach(std::move(learnt)));
        }
        Decay();
        continue;
      }
      if (conflicts >= nextRestart) {
        nextRestart += nextRestart / 2;
        Backtrack(0);
        continue;
      }
      const int v = PickVariable();
      if (v < 0) return true;
      levelStart_.push_back(static_cast<int>(trail_.size()));
      Assign(2 * v, kDecision);  // place the digit: a completion is mostly placements
    }
  }

  bool IsTrue(int v) const { return value_[static_cast<std::size_t>(v)] == 1; }

 private:
  // A reason: kDecision, an index into clauses_, or BinaryReason(k) for
  // binaries_' k-th pair. Pairs (nearly all clauses of a grid) are kept
  // apart from longer clauses so that propagating them reads one flat list.
  static constexpr int kDecision = -1;
  static constexpr int BinaryReason(int k) { return -2 - k; }

  // Watches a clause of two or more literals; returns its reason.
  int Attach(std::vector<Lit> c) {
    if (c.size() == 2) {
      const int k = static_cast<int>(pairs_.size());
      pairs_.push_back({c[0], c[1]});
      binaries_[static_cast<std::size_t>(Neg(c[0]))].push_back({c[1], k});
      binaries_[static_cast<std::size_t>(Neg(c[1]))].push_back({c[0], k});
      return BinaryReason(k);
    }
    const int index = static_cast<int>(clauses_.size());
    watches_[static_cast<std::size_t>(c[0])].push_back(index);
    watches_[static_cast<std::size_t>(c[1])].push_back(index);
    clauses_.push_back(std::move(c));
    return index;
  }

  std::span<const Lit> Literals(int reason) const {
    if (reason <= BinaryReason(0)) return pairs_[static_cast<std::size_t>(BinaryReason(0) - reason)];
    return clauses_[static_cast<std::size_t>(reason)];
  }

  // 1 true, 0 false, -1 unassigned.
  int LitValue(Lit l) const {
    const int v = value_[static_cast<std::size_t>(VarOf(l))];
    return v < 0 ? -1 : v ^ (l & 1);
  }
  int Level() const { return static_cast<int>(levelStart_.size()); }

  void Assign(Lit l, int reason) {
    const auto v = static_cast<std::size_t>(VarOf(l));
    value_[v] = static_cast<signed char>((l & 1) ^ 1);
    level_[v] = Level();
    reason_[v] = reason;
    trail_.push_back(l);
  }

  // The reason of a clause all of whose literals are false, or kDecision.
  int Propagate() {
    while (head_ < trail_.size()) {
      const Lit trueLit = trail_[head_++];
      for (const auto& [other, k] : binaries_[static_cast<std::size_t>(trueLit)]) {
        const int v = LitValue(other);
        if (v == 1) continue;
        if (v == 0) {
          head_ = trail_.size();
          return BinaryReason(k);
        }
        Assign(other, BinaryReason(k));
      }
      const Lit falseLit = Neg(trueLit);
      auto& list = watches_[static_cast<std::size_t>(falseLit)];
      std::size_t keep = 0;
      for (std::size_t k = 0; k < list.size(); ++k) {
        const int index = list[k];
        auto& c = clauses_[static_cast<std::size_t>(index)];
        if (c[0] == falseLit) std::swap(c[0], c[1]);
        if (LitValue(c[0]) == 1) {
          list[keep++] = index;
          continue;
        }
        bool moved = false;
        for (std::size_t j = 2; j < c.size(); ++j)
          if (LitValue(c[j]) != 0) {
            std::swap(c[1], c[j]);
            watches_[static_cast<std::size_t>(c[1])].push_back(index);
            moved = true;
            break;
          }
        if (moved) continue;
        list[keep++] = index;
        if (LitValue(c[0]) == 0) {
          for (++k; k < list.size(); ++k) list[keep++] = list[k];
          list.resize(keep);
          head_ = trail_.size();
          return index;
        }
        Assign(c[0], index);
      }
      list.resize(keep);
    }
    return kDecision;
  }

  // First unique implication point: the learnt clause has one literal of
  // the conflict's level, first, and the highest other level second.
  std::vector<Lit> Analyze(int conflict, int& backLevel) {
    std::vector<Lit> learnt{0};
    int pending = 0;
    Lit p = -1;
    std::size_t index = trail_.size();
    int reason = conflict;
    for (;;) {
      for (const Lit q : Literals(reason)) {
        if (p >= 0 && q == p) continue;
        const auto v = static_cast<std::size_t>(VarOf(q));
        if (seen_[v] || level_[v] == 0) continue;
        seen_[v] = 1;
        Bump(VarOf(q));
        if (level_[v] == Level())
          ++pending;
        else
          learnt.push_back(q);
      }
      do {
        p = trail_[--index];
      } while (!seen_[static_cast<std::size_t>(VarOf(p))]);
      seen_[static_cast<std::size_t>(VarOf(p))] = 0;
      if (--pending == 0) break;
      reason = reason_[static_cast<std::size_t>(VarOf(p))];
    }
    learnt[0] = Neg(p);
    backLevel = 0;
    std::size_t second = 1;
    for (std::size_t k = 1; k < learnt.size(); ++k) {
      const int l = level_[static_cast<std::size_t>(VarOf(learnt[k]))];
      seen_[static_cast<std::size_t>(VarOf(learnt[k]))] = 0;
      if (l > backLevel) {
        backLevel = l;
        second = k;
      }
    }
    if (learnt.size() > 1) std::swap(learnt[1], learnt[second]);
    return learnt;
  }

  void Backtrack(int level) {
    if (Level() <= level) return;
    const auto start = static_cast<std::size_t>(levelStart_[static_cast<std::size_t>(level)]);
    for (std::size_t k = trail_.size(); k > start; --k) {
      const auto v = static_cast<std::size_t>(VarOf(trail_[k - 1]));
      value_[v] = -1;
      reason_[v] = kDecision;
    }
    trail_.resize(start);
    head_ = start;
    levelStart_.resize(static_cast<std::size_t>(level));
  }

  int PickVariable() const {
    int best = -1;
    for (std::size_t v = 0; v < value_.size(); ++v)
      if (value_[v] < 0 && (best < 0 || activity_[v] > activity_[static_cast<std::size_t>(best)]))
        best = static_cast<int>(v);
    return best;
  }

  void Bump(int v) {
    activity_[static_cast<std::size_t>(v)] += increment_;
    if (activity_[static_cast<std::size_t>(v)] > 1e100) {
      for (double& a : activity_) a *= 1e-100;
      increment_ *= 1e-100;
    }
  }
  void Decay() { increment_ /= 0.95; }

  std::vector<signed char> value_;
  std::vector<int> level_, reason_;
  std::vector<double> activity_;
  std::vector<char> seen_;
  std::vector<std::vector<int>> watches_;
  std::vector<std::vector<Lit>> clauses_;
  std::vector<std::array<Lit, 2>> pairs_;
  std::vector<std::vector<std::pair<Lit, int>>> binaries_;  // per true literal: (implied literal, pair)
  std::vector<Lit> trail_;
  std::vector<int> levelStart_;
  std::size_t head_ = 0;
  double increment_ = 1.0;
};

}  // namespace

bool FindCompletionSat(const std::uint8_t* value, const std::uint16_t* cand, std::uint32_t exactUnits,
                       std::uint8_t* witness) {
  // One variable per blank and candidate: "this blank takes this digit".
  int var[81][10];
  int vars = 0;
  for (int cell = 0; cell < 81; ++cell)
    for (int d = 1; d <= 9; ++d)
      var[cell][d] = !value[cell] && ((cand[cell] >> d) & 1) ? vars++ : -1;
  Solver solver(vars);
  bool ok = true;
  for (int cell = 0; cell < 81 && ok; ++cell) {
    if (value[cell]) continue;
    std::vector<Lit> some;
    for (int d = 1; d <= 9; ++d)
      if (var[cell][d] >= 0) some.push_back(2 * var[cell][d]);
    ok = solver.AddClause(some);
    for (std::size_t a = 0; a < some.size() && ok; ++a)
      for (std::size_t b = a + 1; b < some.size() && ok; ++b) ok = solver.AddClause({Neg(some[a]), Neg(some[b])});
  }
  // Peers differ: within each unit, a digit at most once among the blanks.
  for (int u = 0; u < 27 && ok; ++u) {
    const auto& cells = kUnitCells[static_cast<std::size_t>(u)];
    for (int d = 1; d <= 9 && ok; ++d) {
      std::vector<Lit> spots;
      bool present = false;
      for (int cell : cells) {
        present = present || value[cell] == d;
        if (var[cell][d] >= 0) spots.push_back(2 * var[cell][d]);
      }
      for (std::size_t a = 0; a < spots.size() && ok; ++a)
        for (std::size_t b = a + 1; b < spots.size() && ok; ++b) ok = solver.AddClause({Neg(spots[a]), Neg(spots[b])});
      if (ok && ((exactUnits >> u) & 1) && !present) ok = solver.AddClause(spots);
    }
  }
  if (!ok || !solver.Solve()) return false;
  for (int cell = 0; cell < 81; ++cell) {
    witness[cell] = value[cell];
    for (int d = 1; d <= 9; ++d)
      if (var[cell][d] >= 0 && solver.IsTrue(var[cell][d])) witness[cell] = static_cast<std::uint8_t>(d);
  }
  return true;
}
