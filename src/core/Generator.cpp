#include "core/Generator.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <thread>
#include <unordered_set>

#include "core/Canonical.h"

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

template <typename T>
void ShuffleInPlace(std::vector<T>& v, GeneratorRandom& random) {
  for (size_t i = v.size(); i > 1; --i) std::swap(v[i - 1], v[static_cast<size_t>(random.Below(static_cast<int>(i)))]);
}

// Groups of cells to take away together, in random order: single cells, or
// each cell with its mirror image through the centre.
std::vector<std::vector<int>> RemovalOrder(GeneratorRandom& random, bool mirrored) {
  std::vector<std::vector<int>> groups;
  if (mirrored) {
    for (int c = 0; c <= 40; ++c) groups.push_back(c == 40 ? std::vector<int>{c} : std::vector<int>{c, 80 - c});
  } else {
    for (int c = 0; c < 81; ++c) groups.push_back({c});
  }
  ShuffleInPlace(groups, random);
  return groups;
}

bool Unique(const Grid& puzzle) { return FastSolver::CountUpTo(puzzle, 2) == 1; }

}  // namespace

GeneratorRandom::GeneratorRandom(std::uint64_t seed) {
  for (auto& s : s_) s = SplitMix(seed);
}

std::uint64_t GeneratorRandom::Next() {
  const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint64_t t = s_[1] << 17;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 45);
  return result;
}

int GeneratorRandom::Below(int n) {
  const auto bound = static_cast<std::uint64_t>(n);
  const std::uint64_t threshold = (0 - bound) % bound;  // rejects the uneven top
  for (;;) {
    const std::uint64_t r = Next();
    if (r >= threshold) return static_cast<int>(r % bound);
  }
}

ClueRange LevelClueRange(int level) {
  switch (level) {
    case 0: return {kVeryEasyMinClues, 51};
    case 1: return {17, 32};
    case 2: return {17, 36};
    case 3: return {17, 52};
    default: return {17, 40};
  }
}

bool FitsLevel(const GradeResult& grade, int level) {
  const ClueRange range = LevelClueRange(level);
  return grade.outcome == GradeResult::Outcome::Solved && grade.level == level && grade.clues >= range.min &&
         grade.clues <= range.max;
}

bool FitsTechnique(const GradeResult& grade, Technique technique) {
  const ClueRange range = LevelClueRange(TechniqueLevel(technique));
  return grade.outcome == GradeResult::Outcome::Solved && grade.hardest == static_cast<int>(technique) &&
         grade.clues >= range.min && grade.clues <= range.max;
}

Grid RandomSolution(GeneratorRandom& random) {
  Grid g{};
  unsigned row[9] = {}, col[9] = {}, box[9] = {};
  auto boxOf = [](int c) { return 3 * (c / 27) + (c % 9) / 3; };
  auto put = [&](int c, int d) {
    g[static_cast<size_t>(c)] = static_cast<std::uint8_t>(d);
    row[c / 9] |= 1u << d;
    col[c % 9] |= 1u << d;
    box[boxOf(c)] |= 1u << d;
  };
  auto take = [&](int c, int d) {
    g[static_cast<size_t>(c)] = 0;
    row[c / 9] &= ~(1u << d);
    col[c % 9] &= ~(1u << d);
    box[boxOf(c)] &= ~(1u << d);
  };
  // The three boxes of the main diagonal share no unit: any filling of them
  // can be completed.
  for (int b : {0, 4, 8}) {
    std::vector<int> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    ShuffleInPlace(digits, random);
    for (int k = 0; k < 9; ++k) put((3 * (b / 3) + k / 3) * 9 + 3 * (b % 3) + k % 3, digits[static_cast<size_t>(k)]);
  }
  auto fill = [&](auto& self) -> bool {
    int best = -1;
    unsigned bestFree = 0;
    for (int c = 0; c < 81; ++c) {
      if (g[static_cast<size_t>(c)]) continue;
      const unsigned free = 0x3FEu & ~(row[c / 9] | col[c % 9] | box[boxOf(c)]);
      if (best < 0 || std::popcount(free) < std::popcount(bestFree)) {
        best = c;
        bestFree = free;
        if (std::popcount(free) <= 1) break;
      }
    }
    if (best < 0) return true;
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d)
      if (bestFree & (1u << d)) digits.push_back(d);
    ShuffleInPlace(digits, random);
    for (int d : digits) {
      put(best, d);
      if (self(self)) return true;
      take(best, d);
    }
    return false;
  };
  fill(fill);
  return g;
}

std::string BankLine(const Grid& puzzle, const Grid& solution) {
  std::string line(81, '?');
  for (size_t i = 0; i < 81; ++i)
    line[i] = puzzle[i] ? static_cast<char>('0' + puzzle[i]) : static_cast<char>('A' + solution[i] - 1);
  return line;
}

Candidate MakeCandidate(int level, std::uint64_t seed, std::uint64_t index) {
  std::uint64_t mix = seed;
  SplitMix(mix);
  mix ^= static_cast<std::uint64_t>(level) << 56;
  SplitMix(mix);
  mix ^= index;
  GeneratorRandom random(SplitMix(mix));

  Candidate c;
  c.solution = RandomSolution(random);
  c.puzzle = c.solution;
  const bool mirrored = level != 0 && index % 2 == 1;
  const int target = level == 0 ? kVeryEasyMinClues + random.Below(LevelClueRange(0).max - kVeryEasyMinClues + 1) : 0;
  int clues = 81;
  for (const std::vector<int>& group : RemovalOrder(random, mirrored)) {
    if (clues <= target) break;
    for (int cell : group) c.puzzle[static_cast<size_t>(cell)] = 0;
    const bool keep = level <= 1 ? SolvesWithSinglesOnly(c.puzzle) : Unique(c.puzzle);
    if (keep) {
      clues -= static_cast<int>(group.size());
    } else {
      for (int cell : group) c.puzzle[static_cast<size_t>(cell)] = c.solution[static_cast<size_t>(cell)];
    }
  }
  c.grade = Grade(c.puzzle);
  c.fits = FitsLevel(c.grade, level);
  return c;
}

std::vector<std::string> Generate(const GenerateOptions& options,
                                  const std::function<void(const GenerateProgress&)>& progress,
                                  GenerateReport* report) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  const int threads = std::max(1, options.threads);
  constexpr int kBatch = 64;
  std::vector<std::string> lines;
  std::unordered_set<std::string> forms;
  GenerateReport rep;
  std::uint64_t base = 0;
  const std::optional<Technique> technique = options.technique;
  // The singles' candidates are made to need singles only: their hardest
  // technique is not a choice.
  if (technique && TechniqueLevel(*technique) < 2) return lines;
  const int level = technique ? TechniqueLevel(*technique) : options.level;
  if (level < 0 || level > 4) return lines;  // no candidate would ever fit
  const std::uint64_t limit = options.maxCandidates;
  while (static_cast<int>(lines.size()) < options.count && (limit == 0 || base < limit)) {
    const int size = limit == 0 ? kBatch : static_cast<int>(std::min<std::uint64_t>(kBatch, limit - base));
    std::vector<Candidate> batch(static_cast<size_t>(size));
    std::atomic<int> cursor{0};
    auto work = [&] {
      for (int i; (i = cursor.fetch_add(1)) < size;) {
        Candidate& c = batch[static_cast<size_t>(i)];
        c = MakeCandidate(level, options.seed, base + static_cast<std::uint64_t>(i));
        if (technique) c.fits = FitsTechnique(c.grade, *technique);
      }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (auto& t : pool) t.join();
    // Merged in candidate order, so the lines do not depend on timing.
    for (int i = 0; i < size && static_cast<int>(lines.size()) < options.count; ++i) {
      const Candidate& c = batch[static_cast<size_t>(i)];
      if (!c.fits) continue;
      if (!forms.insert(CanonicalForm(c.puzzle)).second) {
        ++rep.duplicates;
        continue;
      }
      lines.push_back(BankLine(c.puzzle, c.solution));
      rep.grades.push_back(c.grade);
      rep.candidates = base + static_cast<std::uint64_t>(i) + 1;
    }
    base += static_cast<std::uint64_t>(size);
    rep.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (progress) progress({static_cast<int>(lines.size()), options.count, base, rep.seconds});
  }
  if (report) *report = std::move(rep);
  return lines;
}
