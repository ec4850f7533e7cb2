// The practice bank compiled into the program.

#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "core/Canonical.h"
#include "core/FastSolver.h"
#include "core/Generator.h"
#include "core/Grader.h"
#include "core/PracticeData.h"
#include "core/Tfrmtk.h"

namespace {

// As the bank's content test: the optimised build grades every line, the
// unoptimised sanitizer build every fifth.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr size_t kGradeEvery = 1;
#else
constexpr size_t kGradeEvery = 5;
#endif

// The lines per technique that tools/cli/make-practice.sh made; the
// techniques not listed had none within its candidate limit.
const std::map<Technique, size_t> kLines = {
    {Technique::Pointing, 50}, {Technique::Claiming, 50}, {Technique::NakedPair, 50},
    {Technique::HiddenPair, 50}, {Technique::NakedTriple, 50}, {Technique::HiddenTriple, 50},
    {Technique::NakedQuad, 17}, {Technique::HiddenQuad, 2}, {Technique::XWing, 50},
    {Technique::Skyscraper, 50}, {Technique::TwoStringKite, 50}, {Technique::XYWing, 50},
    {Technique::XYZWing, 50}, {Technique::WWing, 50}, {Technique::Swordfish, 50},
    {Technique::SimpleColouring, 50}, {Technique::Jellyfish, 10}, {Technique::XCycle, 50},
    {Technique::XChain, 50}, {Technique::XYChain, 50}, {Technique::AlternatingInferenceChain, 50}
};

}  // namespace

// Each file is named by the stem of a technique from Pointing on, and none
// is left out of the lists the game deals from.
TEST(PracticeBank, EveryFileIsATechniqueFromPointingOn) {
  const Tfrmtk bank;
  size_t found = 0;
  for (std::size_t k = 0; k < practice_data::kListCount; ++k) {
    const std::string_view stem = practice_data::kLists[k].stem;
    bool known = false;
    for (int i = 0; i < kTechniqueCount; ++i) {
      if (stem != TechniqueStem(static_cast<Technique>(i))) continue;
      known = true;
      EXPECT_GE(TechniqueLevel(static_cast<Technique>(i)), 2) << stem;
      EXPECT_EQ(bank.practice(static_cast<Technique>(i)).size(), practice_data::kLists[k].count) << stem;
    }
    EXPECT_TRUE(known) << stem << ".txt is no technique's stem";
    found += known;
  }
  EXPECT_EQ(found, kLines.size());
  std::vector<Technique> offered;
  for (const auto& [t, n] : kLines) offered.push_back(t);
  EXPECT_EQ(bank.PracticeTechniques(), offered);
}

// Every line is a unique puzzle that carries its own solution, has the
// clues of its technique's level and needs exactly that technique as its
// hardest; no line is another in disguise.
TEST(PracticeBank, EveryLineGradesToItsTechnique) {
  const Tfrmtk bank;
  std::map<std::string, std::string> forms;  // canonical form -> "stem:line"
  for (int i = 0; i < kTechniqueCount; ++i) {
    const auto t = static_cast<Technique>(i);
    const std::vector<std::string>& lines = bank.practice(t);
    const auto expected = kLines.find(t);
    EXPECT_EQ(lines.size(), expected == kLines.end() ? 0u : expected->second) << TechniqueName(t);
    for (size_t n = 0; n < lines.size(); ++n) {
      const std::string& line = lines[n];
      const std::string where = std::string(TechniqueStem(t)) + ":" + std::to_string(n + 1);
      ASSERT_EQ(line.size(), 81u) << where;
      Grid puzzle{}, solution{};
      for (size_t c = 0; c < 81; ++c) puzzle[c] = line[c] <= '9' ? static_cast<std::uint8_t>(line[c] - '0') : 0;
      ASSERT_EQ(FastSolver::CountUpTo(puzzle, 2, &solution), 1) << where << ' ' << line;
      EXPECT_EQ(BankLine(puzzle, solution), line) << where;
      if (n % kGradeEvery == 0) {
        const GradeResult r = Grade(puzzle);
        EXPECT_TRUE(FitsTechnique(r, t)) << where << ' ' << line;
        EXPECT_EQ(r.hardest, i) << where << ' ' << line;
      }
      const auto [it, fresh] = forms.emplace(CanonicalForm(puzzle), where);
      EXPECT_TRUE(fresh) << where << " is " << it->second << " in disguise";
    }
  }
}
