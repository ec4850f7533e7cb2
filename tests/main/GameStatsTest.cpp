// The statistics line a game gives when it ends: its outcome, time, origin
// and the help it used, once per g->

#include <gtest/gtest.h>

#include <functional>

#include "main/Game.h"
#include "support/ScriptedRandom.h"
#include "support/TestClock.h"
#include "support/TestPuzzles.h"

namespace {

constexpr const char* kStart = "2026-03-01T09:00:00";

class GameStatsTest : public ::testing::Test {
  public:
  void SetUp() override {
    g->SetClockSource(clock.Source());
    g->SetWallClock([] { return std::string(kStart); });
  }
  // Cells 0 (4), 1 (2) and 80 (6) open.
  void Deal(int level = 2) {
    g->SetRandom(std::make_unique<ScriptedRandom>());
    const std::string line = LineWithBlanks({0, 1, 80});
    g->SetBank(Tfrmtk({{line}, {line}, {line}, {line}, {line}}));
    ASSERT_TRUE(g->NewGame(level));
  }
  GameOutcome Place(int index, int digit) {
    g->PressDigit(digit);
    return g->CellPress(index, MouseButton::Left);
  }
  GameOutcome SolveByHand() {
    Place(0, 4);
    Place(1, 2);
    return Place(80, 6);
  }

  TestClock clock;
  std::unique_ptr<Game> g = std::make_unique<Game>();
};

StatsLine Line(int level, const char* origin, StatsOutcome outcome, std::int64_t ms, bool hint = false,
               bool coach = false, bool solution = false) {
  return {kStart, level, origin, outcome, ms, hint, coach, solution};
}

}  // namespace

TEST_F(GameStatsTest, EachWayAGameEndsGivesItsLineOnce) {
  struct Case {
    const char* name;
    std::function<void(GameStatsTest&)> play;
    bool atExit;
    std::optional<StatsLine> want;
  };
  const std::vector<Case> cases = {
      {"no move: a game only looked at is not counted", [](GameStatsTest&) {}, false, std::nullopt},
      {"no move, at exit", [](GameStatsTest&) {}, true, std::nullopt},
      {"solved by hand", [](GameStatsTest& t) { EXPECT_TRUE(t.SolveByHand().solved); }, false,
       Line(3, "bank", StatsOutcome::Solved, 65000)},
      {"solved, then the line asked for at exit", [](GameStatsTest& t) { t.SolveByHand(); }, true,
       Line(3, "bank", StatsOutcome::Solved, 65000)},
      {"one digit placed, then replaced", [](GameStatsTest& t) { t.Place(0, 4); }, false,
       Line(3, "bank", StatsOutcome::Unsolved, 65000)},
      {"one digit placed, still in play at exit", [](GameStatsTest& t) { t.Place(0, 4); }, true,
       Line(3, "bank", StatsOutcome::Open, 65000)},
      {"Show hint, then solved",
       [](GameStatsTest& t) {
         t.g->Hint();  // fills the last open cell, 80
         t.Place(0, 4);
         EXPECT_TRUE(t.Place(1, 2).solved);
       },
       false, Line(3, "bank", StatsOutcome::Solved, 65000, true)},
      {"the coach asked, then solved",
       [](GameStatsTest& t) {
         t.g->CoachNext();
         EXPECT_TRUE(t.SolveByHand().solved);
       },
       false, Line(3, "bank", StatsOutcome::Solved, 65000, false, true)},
      {"Show Solution is never a solve, not even at exit",
       [](GameStatsTest& t) { EXPECT_EQ(t.g->Solve(), Game::SolveResult::Filled); }, true,
       Line(3, "bank", StatsOutcome::Unsolved, 65000, false, false, true)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g = std::make_unique<Game>();
    SetUp();
    Deal(3);
    clock.Advance(65000);
    c.play(*this);
    EXPECT_EQ(g->TakeStatsLine(c.atExit), c.want);
    EXPECT_EQ(g->TakeStatsLine(c.atExit), std::nullopt);  // never twice
  }
}

TEST_F(GameStatsTest, AResumedGameCountsItsSolveWithoutATime) {
  Deal(1);
  Place(0, 4);
  clock.Advance(5000);
  const ReplayData replay = g->ToReplay();
  // Continue, a replay file or a saved game: the file keeps no time.
  g->SetWallClock([] { return std::string("2026-03-02T10:00:00"); });
  g->RestoreReplay(replay);
  EXPECT_EQ(g->TakeStatsLine(true), std::nullopt);  // nothing done since it was resumed
  Place(1, 2);
  clock.Advance(7000);
  EXPECT_TRUE(Place(80, 6).solved);
  EXPECT_EQ(g->TakeStatsLine(false),
            (StatsLine{"2026-03-02T10:00:00", 1, "resumed", StatsOutcome::Solved, -1, false, false, false}));

  ASSERT_TRUE(g->OpenSaved(4, kSolution, replay.log.back()));
  Place(1, 2);
  EXPECT_EQ(g->TakeStatsLine(false),
            (StatsLine{"2026-03-02T10:00:00", 4, "resumed", StatsOutcome::Unsolved, -1, false, false, false}));
}

TEST_F(GameStatsTest, RestartBeginsAFreshTimedGameFromTheSameSource) {
  Deal(2);
  g->SetStatsOrigin("practice:xwing");
  g->Hint();
  clock.Advance(3000);
  EXPECT_EQ(g->TakeStatsLine(false), Line(2, "practice:xwing", StatsOutcome::Unsolved, 3000, true));
  g->Restart();
  clock.Advance(4000);
  EXPECT_TRUE(SolveByHand().solved);
  EXPECT_EQ(g->TakeStatsLine(false), Line(2, "practice:xwing", StatsOutcome::Solved, 4000));
  // The next deal is the bank's again.
  Deal(2);
  SolveByHand();
  EXPECT_EQ(g->TakeStatsLine(false), Line(2, "bank", StatsOutcome::Solved, 0));
}

TEST_F(GameStatsTest, ThePuzzleEditorsGameIsLevelFiveFromTheEditor) {
  Deal(2);
  Board editor = g->board();
  g->PlayPuzzle(editor, kSolution);
  EXPECT_EQ(g->TakeStatsLine(true), std::nullopt);
  Place(0, 4);
  clock.Advance(1500);
  EXPECT_EQ(g->TakeStatsLine(true), Line(5, "editor", StatsOutcome::Open, 1500));
}
