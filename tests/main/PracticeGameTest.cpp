// Practice games on the game model: a deal keeps its technique as the
// hardest, plays at the technique's level and names it in the level label;
// every other start of a game forgets it.

#include <gtest/gtest.h>

#include <set>

#include "core/Canonical.h"
#include "core/FastSolver.h"
#include "main/Game.h"
#include "support/ScriptedRandom.h"
#include "support/TestPuzzles.h"

namespace {

Grid GridOf(const std::string& text) {
  Grid g{};
  for (size_t i = 0; i < 81; ++i)
    g[i] = text[i] >= '1' && text[i] <= '9' ? static_cast<std::uint8_t>(text[i] - '0') : 0;
  return g;
}

// The givens of a bank line, as the board spells them ("0" for a blank).
std::string GivensOf(const std::string& line) {
  std::string out;
  for (char ch : line) out += ch <= '9' ? ch : '0';
  return out;
}

// Two XY-Wing lines (generate --technique XY-Wing --count 2 --seed 77).
const std::string kXYWing1 = "G4IBE83AF2FCAD75HIEA8ICFB74I27EFDAC8FC5HA9GDBAHD3GB6IEHGAF9EDBC3E24HAIFGDI6GBC851";
const std::string kXYWing2 = "FIB8A5GCD3G4I6B1EHH51GDCF2IGD6EB1H9C2ACDIHEF7I8E6CG2DAA6HCEI47BEB9A7D3H6DCG2H6IAE";

}  // namespace

TEST(PracticeGame, DealsTheDrawnLineAtTheTechniquesLevel) {
  Game game;
  Tfrmtk bank({{kXYWing1}, {kXYWing1}, {kXYWing1}, {kXYWing1}, {kXYWing1}});
  bank.SetPractice(Technique::XYWing, {kXYWing1, kXYWing2});
  game.SetBank(bank);
  auto random = std::make_unique<ScriptedRandom>(std::deque<int>{1});  // the second line
  ScriptedRandom* draws = random.get();
  game.SetRandom(std::move(random));
  EXPECT_EQ(game.PracticeTechniques(), std::vector<Technique>{Technique::XYWing});
  // A technique without lines deals nothing and leaves the game as it was.
  EXPECT_FALSE(game.NewPractice(Technique::XWing));
  EXPECT_FALSE(game.InProgress());
  EXPECT_EQ(game.PracticeTechnique(), std::nullopt);

  ASSERT_TRUE(game.NewPractice(Technique::XYWing));
  EXPECT_EQ(draws->reseeds, 2);  // as a bank deal: once to pick, once to shuffle
  // Every draw after the pick is 0: the shuffle leaves the line as it is.
  EXPECT_EQ(game.board().GetGivens(), GivensOf(kXYWing2));
  EXPECT_EQ(game.Level(), 3);
  EXPECT_EQ(game.PracticeTechnique(), Technique::XYWing);
  EXPECT_EQ(game.LevelCaption(), "msg_ndtxt_practice");
  EXPECT_EQ(game.LevelCaptionArgument(), "coach_xywing");
  EXPECT_TRUE(game.InProgress());
  // Restart plays the same practice puzzle again.
  game.Restart();
  EXPECT_EQ(game.PracticeTechnique(), Technique::XYWing);
  EXPECT_EQ(game.LevelCaption(), "msg_ndtxt_practice");
}

TEST(PracticeGame, EveryOtherStartForgetsTheTechnique) {
  Game game;
  Tfrmtk bank({{kXYWing1}, {kXYWing1}, {kXYWing1}, {kXYWing1}, {kXYWing1}});
  bank.SetPractice(Technique::XYWing, {kXYWing1});
  game.SetBank(bank);
  game.SetRandom(std::make_unique<ScriptedRandom>());
  const auto practise = [&] {
    ASSERT_TRUE(game.NewPractice(Technique::XYWing));
    ASSERT_EQ(game.PracticeTechnique(), Technique::XYWing);
  };
  const auto forgotten = [&](const char* how, const std::string& caption) {
    EXPECT_EQ(game.PracticeTechnique(), std::nullopt) << how;
    EXPECT_EQ(game.LevelCaptionArgument(), "") << how;
    EXPECT_EQ(game.LevelCaption(), caption) << how;
  };
  practise();
  ASSERT_TRUE(game.NewGame(1));
  forgotten("new game", "msg_ndtxt_gentle");
  practise();
  const ReplayData replay = game.ToReplay();
  EXPECT_EQ(replay.level, 3);  // the replay keeps the technique's level
  game.RestoreReplay(replay);
  forgotten("replay", "msg_ndtxt_tough");
  practise();
  const std::string step = game.steps().CurrentLine();
  ASSERT_TRUE(game.OpenSaved(4, game.QJ1().GetSolution(), step));
  forgotten("saved game", "msg_ndtxt_diabolical");
  practise();
  game.PlayPuzzle(game.board(), "");
  forgotten("editor", "msg_frm_new_unknow");
  practise();
  game.StartFromHolder(2);
  forgotten("holder", "msg_ndtxt_moderate");
}

// The built-in practice bank through the game: each offered technique
// deals a disguised puzzle of one of its lines, still valid, still needing
// the technique as its hardest, at the technique's level.
TEST(PracticeGame, BuiltInDealsKeepTheirTechniqueThroughTheShuffle) {
  Game game;
  const Tfrmtk bank;
  const std::vector<Technique> offered = game.PracticeTechniques();
  ASSERT_FALSE(offered.empty());
  for (Technique t : offered) {
    std::set<std::string> forms;
    for (const std::string& line : bank.practice(t)) forms.insert(CanonicalForm(GridOf(GivensOf(line))));
    for (std::uint64_t seed : {1u, 2u, 3u}) {
      game.SetRandom(std::make_unique<ClockRandom>([seed] { return seed; }));
      ASSERT_TRUE(game.NewPractice(t)) << TechniqueName(t);
      const std::string where = std::string(TechniqueName(t)) + " seed " + std::to_string(seed);
      EXPECT_EQ(game.Level(), TechniqueLevel(t)) << where;
      EXPECT_GE(game.Level(), 2);
      EXPECT_LE(game.Level(), 4);
      EXPECT_EQ(game.PracticeTechnique(), t);
      const Grid givens = GridOf(game.board().GetGivens());
      EXPECT_TRUE(forms.contains(CanonicalForm(givens))) << where << ": not a line of the technique";
      Grid solution{};
      ASSERT_EQ(FastSolver::CountUpTo(givens, 2, &solution), 1) << where;
      const std::string known = game.QJ1().GetSolution();
      for (size_t i = 0; i < 81; ++i) EXPECT_EQ(known[i] - '0', solution[i]) << where << " cell " << i;
      const GradeResult r = Grade(givens);
      EXPECT_EQ(r.outcome, GradeResult::Outcome::Solved) << where;
      EXPECT_EQ(r.hardest, static_cast<int>(t)) << where;
    }
  }
}
