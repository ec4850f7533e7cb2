#include <gtest/gtest.h>

#include <map>

#include "core/Canonical.h"
#include "core/FastSolver.h"
#include "core/Generator.h"
#include "core/Grader.h"
#include "core/Tfrmtk.h"

namespace {

// The optimised build grades every line (about a second). The unoptimised
// sanitizer build, which is after memory faults rather than content, grades
// every tenth and checks everything else on every line.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr size_t kGradeEvery = 1;
#else
constexpr size_t kGradeEvery = 10;
#endif

}  // namespace

// The bank compiled into the program: 500 lines a level, each a unique
// puzzle that carries its own solution, has the level's number of clues and
// grades to exactly its level, and no line is another in disguise.
TEST(BankContent, EveryLineIsAPuzzleOfItsLevel) {
  const Tfrmtk bank;
  std::map<std::string, std::string> forms;  // canonical form -> "level:line"
  for (int level = 0; level < Tfrmtk::kLevels; ++level) {
    const std::vector<std::string>& lines = bank.list(level);
    ASSERT_EQ(lines.size(), 500u) << "level " << level;
    const ClueRange range = LevelClueRange(level);
    for (size_t n = 0; n < lines.size(); ++n) {
      const std::string& line = lines[n];
      const std::string where = std::to_string(level) + ":" + std::to_string(n + 1);
      ASSERT_EQ(line.size(), 81u) << where;
      Grid puzzle{}, solution{};
      int clues = 0;
      for (size_t i = 0; i < 81; ++i) {
        const char ch = line[i];
        ASSERT_TRUE((ch >= '1' && ch <= '9') || (ch >= 'A' && ch <= 'I')) << where;
        if (ch <= '9') {
          puzzle[i] = static_cast<std::uint8_t>(ch - '0');
          ++clues;
        }
      }
      ASSERT_EQ(FastSolver::CountUpTo(puzzle, 2, &solution), 1) << where << ' ' << line;
      for (size_t i = 0; i < 81; ++i)
        if (!puzzle[i]) { ASSERT_EQ(line[i], static_cast<char>('A' + solution[i] - 1)) << where << " cell " << i; }
      EXPECT_GE(clues, 17) << where;
      EXPECT_GE(clues, range.min) << where;
      EXPECT_LE(clues, range.max) << where;
      if (n % kGradeEvery == 0) {
        const GradeResult r = Grade(puzzle);
        EXPECT_EQ(r.outcome, GradeResult::Outcome::Solved) << where;
        EXPECT_EQ(r.level, level) << where << ' ' << line;
      }
      const auto [it, fresh] = forms.emplace(CanonicalForm(puzzle), where);
      EXPECT_TRUE(fresh) << where << " is " << it->second << " in disguise";
    }
  }
}
