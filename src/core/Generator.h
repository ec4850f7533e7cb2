#pragma once
// Making bank lines of a chosen level.
//
// A run is a numbered sequence of candidates; candidate i is made from its
// own random stream, derived from the seed, the level and i alone, so a
// candidate is the same whichever thread makes it. Threads take candidates
// in batches and the batch is merged in candidate order: the lines of a run
// depend on the seed only, never on timing or the number of threads.
//
// Making a candidate: a random solved grid, then clues removed one by one (or,
// for every second candidate above Very Easy, in pairs that mirror through the
// centre) in random order, each removal kept only while the puzzle still
// qualifies:
//   Very Easy   singles still finish it, down to a random target of 41..51 clues;
//   Gentle      singles still finish it, as far as it goes;
//   the others  the solution stays unique, as far as it goes.
// The grader then decides whether the candidate is a puzzle of the level.
//
// A run for a technique makes the candidates of the technique's level (the
// same ones a run for that level makes) and keeps those whose hardest
// technique is the one asked for.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/FastSolver.h"
#include "core/Grader.h"

// A small deterministic generator (xoshiro256**), the same on every
// platform, unlike the standard distributions.
class GeneratorRandom {
 public:
  explicit GeneratorRandom(std::uint64_t seed);
  std::uint64_t Next();
  // Uniform in 0..n-1, n >= 1.
  int Below(int n);

 private:
  std::uint64_t s_[4];
};

struct ClueRange {
  int min;
  int max;
};
// The clues a bank line of the level may have.
ClueRange LevelClueRange(int level);

// True when a graded puzzle belongs in the bank at this level.
bool FitsLevel(const GradeResult& grade, int level);

// True when a graded puzzle practises the technique: solved, the technique
// its hardest, with the clues of the technique's level.
bool FitsTechnique(const GradeResult& grade, Technique technique);

// A random solved grid.
Grid RandomSolution(GeneratorRandom& random);

// The 81-character bank line: clue digits, "A".."I" for the other cells.
std::string BankLine(const Grid& puzzle, const Grid& solution);

struct Candidate {
  Grid puzzle{};
  Grid solution{};
  GradeResult grade;
  bool fits = false;
};

// Candidate number index of a run; the same for the same arguments.
Candidate MakeCandidate(int level, std::uint64_t seed, std::uint64_t index);

struct GenerateOptions {
  int level = 0;
  int count = 1;
  std::uint64_t seed = 1;
  int threads = 2;
  // When set, lines whose hardest technique is this one; level is then
  // ignored (the technique's own level is used).
  std::optional<Technique> technique = std::nullopt;
  // Stops after this many candidates even when fewer than count lines were
  // found (0: no limit), so that a run for a rare technique ends and still
  // depends on the seed only.
  std::uint64_t maxCandidates = 0;
};

struct GenerateProgress {
  int accepted = 0;
  int wanted = 0;
  std::uint64_t candidates = 0;  // examined so far
  double seconds = 0;
};

struct GenerateReport {
  std::uint64_t candidates = 0;  // up to and including the one that gave the last line
  int duplicates = 0;            // fitting candidates dropped as disguises of earlier lines
  double seconds = 0;
  std::vector<GradeResult> grades;  // of the lines, in order
};

// The count lines of the run, in candidate order (none for a level outside
// 0..4 or a technique below level 2; fewer when maxCandidates ends the run).
// progress is called after every batch.
std::vector<std::string> Generate(const GenerateOptions& options,
                                  const std::function<void(const GenerateProgress&)>& progress,
                                  GenerateReport* report = nullptr);
