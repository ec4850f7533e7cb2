#pragma once
// One game: everything the main window shows and every rule of play, without
// a window. The holder, the board, the level, the move log, the branch
// snapshot, the marking paint, the display mode, the selected digit, the
// auto-update switch and the clock live here; the window turns presses into
// one call of this class and then shows what it holds.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Board.h"
#include "core/BoardLook.h"
#include "core/Coach.h"
#include "core/Grader.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"
#include "core/Tfrm_sol.h"
#include "core/Tfrmtk.h"
#include "main/MarkingTable.h"
#include "core/ReplayFile.h"
#include "main/StepLog.h"
#include "storage/Statistics.h"

enum class DisplayMode { None, All, OnlyOne };
enum class MouseButton { Left, Right, Middle };
// Start Branch enabled (Idle), Accept and Reject enabled (Trying), or all
// three disabled (Off: before the first game and after a solve by a click).
enum class BranchState { Off, Idle, Trying };

// What an operation asks the window to show besides the board itself.
struct GameOutcome {
  std::string message;  // language key of an information box, or empty
  bool solved = false;  // the player has just solved the puzzle
};

// The first step of the log that went wrong (see FindFirstMistake).
struct Mistake {
  int step = 0;      // 1-based line of the log; 0 when there is none
  int cell = -1;     // the first cell in reading order that went wrong there
  int digit = 0;     // the wrong digit placed, or the solution digit removed
  bool removed = false;  // a candidate removed rather than a digit placed
};

// One entry of the cell menu.
struct CellMenuItem {
  char op;    // '+' add a candidate, '-' remove one, 'X' regenerate
  int digit;  // 1..9, 0 for 'X'
};

class Game {
 public:
  static constexpr std::uint32_t kCheckColour = 0x0000FE;  // RGB(254, 0, 0)
  static constexpr std::uint32_t kHintColour = 0x00FFFF;   // RGB(255, 255, 0)

  Game();

  // --- lifecycle ---
  // Deals a puzzle of the level from the bank; false when the level has none.
  bool NewGame(int level);
  // Deals a practice puzzle of the technique (its hardest), disguised as a
  // bank puzzle is, at the technique's level; false when it has none.
  bool NewPractice(Technique t);
  // The technique of a practice game; none for every other game.
  std::optional<Technique> PracticeTechnique() const { return practice_; }
  // The techniques that have practice puzzles, easiest first.
  std::vector<Technique> PracticeTechniques() const { return bank_.PracticeTechniques(); }
  void Restart();
  // Puts the holder's puzzle on the board as a fresh game of the level
  // (clues Given, other cells Open with their free digits).
  void StartFromHolder(int level);
  // A replay or the last game, already checked whole: the holder from its
  // clues and solution, the whole log, the board at its last line.
  void RestoreReplay(const ReplayData& data);
  // The game in the replay format (nothing to write before the first game).
  ReplayData ToReplay() const;
  // ReplayText(ToReplay()), without copying the log.
  std::string ReplayFileText() const;
  // A saved game: the board from a step line, a fresh log and clock. The
  // display mode and the Marking switch stay as they are. False (nothing
  // changed) when the line does not decode.
  bool OpenSaved(int level, const std::string& solution, const std::string& step);
  // The editor's puzzle: its placed cells become clues, its open cells keep
  // their candidates; level 5. solution may be "" (unknown).
  void PlayPuzzle(const Board& editor, const std::string& solution);
  bool InProgress() const { return inProgress_; }
  // The clock counts the time of a monotonic source while it runs and the
  // game is not paused; the window's timer only decides how often the
  // caption is redrawn, so a busy machine never slows the clock.
  bool ClockRunning() const { return clockRunning_ && !paused_; }
  void SetClockRunning(bool on);
  std::int64_t ElapsedMs() const;
  void SetElapsedMs(std::int64_t ms);
  // Milliseconds of a monotonic clock; tests give one they move by hand.
  void SetClockSource(std::function<std::int64_t()> nowMs);

  // --- pause ---
  // The clock stops and the board is covered until Resume; a new game, a
  // restart or a loaded game never starts paused.
  void Pause();
  void Resume();
  bool Paused() const { return paused_; }
  int Level() const { return board_.nd; }
  bool SolvedMarker() const { return solvedMarker_; }
  // The number of placed and given cells of each digit 1..9 (at most 9).
  std::array<int, 10> DigitCounts() const;

  // --- input ---
  // Presses lay the paint in use (Paint) while Marking is on.
  GameOutcome CellPress(int index, MouseButton button);
  GameOutcome CandidatePress(int index, int digit, MouseButton button);
  // The cell menu of a cell, empty when a press has just suppressed it.
  std::vector<CellMenuItem> CellMenu(int index) const;
  GameOutcome CellMenuClick(int index, CellMenuItem item);
  bool CellHasMenu(int index) const;
  void SelectMode(DisplayMode mode);
  // A digit button pressed (down) or released (up, honoured in mode All).
  void ClickDigit(int d, bool down);
  // A digit key or a digit bar: that digit, whatever was selected.
  void PressDigit(int d);
  DisplayMode Mode() const { return mode_; }
  int SelectedDigit() const { return selectedDigit_; }
  bool AutoUpdate() const { return autoUpdate_; }
  void SetAutoUpdate(bool on) { autoUpdate_ = on; }
  bool MarkingOn() const { return markingOn_; }
  void SetMarkingOn(bool on) { markingOn_ = on; }

  // --- colours the window lays over the board ---
  std::uint32_t NaturalCellColour(int index) const;
  // The cell's background: the paint if it holds some, else its natural
  // colour. Candidate panel k (1..9) likewise.
  std::uint32_t CellBackground(int index) const;
  std::uint32_t PanelBackground(int index, int k) const;
  void ClearMarking() { marking_.Reset(); }
  // Cells whose single digit differs from the known solution.
  std::vector<int> WrongCells() const;
  // The font colour of a wrong digit that Check Error shows: the check red,
  // or white where the background is too red to read it on.
  std::uint32_t CheckFontColour(int index) const;
  // The cell the last hint filled (shown yellow until the next change), or -1.
  int HintCell() const { return hintCell_; }

  // --- commands ---
  // Check Error: the cells to show in the check colour.
  std::vector<int> Check() const { return WrongCells(); }
  void Hint();
  enum class SolveResult { Filled, NoSolution, Several };
  SolveResult Solve(std::string* first = nullptr, std::string* other = nullptr);

  // --- move log ---
  void StepFirst() { GoToStep(&Tfrmstep::StepFirst); }
  void StepBack() { GoToStep(&Tfrmstep::StepBack); }
  void StepNext() { GoToStep(&Tfrmstep::StepNext); }
  void StepLast() { GoToStep(&Tfrmstep::StepLast); }
  bool CanStepBack() const { return inProgress_ && !steps_.IsAtFirst(); }
  bool CanStepForward() const { return inProgress_ && !steps_.IsAtLast(); }

  // --- branches ---
  void StartBranch();
  void AcceptBranch();
  void RejectBranch();
  BranchState Branch() const { return branch_; }

  // --- what the game holds, read-only to the windows ---
  const TQJ& QJ1() const { return QJ1_; }
  const Board& board() const { return board_; }
  const Tfrmstep& steps() const { return steps_; }
  const MarkingTable& marking() const { return marking_; }
  const std::string& BranchBoard() const { return BranchBoard_; }
  const BoardLook& look() const { return look_; }
  void SetLook(const BoardLook& look) { look_ = look; }
  // The bank dealt from and the draws of the bank and shuffle (the clock
  // seeds them unless a caller fixes them).
  void SetBank(Tfrmtk bank) { bank_ = std::move(bank); }
  void SetRandom(std::unique_ptr<RandomSource> random) { random_ = std::move(random); }

  // The copy window's preparation: open cells without candidates get the
  // digits free for them. True when the board changed.
  bool FillMissingCandidates();

  // --- the level label ---
  // Language key of the level caption of the game in play: the level's name,
  // or the editor's "unknown" for a puzzle played from the editor; "" before
  // the first game (the label keeps its text).
  const std::string& LevelCaption() const { return levelCaption_; }
  // The language key of the text that fills the caption's "%1": the
  // technique's name in a practice game, else "".
  std::string LevelCaptionArgument() const;

  // --- keyboard cursor ---
  int Cursor() const { return cursor_; }
  // Moves the cursor by rows and columns, staying on the board.
  void MoveCursor(int rows, int cols);
  void SetCursor(int index) { cursor_ = index; }

  // --- marking paint ---
  // The paint a press lays on a cell or candidate while Marking is on.
  std::uint32_t Paint() const { return paint_; }
  void SetPaint(std::uint32_t paint) { paint_ = paint; }

  // --- status bar hints over the board ---
  // The hint key for the pointer over a cell (or "" for none) and over a
  // candidate panel, from the mode, Marking and the cell.
  std::string CellHintKey(int index) const;
  std::string CandidateHintKey() const;

  // --- the coach ---
  // Which level of the hint is shown: 0 none, 1 the nudge, 2 where, 3 the
  // move. Any change of the board, the display mode or the selected digit
  // ends the ladder, as EndCoach does.
  int CoachLevel() const;
  const ::Hint& CoachHint() const { return coachHint_; }
  // One use of the Coach command: the next level of the same hint; after
  // the move, the step applied as one move of the player, logged as one
  // step. The outcome's message is a key when the step cannot be applied.
  GameOutcome CoachNext();
  void EndCoach() { coachLevel_ = 0; }

  // The first step of the log whose board holds a wrong placed digit or an
  // open cell whose candidates lack its solution digit (an empty candidate
  // string is no mistake); step 0 when there is none or no solution is known.
  Mistake FindFirstMistake() const;
  // Shows the log at the step before that mistake (the later steps stay for
  // Next Step); false when there is none.
  bool GoToFirstMistake(Mistake* found);
  // What the puzzle needs from its givens: the grader's steps per technique.
  GradeResult SolvingPath() const;

  // --- statistics ---
  // The game's line as it ends now, given once per game: nothing before the
  // first game, after it was given, or when the player made no move in it.
  // Solved when the player solved it; at exit a game still in play is open;
  // otherwise (replaced, or filled by Show Solution) unsolved.
  std::optional<StatsLine> TakeStatsLine(bool atExit);
  // Where the game in play came from, for its line: "bank" for a dealt
  // puzzle until a caller that deals otherwise says ("practice:<stem>").
  void SetStatsOrigin(std::string origin) { record_.origin = std::move(origin); }
  // The local date and time that dates a game's start; tests fix it.
  void SetWallClock(std::function<std::string()> now) { wallNow_ = std::move(now); }

  // --- the clock around Load Replay's dialog ---
  // Stopped while the dialog is open; a cancelled dialog leaves it stopped
  // at zero, a file that cannot be loaded gives back what it was.
  void HoldClock();
  void ClockAfterCancel();
  void ReleaseClock();

 private:
  friend class GameTestAccess;  // tests set up boards that play could not reach

  void ClearBoard();
  void ResetPlay();
  void RefreshCandidates();
  void FillEmptyCandidates();
  void Changed();
  GameOutcome Announce(const char* key, bool disableBranches);
  void GoToStep(void (Tfrmstep::*stepTo)());
  void FillSolution(const std::string& t);

  DisplayMode mode_ = DisplayMode::None;
  int selectedDigit_ = 1;
  bool allowAllUp_ = false;
  bool autoUpdate_ = true;
  bool markingOn_ = false;
  bool menuSuppressed_ = false;
  bool inProgress_ = false;
  bool clockRunning_ = false;
  bool solvedMarker_ = false;
  bool gaveUp_ = false;  // the board was filled by Show Solution
  int hintCell_ = -1;
  std::int64_t elapsedMs_ = 0;  // counted up to since_
  std::int64_t since_ = 0;      // the source's time when elapsedMs_ was last brought up to date
  bool paused_ = false;
  std::function<std::int64_t()> nowMs_;
  void FoldClock();
  BranchState branch_ = BranchState::Off;
  std::string levelCaption_;
  std::optional<Technique> practice_;
  ::Hint coachHint_;
  int coachLevel_ = 0;
  std::string coachBoard_;  // the board, mode and digit the hint was found for
  std::string CoachSignature() const;
  GameOutcome ApplyCoachHint();
  int cursor_ = IndexOf(5, 5);
  std::uint32_t paint_ = 0x00FFFF;  // yellow, the palette's first choice
  // What the statistics line of the game in play will say.
  struct Record {
    std::string when, origin;
    bool timed = false, moved = false, hint = false, coach = false, solution = false, taken = false;
  } record_;
  std::function<std::string()> wallNow_;
  void BeginRecord(std::string origin, bool timed);
  bool heldRunning_ = false;
  std::int64_t heldMs_ = 0;

  TQJ QJ1_;
  Board board_;
  Tfrmtk bank_;
  Tfrm_sol solver_;
  Tfrmstep steps_;
  MarkingTable marking_;
  std::string BranchBoard_;
  BoardLook look_ = BoardLook::MainBoard();
  std::unique_ptr<RandomSource> random_;
};
