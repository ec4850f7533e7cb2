// The generator per technique: how long a practice puzzle of each technique
// from Pointing on takes to make. Each run wants a few puzzles and stops after
// a fixed number of candidates, so the whole bench ends in bounded time and a
// rare technique shows as few (or no) puzzles from those candidates.

#include <cstdio>
#include <cstdlib>

#include "core/Generator.h"
#include "core/Grader.h"

int main(int argc, char** argv) {
  // Two threads, as the practice bank was made; the run's lines do not
  // depend on it.
  const int threads = argc > 1 ? std::atoi(argv[1]) : 2;
  constexpr int kWanted = 5;
  constexpr std::uint64_t kMaxCandidates = 6400;
  std::printf("  %d threads; each run wants %d puzzles and stops after %llu candidates (seed 2409)\n", threads, kWanted,
              static_cast<unsigned long long>(kMaxCandidates));
  std::printf("  %-28s %7s %10s %8s %12s %14s\n", "technique", "puzzles", "candidates", "seconds", "puzzles/s",
              "candidates/s");
  for (int i = static_cast<int>(Technique::Pointing); i < kTechniqueCount; ++i) {
    GenerateOptions options;
    options.technique = static_cast<Technique>(i);
    options.count = kWanted;
    options.seed = 2409;
    options.threads = threads;
    options.maxCandidates = kMaxCandidates;
    GenerateReport report;
    std::uint64_t examined = 0;
    const auto lines = Generate(options, [&](const GenerateProgress& p) { examined = p.candidates; }, &report);
    const double seconds = report.seconds > 0 ? report.seconds : 1e-9;
    std::printf("  %-28s %7zu %10llu %8.2f %12.2f %14.0f\n", TechniqueName(static_cast<Technique>(i)), lines.size(),
                static_cast<unsigned long long>(examined), report.seconds, static_cast<double>(lines.size()) / seconds,
                static_cast<double>(examined) / seconds);
  }
  return 0;
}
