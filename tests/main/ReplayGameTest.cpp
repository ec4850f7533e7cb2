// A game written in the replay format and read back: what the player finds
// after Save Replay and Load Replay, or a close and Continue.

#include <gtest/gtest.h>

#include "core/TextFile.h"
#include "main/Game.h"
#include "support/ScriptedRandom.h"
#include "support/TestPuzzles.h"
#include "support/GameTestAccess.h"
#include "support/TestClock.h"

namespace {

class ReplayGameTest : public ::testing::Test {
 protected:
  void Deal(const std::string& line, int level) {
    game.SetRandom(std::make_unique<ScriptedRandom>());
    game.SetBank(Tfrmtk({{line}, {line}, {line}, {line}, {line}}));
    ASSERT_TRUE(game.NewGame(level));
  }
  void Place(Game& g, int index, int digit) {
    g.PressDigit(digit);
    g.SetPaint(0), g.CellPress(index, MouseButton::Left);
  }
  // Through the file's bytes, as the window does.
  static void Load(Game& g, const std::string& bytes) {
    const ReplayParseResult parsed = ParseReplay(bytes);
    ASSERT_TRUE(parsed.ok) << parsed.reason << " at line " << parsed.badLine;
    g.RestoreReplay(parsed.data);
  }

  void SetUp() override { game.SetClockSource(clock.Source()); }

  TestClock clock;
  Game game;
};

// The five cells the tests fill, each open in the dealt puzzle.
const std::vector<int> kOpen = {0, 1, 10, 40, 80};

}  // namespace

TEST_F(ReplayGameTest, FiveMovesComeBackAsASixLineLogAtItsLastStep) {
  Deal(LineWithBlanks(kOpen), 2);
  for (int i : {0, 1, 10, 40}) Place(game, i, kSolution[static_cast<size_t>(i)] - '0');
  Place(game, 80, 1);  // a wrong digit counts as a move too
  clock.Advance(5000);
  const std::string text = ReplayText(game.ToReplay());
  const std::vector<std::string> lines = SplitTextLines(text);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0], "2 006875913307291864819346257231687549574109628968452731742963185693518472185724390");
  EXPECT_EQ(lines[1], kSolution);
  EXPECT_TRUE(text.ends_with("\r\n"));

  Game loaded;
  Load(loaded, text);
  EXPECT_EQ(GameTestAccess::steps(loaded).memostep, GameTestAccess::steps(game).memostep);
  EXPECT_EQ(GameTestAccess::steps(loaded).memostep.size(), 6u);
  EXPECT_EQ(BoardToStep(GameTestAccess::board(loaded)), BoardToStep(GameTestAccess::board(game)));
  EXPECT_TRUE(loaded.CanStepBack());
  EXPECT_FALSE(loaded.CanStepForward());
  EXPECT_EQ(loaded.ElapsedMs(), 0);
  EXPECT_TRUE(loaded.ClockRunning());
  EXPECT_EQ(loaded.Branch(), BranchState::Idle);
  EXPECT_EQ(loaded.Mode(), DisplayMode::None);
  EXPECT_EQ(loaded.SelectedDigit(), 1);
  // The wrong 1 at I9 is known wrong, because the solution came back too.
  EXPECT_EQ(loaded.WrongCells(), std::vector<int>{80});
  // Written again unchanged.
  EXPECT_EQ(ReplayText(loaded.ToReplay()), text);
}

TEST_F(ReplayGameTest, AReplaySavedWhileSteppedBackHoldsTheWholeLog) {
  Deal(LineWithBlanks(kOpen), 0);
  Place(game, 0, 4);
  Place(game, 1, 2);
  Place(game, 10, 5);
  game.StepBack();
  game.StepBack();
  const ReplayData saved = game.ToReplay();
  EXPECT_EQ(saved.log.size(), 4u);

  Game loaded;
  Load(loaded, ReplayText(saved));
  EXPECT_EQ(GameTestAccess::steps(loaded).memostep, saved.log);
  EXPECT_EQ(BoardToStep(GameTestAccess::board(loaded)), saved.log.back());
  EXPECT_EQ(GameTestAccess::board(loaded).cell(10).digits, "5");
  EXPECT_FALSE(loaded.CanStepForward());
  loaded.StepFirst();
  EXPECT_EQ(BoardToStep(GameTestAccess::board(loaded)), saved.log.front());
  EXPECT_FALSE(loaded.CanStepBack());
}

TEST_F(ReplayGameTest, LevelAndSolutionComeFromTheFile) {
  Deal(LineWithBlanks(kOpen), 0);
  ReplayData data = game.ToReplay();
  data.level = 3;
  data.solution.clear();
  Load(game, ReplayText(data));
  EXPECT_EQ(game.Level(), 3);
  EXPECT_EQ(LevelCaptionKey(game.Level()), "msg_ndtxt_tough");
  EXPECT_TRUE(ReplayText(game.ToReplay()).starts_with("3 "));
  // An empty line 2: nothing is known to be wrong, and a hint has nothing to give.
  EXPECT_EQ(GameTestAccess::QJ1(game).GetSolution(), "");
  Place(game, 0, 9);
  EXPECT_TRUE(game.WrongCells().empty());
  const std::string before = BoardToStep(GameTestAccess::board(game));
  game.Hint();
  EXPECT_EQ(BoardToStep(GameTestAccess::board(game)), before);
}

TEST_F(ReplayGameTest, ForeignSpellingsLoadAndAShownSpacedLineIsLoggedInItsExactForm) {
  Deal(LineWithBlanks(kOpen), 1);
  Place(game, 0, 4);
  const ReplayData data = game.ToReplay();
  std::string spaced = data.log.back();
  for (std::size_t p = spaced.find(','); p != std::string::npos; p = spaced.find(',', p + 2)) spaced.insert(p + 1, " ");
  const std::string lf = "1 " + data.givens + "\n" + data.solution + "\n" + data.log[0] + "\n" + spaced + "\n";

  std::string utf16 = "\xFF\xFE";
  for (char ch : lf) utf16 += {ch, '\0'};
  for (const std::string& bytes : {lf, "\xEF\xBB\xBF" + lf, utf16}) {
    Game loaded;
    Load(loaded, bytes);
    EXPECT_EQ(GameTestAccess::steps(loaded).memostep, (std::vector<std::string>{data.log[0], spaced, data.log[1]}));
    EXPECT_EQ(BoardToStep(GameTestAccess::board(loaded)), data.log[1]);
    EXPECT_EQ(loaded.Level(), 1);
    EXPECT_EQ(GameTestAccess::QJ1(loaded).GetSolution(), kSolution);
  }
}

TEST_F(ReplayGameTest, ShortCluesTakeTheGivensOfTheLastStepSoRestartKeepsThePuzzle) {
  Deal(LineWithBlanks(kOpen), 4);
  Place(game, 0, 4);
  const ReplayData data = game.ToReplay();
  Game other;
  other.SetRandom(std::make_unique<ScriptedRandom>());
  other.SetBank(Tfrmtk({{kSolution}, {kSolution}, {kSolution}, {kSolution}, {kSolution}}));
  ASSERT_TRUE(other.NewGame(0));  // a different puzzle in the holder before
  Load(other, "4 12\r\n\r\n" + data.log[0] + "\r\n" + data.log[1] + "\r\n");
  other.Restart();
  EXPECT_EQ(BoardToStep(GameTestAccess::board(other)), data.log[0]);
  EXPECT_EQ(GameTestAccess::board(other).GetGivens(), data.givens);
}

TEST_F(ReplayGameTest, NothingIsWrittenBeforeTheFirstGame) {
  EXPECT_FALSE(game.InProgress());
  EXPECT_TRUE(game.ToReplay().log.empty());
}
