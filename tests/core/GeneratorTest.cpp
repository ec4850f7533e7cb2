#include <gtest/gtest.h>

#include <set>

#include "core/Canonical.h"
#include "core/FastSolver.h"
#include "core/Generator.h"
#include "core/Grader.h"

namespace {

bool ValidSolution(const Grid& g) {
  for (int u = 0; u < 27; ++u) {
    unsigned seen = 0;
    for (int k = 0; k < 9; ++k) {
      const int r = u < 9 ? u : u < 18 ? k : 3 * ((u - 18) / 3) + k / 3;
      const int c = u < 9 ? k : u < 18 ? u - 9 : 3 * ((u - 18) % 3) + k % 3;
      seen |= 1u << g[static_cast<size_t>(r * 9 + c)];
    }
    if (seen != 0x3FEu) return false;
  }
  return true;
}

Grid PuzzleOf(const std::string& line) {
  Grid g{};
  for (size_t i = 0; i < 81; ++i) g[i] = line[i] <= '9' ? static_cast<std::uint8_t>(line[i] - '0') : 0;
  return g;
}

}  // namespace

TEST(Generator, RandomNumbersAndGrids) {
  GeneratorRandom a(42), b(42), c(43);
  bool differs = false;
  std::set<int> seen;
  for (int i = 0; i < 1000; ++i) {
    const int x = a.Below(7);
    EXPECT_EQ(x, b.Below(7));
    ASSERT_GE(x, 0);
    ASSERT_LT(x, 7);
    seen.insert(x);
    differs = differs || x != c.Below(7);
  }
  EXPECT_EQ(seen.size(), 7u);
  EXPECT_TRUE(differs);
  std::set<Grid> grids;
  for (int i = 0; i < 30; ++i) {
    const Grid g = RandomSolution(a);
    EXPECT_TRUE(ValidSolution(g));
    grids.insert(g);
  }
  EXPECT_EQ(grids.size(), 30u);
}

TEST(Generator, BankLineAndRanges) {
  Grid puzzle{}, solution{};
  for (size_t i = 0; i < 81; ++i) solution[i] = static_cast<std::uint8_t>(1 + (i % 9));
  puzzle[0] = 1;
  puzzle[80] = 9;
  EXPECT_EQ(BankLine(puzzle, solution), "1BCDEFGHI" + std::string("ABCDEFGHI") + "ABCDEFGHI" + "ABCDEFGHI" +
                                            "ABCDEFGHI" + "ABCDEFGHI" + "ABCDEFGHI" + "ABCDEFGHI" + "ABCDEFGH9");
  const int expected[5][2] = {{41, 51}, {17, 32}, {17, 36}, {17, 52}, {17, 40}};
  for (int level = 0; level < 5; ++level) {
    EXPECT_EQ(LevelClueRange(level).min, expected[level][0]);
    EXPECT_EQ(LevelClueRange(level).max, expected[level][1]);
  }
  GradeResult r;
  r.outcome = GradeResult::Outcome::Solved;
  r.level = 2;
  r.clues = 36;
  EXPECT_TRUE(FitsLevel(r, 2));
  EXPECT_FALSE(FitsLevel(r, 3));
  r.clues = 37;
  EXPECT_FALSE(FitsLevel(r, 2));
  r.clues = 16;
  EXPECT_FALSE(FitsLevel(r, 2));
  r.clues = 30;
  r.outcome = GradeResult::Outcome::Stuck;
  EXPECT_FALSE(FitsLevel(r, 2));
}

// Every level's lines are unique puzzles of that level, with their solution,
// and the run is the same whatever the number of threads.
TEST(Generator, LinesFitTheirLevelAndDoNotDependOnThreads) {
  for (int level = 0; level < 5; ++level) {
    const GenerateOptions one{.level = level, .count = 3, .seed = 2024, .threads = 1};
    const GenerateOptions three{.level = level, .count = 3, .seed = 2024, .threads = 3};
    GenerateReport report;
    int calls = 0;
    const std::vector<std::string> lines = Generate(one, [&](const GenerateProgress& p) {
      ++calls;
      EXPECT_EQ(p.wanted, 3);
    }, &report);
    EXPECT_GT(calls, 0);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(Generate(three, nullptr), lines) << "level " << level;
    EXPECT_GE(report.candidates, 3u);
    ASSERT_EQ(report.grades.size(), 3u);
    std::set<std::string> forms;
    for (const std::string& line : lines) {
      ASSERT_EQ(line.size(), 81u);
      const Grid puzzle = PuzzleOf(line);
      Grid solution{};
      ASSERT_EQ(FastSolver::CountUpTo(puzzle, 2, &solution), 1) << line;
      for (size_t i = 0; i < 81; ++i) {
        const char expected = puzzle[i] ? static_cast<char>('0' + puzzle[i]) : static_cast<char>('A' + solution[i] - 1);
        ASSERT_EQ(line[i], expected) << line;
      }
      const GradeResult r = Grade(puzzle);
      EXPECT_TRUE(FitsLevel(r, level)) << line;
      EXPECT_EQ(r.level, level);
      forms.insert(CanonicalForm(puzzle));
    }
    EXPECT_EQ(forms.size(), 3u);
  }
  const GenerateOptions other{.level = 2, .count = 2, .seed = 2025, .threads = 2};
  EXPECT_NE(Generate(other, nullptr),
            Generate(GenerateOptions{.level = 2, .count = 2, .seed = 2024, .threads = 2}, nullptr));
  EXPECT_TRUE(Generate(GenerateOptions{.level = 5, .count = 4, .seed = 2024, .threads = 2}, nullptr).empty());
}

TEST(Generator, CandidatesAreReproducible) {
  const Candidate a = MakeCandidate(3, 8, 16), b = MakeCandidate(3, 8, 16);
  EXPECT_EQ(a.puzzle, b.puzzle);
  EXPECT_EQ(a.solution, b.solution);
  EXPECT_NE(MakeCandidate(3, 8, 18).solution, a.solution);
  EXPECT_NE(MakeCandidate(4, 8, 16).solution, a.solution);
  // Every second candidate has its clues mirrored through the centre.
  const Candidate mirrored = MakeCandidate(3, 8, 17);
  for (size_t i = 0; i < 81; ++i) EXPECT_EQ(mirrored.puzzle[i] != 0, mirrored.puzzle[80 - i] != 0) << i;
  // The candidate keeps to its solution and, past the singles levels, is
  // minimal: every clue is needed for uniqueness.
  for (size_t i = 0; i < 81; ++i)
    if (a.puzzle[i]) { EXPECT_EQ(a.puzzle[i], a.solution[i]); }
  for (size_t i = 0; i < 81; ++i) {
    if (!a.puzzle[i]) continue;
    Grid less = a.puzzle;
    less[i] = 0;
    EXPECT_EQ(FastSolver::CountUpTo(less, 2), 2) << i;
  }
  // Very Easy candidates stop removing at 41..51 clues.
  for (std::uint64_t i = 0; i < 20; ++i) {
    const Candidate c = MakeCandidate(0, 8, i);
    EXPECT_TRUE(c.fits);
    EXPECT_GE(c.grade.clues, 41);
    EXPECT_LE(c.grade.clues, 51);
  }
}

// A run for a technique keeps the candidates of its level whose hardest
// technique it is, in candidate order, whatever the threads.
TEST(Generator, TechniqueRunsKeepPuzzlesWhoseHardestIsTheTechnique) {
  for (Technique t : {Technique::NakedPair, Technique::XYWing, Technique::XYChain}) {
    GenerateOptions one{.level = 0, .count = 3, .seed = 2024, .threads = 1};
    one.technique = t;
    GenerateOptions two = one;
    two.threads = 2;
    GenerateReport report;
    const std::vector<std::string> lines = Generate(one, nullptr, &report);
    ASSERT_EQ(lines.size(), 3u) << TechniqueName(t);
    EXPECT_EQ(Generate(two, nullptr), lines) << TechniqueName(t);
    // The same candidates as the level's run: the last line is the
    // candidate the report names.
    const Candidate last = MakeCandidate(TechniqueLevel(t), 2024, report.candidates - 1);
    EXPECT_EQ(BankLine(last.puzzle, last.solution), lines.back());
    for (const std::string& line : lines) {
      const GradeResult r = Grade(PuzzleOf(line));
      EXPECT_EQ(r.outcome, GradeResult::Outcome::Solved) << line;
      EXPECT_EQ(r.hardest, static_cast<int>(t)) << line;
      EXPECT_TRUE(FitsTechnique(r, t));
      EXPECT_EQ(FastSolver::CountUpTo(PuzzleOf(line), 2), 1) << line;
    }
  }
  // The singles cannot be asked for: their candidates are made for singles.
  GenerateOptions singles{.level = 0, .count = 1, .seed = 2024, .threads = 1};
  singles.technique = Technique::HiddenSingle;
  EXPECT_TRUE(Generate(singles, nullptr).empty());
}

TEST(Generator, MaxCandidatesEndsARunExactlyThere) {
  // Jellyfish is rare enough that 100 candidates hold none.
  GenerateOptions rare{.level = 0, .count = 5, .seed = 2024, .threads = 2};
  rare.technique = Technique::Jellyfish;
  rare.maxCandidates = 100;
  std::uint64_t examined = 0;
  int calls = 0;
  EXPECT_TRUE(Generate(rare, [&](const GenerateProgress& p) {
                ++calls;
                examined = p.candidates;
              }).empty());
  EXPECT_EQ(examined, 100u);
  EXPECT_EQ(calls, 2);  // a batch of 64, then the 36 left
  // A cap that leaves room changes nothing; one that cuts gives a prefix.
  GenerateOptions level{.level = 2, .count = 4, .seed = 2024, .threads = 2};
  const std::vector<std::string> all = Generate(level, nullptr);
  level.maxCandidates = 1000000;
  EXPECT_EQ(Generate(level, nullptr), all);
  GenerateReport report;
  level.count = 4;
  level.maxCandidates = 0;
  Generate(level, nullptr, &report);
  level.maxCandidates = report.candidates - 1;
  const std::vector<std::string> cut = Generate(level, nullptr);
  EXPECT_EQ(cut, std::vector<std::string>(all.begin(), all.begin() + 3));
}

TEST(Generator, TechniqueNamesAndStems) {
  EXPECT_EQ(TechniqueFromName("X-Wing"), Technique::XWing);
  EXPECT_EQ(TechniqueFromName("Alternating Inference Chain"), Technique::AlternatingInferenceChain);
  EXPECT_EQ(TechniqueFromName("Pointing"), Technique::Pointing);
  EXPECT_EQ(TechniqueFromName("x-wing"), std::nullopt);
  EXPECT_EQ(TechniqueFromName("XWing"), std::nullopt);
  EXPECT_EQ(TechniqueFromName(""), std::nullopt);
  EXPECT_STREQ(TechniqueStem(Technique::XWing), "xwing");
  EXPECT_STREQ(TechniqueStem(Technique::AlternatingInferenceChain), "aic");
  EXPECT_STREQ(TechniqueStem(Technique::TwoStringKite), "twostringkite");
  std::set<std::string> stems;
  for (int i = 0; i < kTechniqueCount; ++i) {
    const auto t = static_cast<Technique>(i);
    EXPECT_EQ(TechniqueFromName(TechniqueName(t)), t);
    stems.insert(TechniqueStem(t));
  }
  EXPECT_EQ(stems.size(), static_cast<size_t>(kTechniqueCount));
}
