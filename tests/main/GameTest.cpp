// The rules of play on the game model, with the move log's step lines as
// golden data.

#include <gtest/gtest.h>

#include <map>

#include "main/Game.h"
#include "support/ScriptedRandom.h"
#include "support/TestPuzzles.h"
#include "support/GameTestAccess.h"
#include "support/TestClock.h"

namespace {

// A step line of the solved grid as clues, with some cells' tokens replaced.
std::string Line(const std::map<int, std::string>& tokens) {
  std::string line;
  for (int i = 0; i < kCells; ++i) {
    if (i > 0) line += ',';
    const auto it = tokens.find(i);
    line += it != tokens.end() ? it->second : "1" + kSolution.substr(static_cast<size_t>(i), 1);
  }
  return line;
}

// Cells 0 (solution 4), 1 (2) and 80 (6) open: each has one free digit.
const std::string kThreeOpen = Line({{0, "34"}, {1, "32"}, {80, "36"}});

class GameTest : public ::testing::Test {
 protected:
  // Deals a line as the new-game commands do; with every draw 0 the shuffle
  // swaps columns 1 and 2 an even number of times, so the line is unchanged.
  void Deal(const std::string& line, int level = 2) {
    game.SetRandom(std::make_unique<ScriptedRandom>());
    game.SetBank(Tfrmtk({{line}, {line}, {line}, {line}, {line}}));
    ASSERT_TRUE(game.NewGame(level));
  }
  void Place(int index, int digit) {
    game.PressDigit(digit);
    game.SetPaint(0);
    last = game.CellPress(index, MouseButton::Left);
  }

  void SetUp() override { game.SetClockSource(clock.Source()); }

  TestClock clock;
  Game game;
  GameOutcome last;
};

}  // namespace

TEST_F(GameTest, NothingPlaysBeforeTheFirstGame) {
  EXPECT_FALSE(game.InProgress());
  EXPECT_EQ(game.Branch(), BranchState::Off);
  EXPECT_FALSE(game.CanStepBack());
  EXPECT_FALSE(game.CanStepForward());
  game.Restart();
  clock.Advance(100);
  EXPECT_EQ(game.ElapsedMs(), 0);
  EXPECT_TRUE(GameTestAccess::steps(game).memostep.empty());
  for (int i = 0; i < kCells; ++i) {
    EXPECT_EQ(GameTestAccess::board(game).cell(i).state, CellState::Given) << i;
    EXPECT_EQ(GameTestAccess::board(game).cell(i).digits, "") << i;
  }
  EXPECT_EQ(GameTestAccess::marking(game).at(5, 5, 3), kNoMarking);
  // A blank board shows no conflict.
  GameTestAccess::board(game).MarkConflicts();
  EXPECT_FALSE(GameTestAccess::board(game).HasConflict());
}

TEST_F(GameTest, ANewGameStartsFromTheDealtBoard) {
  Deal(LineWithBlanks({0, 1, 80}), 3);
  EXPECT_EQ(GameTestAccess::steps(game).memostep, std::vector<std::string>{kThreeOpen});
  EXPECT_EQ(game.Level(), 3);
  EXPECT_EQ(game.Mode(), DisplayMode::None);
  EXPECT_EQ(game.SelectedDigit(), 1);
  EXPECT_TRUE(game.ClockRunning());
  EXPECT_EQ(game.Branch(), BranchState::Idle);
  EXPECT_EQ(GameTestAccess::QJ1(game).GetSolution(), kSolution);
  clock.Advance(100);
  clock.Advance(100);
  EXPECT_EQ(game.ElapsedMs(), 200);
}

TEST_F(GameTest, PlacingLogsAStepAndSteppingBackDropsTheStepsAhead) {
  Deal(LineWithBlanks({0, 1, 80}));
  Place(0, 4);
  Place(2, 7);  // a clue: nothing changes, nothing is logged
  ASSERT_EQ(GameTestAccess::steps(game).memostep.size(), 2u);
  EXPECT_EQ(GameTestAccess::steps(game).memostep[1], Line({{0, "24"}, {1, "32"}, {80, "36"}}));
  EXPECT_TRUE(game.CanStepBack());
  EXPECT_FALSE(game.CanStepForward());

  game.StepBack();
  EXPECT_EQ(BoardToStep(GameTestAccess::board(game)), kThreeOpen);
  EXPECT_TRUE(game.CanStepForward());
  Place(1, 2);
  EXPECT_EQ(GameTestAccess::steps(game).memostep,
            (std::vector<std::string>{kThreeOpen, Line({{0, "34"}, {1, "22"}, {80, "36"}})}));
  // A right press in mode None empties the cell without candidates.
  game.SetPaint(0), game.CellPress(1, MouseButton::Right);
  EXPECT_EQ(GameTestAccess::steps(game).memostep.back(), Line({{0, "34"}, {1, "3"}, {80, "36"}}));
}

TEST_F(GameTest, SolvingByAClickStopsTheClockAndRestartResetsTheBranchButtons) {
  Deal(LineWithBlanks({0, 1, 80}));
  Place(0, 4);
  Place(1, 2);
  EXPECT_TRUE(last.message.empty());
  Place(80, 6);
  EXPECT_EQ(last.message, "msg_Puzzlesolved");
  EXPECT_TRUE(game.SolvedMarker());
  EXPECT_FALSE(game.ClockRunning());
  EXPECT_EQ(game.Branch(), BranchState::Off);
  // A later click on the solved board announces it again.
  Place(2, 7);
  EXPECT_EQ(last.message, "msg_Puzzlesolved");

  game.Restart();
  EXPECT_EQ(game.Branch(), BranchState::Idle);
  EXPECT_FALSE(game.SolvedMarker());
  EXPECT_TRUE(game.ClockRunning());
  EXPECT_EQ(game.ElapsedMs(), 0);
  EXPECT_EQ(GameTestAccess::steps(game).memostep, std::vector<std::string>{kThreeOpen});
}

TEST_F(GameTest, ANewGameAndARestartClearConflictsPaintAndTheLog) {
  constexpr std::uint32_t kGreen = 0x00FF00;
  for (const bool restart : {false, true}) {
    Deal(LineWithBlanks({0, 1, 80}));
    Place(0, 9);  // row 1 holds the clue 9
    game.SetMarkingOn(true);
    game.SetPaint(kGreen), game.CellPress(40, MouseButton::Left);
    game.SetMarkingOn(false);
    clock.Advance(500);
    ASSERT_TRUE(GameTestAccess::board(game).HasConflict());
    ASSERT_EQ(GameTestAccess::marking(game).at(5, 5, 0), kGreen);

    if (restart)
      game.Restart();
    else
      ASSERT_TRUE(game.NewGame(1));
    EXPECT_FALSE(GameTestAccess::board(game).HasConflict()) << restart;
    EXPECT_EQ(GameTestAccess::marking(game).at(5, 5, 0), kNoMarking) << restart;
    EXPECT_EQ(GameTestAccess::steps(game).memostep, std::vector<std::string>{kThreeOpen}) << restart;
    EXPECT_EQ(game.ElapsedMs(), 0) << restart;
  }
}

TEST_F(GameTest, ABoardFilledByShowSolutionIsNeverThePlayersSolve) {
  Deal(LineWithBlanks({0, 1, 80}));
  clock.Advance(300);
  EXPECT_EQ(game.Solve(), Game::SolveResult::Filled);
  EXPECT_EQ(BoardToStep(GameTestAccess::board(game)), Line({{0, "24"}, {1, "22"}, {80, "26"}}));
  EXPECT_FALSE(game.ClockRunning());
  clock.Advance(100);
  EXPECT_EQ(game.ElapsedMs(), 300);
  EXPECT_EQ(game.DigitCounts()[4], 9);
  Place(2, 7);
  EXPECT_TRUE(last.message.empty());
  EXPECT_FALSE(game.SolvedMarker());
  // Filling logs nothing; the next change does.
  EXPECT_EQ(GameTestAccess::steps(game).memostep.size(), 2u);
}

TEST_F(GameTest, ShowSolutionWithoutAKnownSolutionCountsThem) {
  Deal(LineWithBlanks({0, 1, 80}));
  GameTestAccess::QJ1(game).ClearDigits();
  EXPECT_EQ(game.Solve(), Game::SolveResult::Filled);  // one solution: found and filled
  // The corners of a 4-3/3-4 rectangle open: two solutions, the board is unchanged.
  Deal(LineWithBlanks({0, 8, 9, 17}));
  GameTestAccess::QJ1(game).ClearDigits();
  std::string first, other;
  const std::string before = BoardToStep(GameTestAccess::board(game));
  EXPECT_EQ(game.Solve(&first, &other), Game::SolveResult::Several);
  EXPECT_EQ(BoardToStep(GameTestAccess::board(game)), before);
  EXPECT_NE(first, other);
}

TEST_F(GameTest, PaintSurvivesAHintAndOnlyThePlayersPaintIsStored) {
  Deal(LineWithBlanks({0, 1, 80}));
  constexpr std::uint32_t kGreen = 0x00FF00;
  game.SetMarkingOn(true);
  game.SetPaint(kGreen), game.CellPress(10, MouseButton::Left);
  game.SetMarkingOn(false);
  game.Hint();  // fills the last open cell
  EXPECT_EQ(game.HintCell(), 80);
  EXPECT_EQ(GameTestAccess::board(game).cell(80).digits, "6");
  EXPECT_EQ(GameTestAccess::steps(game).memostep.back(), Line({{0, "34"}, {1, "32"}, {80, "26"}}));
  EXPECT_EQ(game.CellBackground(10), kGreen);
  // A right press on a candidate of the hinted cell takes the cell's paint,
  // which is none: the hint's yellow is not paint.
  game.SetMarkingOn(true);
  game.SetPaint(kGreen), game.CandidatePress(80, 3, MouseButton::Right);
  EXPECT_EQ(GameTestAccess::marking(game).at(9, 9, 3), kNoMarking);
  // Painting in a board colour stores nothing; a right press removes paint.
  game.SetPaint(game.look().UNFoucsColor1), game.CellPress(11, MouseButton::Left);
  EXPECT_EQ(GameTestAccess::marking(game).at(2, 3, 0), kNoMarking);
  game.SetPaint(kGreen), game.CellPress(10, MouseButton::Right);
  EXPECT_EQ(game.CellBackground(10), 0xFFFFFFu);  // box 1's colour
  // Painting logs nothing.
  EXPECT_EQ(GameTestAccess::steps(game).memostep.size(), 2u);
}

TEST_F(GameTest, AWrongDigitStaysReadableOnEveryBackground) {
  Deal(LineWithBlanks({0, 1, 55}));
  Place(1, 4);  // wrong (2), and the cells that hold 4 in its row and column are open
  ASSERT_EQ(game.Check(), std::vector<int>{1});
  EXPECT_EQ(game.CheckFontColour(1), Game::kCheckColour);
  Place(0, 4);  // now 4 clashes with 4: the conflict colour is red
  ASSERT_TRUE(GameTestAccess::board(game).cell(1).isError);
  EXPECT_EQ(game.CheckFontColour(1), 0xFFFFFFu);
  game.SetMarkingOn(true);
  game.SetPaint(0x0000FF), game.CellPress(1, MouseButton::Left);  // painted pure red
  game.SetPaint(0xFF0000), game.CellPress(0, MouseButton::Left);  // blue behind a right digit
  EXPECT_EQ(game.CheckFontColour(1), 0xFFFFFFu);
}

TEST_F(GameTest, CandidateModesPruneAndTheMenuFollowsThePress) {
  Deal(LineWithBlanks({0, 1, 9, 10}));  // a 2x2 square in box 1: 4 2 / 3 5
  game.SelectMode(DisplayMode::All);
  EXPECT_EQ(BoardToStep(GameTestAccess::board(game)), Line({{0, "34"}, {1, "32"}, {9, "33"}, {10, "35"}}));
  EXPECT_TRUE(game.CellHasMenu(0));
  EXPECT_FALSE(game.CellHasMenu(2));  // a clue
  // Left on a candidate places it and, with auto update, prunes the peers.
  GameTestAccess::board(game).cell(1).digits = "24";
  game.SetPaint(0), game.CandidatePress(0, 4, MouseButton::Left);
  EXPECT_EQ(GameTestAccess::board(game).cell(1).digits, "2");
  EXPECT_TRUE(game.CellMenu(1).empty());  // the menu request after a press shows nothing
  game.SetPaint(0), game.CellPress(0, MouseButton::Left);  // takes the placed 4 back
  EXPECT_EQ(GameTestAccess::board(game).cell(0).state, CellState::Open);
  EXPECT_EQ(GameTestAccess::board(game).cell(0).digits, "4");
  ASSERT_FALSE(game.CellMenu(1).empty());
  game.CellMenuClick(1, {'+', 7});
  EXPECT_EQ(GameTestAccess::board(game).cell(1).digits, "27");
  game.CellMenuClick(1, {'-', 2});
  EXPECT_EQ(GameTestAccess::board(game).cell(1).digits, "7");
  EXPECT_EQ(GameTestAccess::board(game).cell(1).state, CellState::Open);
  // In mode Only one, only cells holding the digit have a menu.
  game.SelectMode(DisplayMode::OnlyOne);
  game.ClickDigit(5, true);
  EXPECT_TRUE(game.CellHasMenu(10));
  EXPECT_FALSE(game.CellHasMenu(1));
  // In mode All a pressed digit button can be released to select none.
  game.SelectMode(DisplayMode::All);
  game.ClickDigit(5, false);
  EXPECT_EQ(game.SelectedDigit(), 0);
  game.SelectMode(DisplayMode::None);
  EXPECT_EQ(game.SelectedDigit(), 1);
}

TEST_F(GameTest, RejectingABranchPutsTheSnapshotBackAsANewStep) {
  Deal(LineWithBlanks({0, 1, 80}));
  Place(0, 4);
  game.StartBranch();
  EXPECT_EQ(game.Branch(), BranchState::Trying);
  Place(1, 2);
  game.RejectBranch();
  EXPECT_EQ(game.Branch(), BranchState::Idle);
  EXPECT_EQ(GameTestAccess::steps(game).memostep.size(), 4u);
  EXPECT_EQ(GameTestAccess::steps(game).memostep.back(), GameTestAccess::steps(game).memostep[1]);
  EXPECT_TRUE(GameTestAccess::BranchBoard(game).empty());
  game.StartBranch();
  Place(1, 2);
  game.AcceptBranch();
  EXPECT_EQ(GameTestAccess::board(game).cell(1).digits, "2");
}

TEST_F(GameTest, TheClockCountsItsSourceAndStandsStillWhilePausedOrStopped) {
  game.Pause();  // before the first game there is nothing to pause
  EXPECT_FALSE(game.Paused());
  Deal(LineWithBlanks({0, 1, 80}));
  clock.Advance(1500);
  game.Pause();
  EXPECT_TRUE(game.Paused());
  EXPECT_FALSE(game.ClockRunning());
  clock.Advance(60000);  // a long pause counts nothing
  EXPECT_EQ(game.ElapsedMs(), 1500);
  game.Resume();
  clock.Advance(500);
  EXPECT_EQ(game.ElapsedMs(), 2000);
  game.Pause();
  game.NewGame(2);  // a new game never starts paused, and starts at zero
  EXPECT_FALSE(game.Paused());
  EXPECT_TRUE(game.ClockRunning());
  clock.Advance(250);
  EXPECT_EQ(game.ElapsedMs(), 250);
  // Load Replay's dialog holds the clock; a bad file gives it back.
  game.HoldClock();
  clock.Advance(9000);
  game.ReleaseClock();
  clock.Advance(50);
  EXPECT_EQ(game.ElapsedMs(), 300);
}
