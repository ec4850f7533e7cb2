#include "main/Game.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "core/HolderToBoard.h"
#include "output/CopyText.h"
#include "shell/HintWords.h"

namespace {

std::string DigitText(int d) { return std::string(1, static_cast<char>('0' + d)); }

// The digits 1..9 that occur in a or in b, ascending.
std::string UnionDigits(const std::string& a, const std::string& b) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (a.find(d) != std::string::npos || b.find(d) != std::string::npos) out += d;
  return out;
}

std::string DeleteFirst(std::string s, const std::string& t) {
  if (const auto p = s.find(t); p != std::string::npos) s.erase(p, t.size());
  return s;
}

bool IsBoardColour(const BoardLook& look, std::uint32_t c) {
  return c == look.errorcolor || c == look.highcolor || c == look.UNFoucsColor1 || c == look.UNFoucsColor2;
}

// Red text is unreadable on a background whose red channel dominates.
bool TooRedForRedText(std::uint32_t c) {
  const int r = static_cast<int>(c & 0xFF), g = static_cast<int>((c >> 8) & 0xFF), b = static_cast<int>((c >> 16) & 0xFF);
  return r >= 160 && g < 120 && b < 120;
}

}  // namespace

Game::Game()
    : nowMs_([] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
      }),
      wallNow_([] { return IsoLocalTime(std::time(nullptr)); }),
      random_(std::make_unique<ClockRandom>()) {
  since_ = nowMs_();
  // Before the first game the board_ is blank and every cell is a clue, so
  // nothing on it reacts.
  for (int i = 0; i < kCells; ++i) {
    board_.cell(i).digits.clear();
    board_.cell(i).state = CellState::Given;
  }
}

// --- lifecycle ---------------------------------------------------------------

void Game::ClearBoard() {
  QJ1_.ClearDigits();
  for (int i = 0; i < kCells; ++i) {
    board_.cell(i).state = CellState::Open;
    board_.cell(i).digits.clear();
  }
  marking_.Reset();
}

// The steps_ that a new game, a restart and every loaded puzzle share; each
// then starts a fresh log or installs a file's.
void Game::ResetPlay() {
  markingOn_ = false;
  mode_ = DisplayMode::None;
  selectedDigit_ = 1;
  allowAllUp_ = false;
  menuSuppressed_ = false;
  hintCell_ = -1;
  solvedMarker_ = false;
  gaveUp_ = false;
  board_.MarkConflicts();
  paused_ = false;
  SetClockRunning(true);
  SetElapsedMs(0);
  inProgress_ = true;
  branch_ = BranchState::Idle;
  BranchBoard_.clear();
}

bool Game::NewGame(int level) {
  TQJ dealt;
  if (!PickBankPuzzle(bank_, level, dealt, *random_)) return false;
  ClearBoard();
  QJ1_ = dealt;
  StartFromHolder(level);
  return true;
}

bool Game::NewPractice(Technique t) {
  TQJ dealt;
  if (!PickPracticePuzzle(bank_, t, dealt, *random_)) return false;
  ClearBoard();
  QJ1_ = dealt;
  StartFromHolder(TechniqueLevel(t));
  practice_ = t;
  levelCaption_ = "msg_ndtxt_practice";
  SetStatsOrigin(std::string("practice:") + TechniqueStem(t));
  return true;
}

std::string Game::LevelCaptionArgument() const { return practice_ ? TechniqueKeyStem(*practice_) : std::string(); }

void Game::StartFromHolder(int level) {
  marking_.Reset();
  LoadBoardFromHolder(board_, QJ1_, true);
  board_.nd = level;
  levelCaption_ = LevelCaptionKey(level);
  practice_.reset();
  ResetPlay();
  steps_.ClearSteps(board_);
  BeginRecord("bank", true);
}

void Game::RestoreReplay(const ReplayData& data) {
  ClearBoard();
  QJ1_.SetGivens(data.givens);
  QJ1_.SetSolution(data.solution);
  steps_.memostep = data.log;
  steps_.StepLast();
  StepToBoard(board_, steps_.CurrentLine());
  board_.nd = data.level;
  levelCaption_ = LevelCaptionKey(data.level);
  practice_.reset();
  ResetPlay();
  // Showing the last line logs its exact step form when the file spelled it
  // differently (blanks after commas); a file written here adds nothing.
  steps_.RecordStep(board_);
  BeginRecord("resumed", false);  // the file keeps no time
}

ReplayData Game::ToReplay() const {
  if (!inProgress_) return {};
  return {board_.nd, board_.GetGivens(), QJ1_.GetSolution(), steps_.memostep};
}

std::string Game::ReplayFileText() const {
  if (!inProgress_) return ReplayText(ReplayData{});
  return ReplayText(board_.nd, board_.GetGivens(), QJ1_.GetSolution(), steps_.memostep);
}

bool Game::OpenSaved(int level, const std::string& solution, const std::string& step) {
  Board scratch;
  if (!StepToBoard(scratch, step)) return false;
  const DisplayMode mode = mode_;
  const bool markingOn = markingOn_;
  ClearBoard();
  StepToBoard(board_, step);
  board_.nd = level;
  levelCaption_ = LevelCaptionKey(level);
  practice_.reset();
  QJ1_.SetGivens(board_.GetGivens());
  QJ1_.SetSolution(solution);
  ResetPlay();
  steps_.ClearSteps(board_);
  mode_ = mode;
  markingOn_ = markingOn;
  allowAllUp_ = mode == DisplayMode::All;
  ClickDigit(1, true);
  BeginRecord("resumed", false);
  return true;
}

void Game::PlayPuzzle(const Board& editor, const std::string& solution) {
  ClearBoard();
  for (int i = 0; i < kCells; ++i) {
    const Cell& e = editor.cell(i);
    const bool given = e.state == CellState::Placed;
    board_.cell(i).digits = e.digits;
    board_.cell(i).state = given ? CellState::Given : CellState::Open;
    TNode& n = QJ1_.node(i);
    n.isGiven = given && e.digits.size() == 1;
    n.digit = n.isGiven ? e.digits[0] - '0' : 0;
  }
  if (!solution.empty()) QJ1_.SetSolution(solution);
  LoadBoardFromHolder(board_, QJ1_, false);
  board_.nd = 5;
  levelCaption_ = "msg_frm_new_unknow";  // the editor's own word for the level
  practice_.reset();
  ResetPlay();
  steps_.ClearSteps(board_);
  BeginRecord("editor", true);
}

void Game::Restart() {
  if (!inProgress_) return;
  marking_.Reset();
  for (int i = 0; i < kCells; ++i) {
    Cell& c = board_.cell(i);
    if (c.state == CellState::Given) continue;
    c.state = CellState::Open;
    c.digits = board_.FreeDigits(c.row, c.col);
  }
  ResetPlay();
  steps_.ClearSteps(board_);
  // A fresh start of the same puzzle, on a clock from zero.
  BeginRecord(record_.origin, true);
}

// --- the clock ----------------------------------------------------------------------

void Game::SetClockSource(std::function<std::int64_t()> nowMs) {
  FoldClock();
  nowMs_ = std::move(nowMs);
  since_ = nowMs_();
}

void Game::FoldClock() {
  const std::int64_t now = nowMs_();
  if (ClockRunning()) elapsedMs_ += now - since_;
  since_ = now;
}

std::int64_t Game::ElapsedMs() const { return elapsedMs_ + (ClockRunning() ? nowMs_() - since_ : 0); }

void Game::SetElapsedMs(std::int64_t ms) {
  FoldClock();
  elapsedMs_ = ms;
}

void Game::SetClockRunning(bool on) {
  FoldClock();
  clockRunning_ = on;
}

void Game::Pause() {
  if (!inProgress_) return;
  FoldClock();
  paused_ = true;
}

void Game::Resume() {
  FoldClock();
  paused_ = false;
}

std::array<int, 10> Game::DigitCounts() const {
  std::array<int, 10> count{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board_.cell(i);
    if (c.isOpen() || c.digits.size() != 1 || c.digits[0] < '1' || c.digits[0] > '9') continue;
    int& n = count[static_cast<size_t>(c.digits[0] - '0')];
    n = std::min(n + 1, 9);
  }
  return count;
}

// After every change of the board_: conflicts are flagged again and the board_
// is logged when it differs from the step shown.
void Game::Changed() {
  record_.moved = true;
  board_.MarkConflicts();
  steps_.RecordStep(board_);
}

GameOutcome Game::Announce(const char* key, bool disableBranches) {
  // A board_ that Show Solution filled is not the player's solve.
  if (gaveUp_) return {};
  solvedMarker_ = true;
  SetClockRunning(false);
  if (disableBranches) branch_ = BranchState::Off;
  return {key, true};
}

// --- input ---------------------------------------------------------------------

GameOutcome Game::CellPress(int index, MouseButton button) {
  const std::uint32_t paint = paint_;
  Cell& c = board_.cell(index);
  if (markingOn_) {
    menuSuppressed_ = true;
    if (button == MouseButton::Left) {
      const std::uint32_t kept = IsBoardColour(look_, paint) ? kNoMarking : paint;
      for (int k = 0; k <= 9; ++k) marking_.at(c.row, c.col, k) = kept;
    } else if (button == MouseButton::Right) {
      for (int k = 0; k <= 9; ++k) marking_.at(c.row, c.col, k) = kNoMarking;
    }
    return {};
  }
  hintCell_ = -1;
  if (mode_ == DisplayMode::None) {
    if (button == MouseButton::Left && c.state != CellState::Given && selectedDigit_ != 0) {
      c.digits = DigitText(selectedDigit_);
      c.state = CellState::Placed;
    } else if (button == MouseButton::Right && c.state != CellState::Given) {
      c.state = CellState::Open;
      c.digits.clear();
    }
    Changed();
    if (board_.IsSolved()) return Announce("msg_Puzzlesolved", true);
    return {};
  }
  menuSuppressed_ = false;
  if (button == MouseButton::Left && c.state == CellState::Placed) {
    // Taking a placed digit back gives it back to the peers, whatever the
    // auto-update switch says.
    const std::string old = c.digits;
    c.digits = board_.FreeDigits(c.row, c.col);
    c.state = CellState::Open;
    board_.RestoreDigitToPeers(c.row, c.col, old);
    Changed();
    if (board_.IsSolved()) return Announce("msg_Puzzlesolved", true);
  }
  return {};
}

GameOutcome Game::CandidatePress(int index, int digit, MouseButton button) {
  const std::uint32_t paint = paint_;
  Cell& c = board_.cell(index);
  menuSuppressed_ = true;  // the menu request that follows a right press shows nothing
  if (markingOn_) {
    if (button == MouseButton::Left)
      marking_.at(c.row, c.col, digit) = IsBoardColour(look_, paint) ? kNoMarking : paint;
    else if (button == MouseButton::Right)
      marking_.at(c.row, c.col, digit) = marking_.at(c.row, c.col, 0);  // the cell's own paint, if any
    return {};
  }
  if (mode_ != DisplayMode::None && button != MouseButton::Middle) {
    hintCell_ = -1;
    auto placeDigit = [&] {
      c.state = CellState::Placed;
      if (autoUpdate_) board_.RemoveDigitFromPeers(c.row, c.col);
    };
    if (button == MouseButton::Left) {
      c.digits = DigitText(digit);
      placeDigit();
    } else {
      c.digits = Board::RemoveChars(c.digits, DigitText(digit));
      if (c.digits.size() == 1)
        placeDigit();  // the last candidate becomes the cell's digit
      else
        c.state = CellState::Open;
    }
    Changed();
  }
  if (board_.IsSolved()) return Announce("msg_puzzle_solved", false);
  return {};
}

bool Game::CellHasMenu(int index) const {
  const Cell& c = board_.cell(index);
  if (c.state == CellState::Given) return false;
  switch (mode_) {
    case DisplayMode::All: return true;
    case DisplayMode::OnlyOne: return c.digits.find(static_cast<char>('0' + selectedDigit_)) != std::string::npos;
    case DisplayMode::None: break;
  }
  return false;
}

std::vector<CellMenuItem> Game::CellMenu(int index) const {
  std::vector<CellMenuItem> items;
  if (menuSuppressed_) return items;
  const std::string& s = board_.cell(index).digits;
  for (int d = 1; d <= 9; ++d)
    if (s.find(static_cast<char>('0' + d)) == std::string::npos) items.push_back({'+', d});
  for (int d = 1; d <= 9; ++d)
    if (s.find(static_cast<char>('0' + d)) != std::string::npos) items.push_back({'-', d});
  items.push_back({'X', 0});
  return items;
}

GameOutcome Game::CellMenuClick(int index, CellMenuItem item) {
  Cell& c = board_.cell(index);
  const std::string d = item.digit > 0 ? DigitText(item.digit) : std::string();
  hintCell_ = -1;
  if (item.op == '+') {
    const std::string old = c.digits;
    const bool wasPlaced = c.state == CellState::Placed;
    c.digits = UnionDigits(c.digits, d);
    c.state = CellState::Open;
    if (wasPlaced) board_.RestoreDigitToPeers(c.row, c.col, old);
  } else if (item.op == '-') {
    c.digits = DeleteFirst(c.digits, d);
  } else if (item.op == 'X') {
    if (c.state == CellState::Placed) {
      const std::string old = c.digits;
      c.state = CellState::Open;
      board_.RestoreDigitToPeers(c.row, c.col, old);
    }
    c.digits = board_.FreeDigits(c.row, c.col);
  }
  c.state = CellState::Open;
  Changed();
  if (board_.IsSolved()) return Announce("msg_puzzle_solved", false);
  return {};
}

// Unless every cell has a digit string, open cells without candidates get
// their free digits.
void Game::FillEmptyCandidates() {
  bool full = true;
  for (int i = 0; i < kCells && full; ++i) full = !board_.cell(i).digits.empty();
  if (full) return;
  for (int i = 0; i < kCells; ++i) {
    Cell& c = board_.cell(i);
    if (c.isOpen() && c.digits.empty()) c.digits = board_.FreeDigits(c.row, c.col);
  }
}

void Game::RefreshCandidates() {
  FillEmptyCandidates();
  if (autoUpdate_)
    for (int i = 0; i < kCells; ++i) {
      Cell& c = board_.cell(i);
      if (c.isOpen()) c.digits = board_.PruneCandidates(c.row, c.col);
    }
}

void Game::SelectMode(DisplayMode mode) {
  mode_ = mode;
  hintCell_ = -1;
  switch (mode) {
    case DisplayMode::None:
      if (selectedDigit_ == 0) {
        selectedDigit_ = 1;
        allowAllUp_ = false;
      }
      return;
    case DisplayMode::All:
      RefreshCandidates();
      allowAllUp_ = true;
      break;
    case DisplayMode::OnlyOne:
      RefreshCandidates();
      if (selectedDigit_ == 0) selectedDigit_ = 1;
      allowAllUp_ = false;
      break;
  }
  if (inProgress_) steps_.RecordStep(board_);
}

void Game::ClickDigit(int d, bool down) {
  if (down)
    selectedDigit_ = d;
  else if (allowAllUp_ && selectedDigit_ == d)
    selectedDigit_ = 0;
  hintCell_ = -1;
  if (mode_ == DisplayMode::OnlyOne) FillEmptyCandidates();
}

void Game::PressDigit(int d) { ClickDigit(d, true); }

// --- colours -------------------------------------------------------------------

std::uint32_t Game::NaturalCellColour(int index) const {
  const Cell& c = board_.cell(index);
  std::uint32_t colour = IsEvenBox(c.row, c.col) ? look_.UNFoucsColor2 : look_.UNFoucsColor1;
  if (!c.isOpen() && selectedDigit_ != 0 && c.digits == DigitText(selectedDigit_)) colour = look_.highcolor;
  if (c.isError) colour = look_.errorcolor;
  return colour;
}

std::uint32_t Game::CellBackground(int index) const {
  const Cell& c = board_.cell(index);
  const std::uint32_t paint = marking_.at(c.row, c.col, 0);
  return paint != kNoMarking ? paint : NaturalCellColour(index);
}

std::uint32_t Game::PanelBackground(int index, int k) const {
  const Cell& c = board_.cell(index);
  const std::uint32_t paint = marking_.at(c.row, c.col, k);
  return paint != kNoMarking ? paint : NaturalCellColour(index);
}

std::vector<int> Game::WrongCells() const {
  std::vector<int> wrong;
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board_.cell(i);
    const int solution = QJ1_.node(i).digit;
    if (c.digits.size() == 1 && solution != 0 && c.digits[0] - '0' != solution) wrong.push_back(i);
  }
  return wrong;
}

std::uint32_t Game::CheckFontColour(int index) const {
  const std::uint32_t background = index == hintCell_ ? kHintColour : CellBackground(index);
  return TooRedForRedText(background) ? 0xFFFFFF : kCheckColour;
}

// --- commands ------------------------------------------------------------------

void Game::Hint() {
  const std::string s = QJ1_.GetSolution();
  int last = -1;
  if (!s.empty())
    for (int i = kCells - 1; i >= 0 && last < 0; --i)
      if (board_.cell(i).isOpen()) last = i;
  hintCell_ = -1;
  record_.moved = record_.hint = true;
  if (last >= 0) {
    Cell& c = board_.cell(last);
    c.digits = s.substr(static_cast<size_t>(last), 1);
    c.state = CellState::Placed;
    if (autoUpdate_) board_.RemoveDigitFromPeers(c.row, c.col);
    hintCell_ = last;
  }
  // The hint is logged but does not look for conflicts or a solve; the
  // player's next change does.
  steps_.RecordStep(board_);
}

void Game::FillSolution(const std::string& t) {
  for (int i = 0; i < kCells; ++i) {
    Cell& c = board_.cell(i);
    if (c.state == CellState::Given) continue;
    c.digits = t.substr(static_cast<size_t>(i), 1);
    c.state = CellState::Placed;
  }
  board_.MarkConflicts();
  hintCell_ = -1;
  // The player gave up: the clock stops and a later click on the filled
  // board_ is not their solve.
  gaveUp_ = true;
  record_.moved = record_.solution = true;
  SetClockRunning(false);
}

Game::SolveResult Game::Solve(std::string* first, std::string* other) {
  if (const std::string s = QJ1_.GetSolution(); !s.empty()) {
    FillSolution(s);
    return SolveResult::Filled;
  }
  const Tfrm_sol::CountResult r = solver_.CountSolutions(board_.PuzzleString());
  if (r.result == SolutionCount::One) {
    FillSolution(r.first);
    return SolveResult::Filled;
  }
  if (r.result == SolutionCount::None) return SolveResult::NoSolution;
  if (first) *first = r.first;
  if (other) *other = r.other;
  return SolveResult::Several;
}

// --- move log and branches -------------------------------------------------------

void Game::GoToStep(void (Tfrmstep::*stepTo)()) {
  (steps_.*stepTo)();
  StepToBoard(board_, steps_.CurrentLine());
  board_.MarkConflicts();
  if (mode_ == DisplayMode::None && selectedDigit_ == 0) {
    selectedDigit_ = 1;
    allowAllUp_ = false;
  }
  hintCell_ = -1;
}

void Game::StartBranch() {
  branch_ = BranchState::Trying;
  BranchBoard_ = BoardToStep(board_);
}

void Game::AcceptBranch() {
  branch_ = BranchState::Idle;
  BranchBoard_.clear();
}

void Game::RejectBranch() {
  branch_ = BranchState::Idle;
  if (StepToBoard(board_, BranchBoard_)) {
    if (mode_ == DisplayMode::None && selectedDigit_ == 0) {
      selectedDigit_ = 1;
      allowAllUp_ = false;
    }
    hintCell_ = -1;
    Changed();
  }
  BranchBoard_.clear();
}

// --- copy, cursor, hints, clock hold --------------------------------------------

bool Game::FillMissingCandidates() { return PrepareBoardForCopy(board_); }

void Game::MoveCursor(int rows, int cols) { cursor_ = MoveWrapping(cursor_, rows, cols); }

std::string Game::CellHintKey(int index) const {
  if (markingOn_) return "msg_color";
  const Cell& c = board_.cell(index);
  if (c.state == CellState::Given) return {};
  switch (mode_) {
    case DisplayMode::None: return "msg_rb_one";
    case DisplayMode::All: return c.state == CellState::Placed ? "msg_tb_all" : "msg_right_pop";
    case DisplayMode::OnlyOne: return CellHasMenu(index) ? "msg_right_pop" : "";
  }
  return {};
}

std::string Game::CandidateHintKey() const { return markingOn_ ? "msg_color" : "msg_notcolor"; }

void Game::HoldClock() {
  heldRunning_ = clockRunning_;
  heldMs_ = ElapsedMs();
  SetClockRunning(false);
}

void Game::ClockAfterCancel() {
  SetClockRunning(false);
  SetElapsedMs(0);
}

void Game::ReleaseClock() {
  SetElapsedMs(heldMs_);
  SetClockRunning(heldRunning_);
}

// --- the coach ---------------------------------------------------------------------

std::string Game::CoachSignature() const {
  return BoardToStep(board_) + '|' + static_cast<char>('0' + static_cast<int>(mode_)) +
         static_cast<char>('0' + selectedDigit_);
}

int Game::CoachLevel() const {
  return coachLevel_ > 0 && inProgress_ && coachBoard_ == CoachSignature() ? coachLevel_ : 0;
}

GameOutcome Game::CoachNext() {
  if (!inProgress_) return {};
  record_.coach = true;
  const int level = CoachLevel();
  if (level == 0) {
    // Without candidates on the board the coach reads the values only.
    coachHint_ = FindHint(board_, {mode_ == DisplayMode::None}, QJ1_.GetSolution());
    coachBoard_ = CoachSignature();
    coachLevel_ = 1;
    return {};
  }
  if (level < 3) {
    coachLevel_ = level + 1;
    return {};
  }
  return ApplyCoachHint();
}

GameOutcome Game::ApplyCoachHint() {
  const ::Hint& h = coachHint_;
  auto place = [&](int index, int digit) {
    Cell& c = board_.cell(index);
    c.digits = DigitText(digit);
    c.state = CellState::Placed;
    // As a press would: pruning follows the switch, and never without candidates.
    if (autoUpdate_ && mode_ != DisplayMode::None) board_.RemoveDigitFromPeers(c.row, c.col);
  };
  switch (h.kind) {
    case HintKind::Invalid:
    case HintKind::Solved:
      coachLevel_ = 0;
      return {};
    case HintKind::Step:
      if (h.needsCandidates) return {"coach_needcandidates", false};
      for (const CellDigit& p : h.placements) place(p.cell, p.digit);
      for (const CellDigit& e : h.eliminations) {
        Cell& c = board_.cell(e.cell);
        if (c.isOpen()) c.digits = DeleteFirst(c.digits, DigitText(e.digit));
      }
      break;
    case HintKind::WrongDigit:
      for (int cell : h.cells) {
        board_.cell(cell).state = CellState::Open;
        board_.cell(cell).digits.clear();
      }
      // Their candidates once every wrong digit has gone.
      for (int cell : h.cells) {
        Cell& c = board_.cell(cell);
        if (mode_ != DisplayMode::None) c.digits = board_.FreeDigits(c.row, c.col);
      }
      break;
    case HintKind::MissingCandidate:
      for (std::size_t i = 0; i < h.cells.size() && i < h.digits.size(); ++i) {
        Cell& c = board_.cell(h.cells[i]);
        c.digits = UnionDigits(c.digits, DigitText(h.digits[i]));
      }
      break;
    case HintKind::Stuck:
      if (branch_ == BranchState::Trying) return {"coach_branchopen", false};
      if (branch_ != BranchState::Idle || h.cells.empty() || h.digits.empty()) return {};
      StartBranch();
      place(h.cells.front(), h.digits.front());
      break;
  }
  coachLevel_ = 0;
  hintCell_ = -1;
  Changed();
  if (board_.IsSolved()) return Announce("msg_Puzzlesolved", true);
  return {};
}

namespace {

// The first cell of a logged board that is wrong against the solution: a
// placed digit that differs, or an open cell whose candidates (when it has
// any) lack its digit. Reads the line in place: a long log is walked in
// well under a frame.
int FirstWrongCell(std::string_view line, const std::string& solution, int* digit, bool* removed) {
  int cell = 0;
  std::size_t at = 0;
  while (cell < kCells && at <= line.size()) {
    std::size_t end = line.find(',', at);
    if (end == std::string_view::npos) end = line.size();
    std::string_view token = line.substr(at, end - at);
    while (!token.empty() && static_cast<unsigned char>(token.front()) <= ' ') token.remove_prefix(1);
    while (!token.empty() && static_cast<unsigned char>(token.back()) <= ' ') token.remove_suffix(1);
    const char want = solution[static_cast<std::size_t>(cell)];
    if (!token.empty() && token[0] == '2' && token.size() == 2 && token[1] != want) {
      *digit = token[1] - '0';
      *removed = false;
      return cell;
    }
    if (!token.empty() && token[0] == '3' && token.size() > 1 && token.find(want, 1) == std::string_view::npos) {
      *digit = want - '0';
      *removed = true;
      return cell;
    }
    at = end + 1;
    ++cell;
  }
  return -1;
}

}  // namespace

Mistake Game::FindFirstMistake() const {
  const std::string solution = QJ1_.GetSolution();
  if (!inProgress_ || solution.size() != static_cast<std::size_t>(kCells)) return {};
  const std::vector<std::string>& log = steps_.memostep;
  for (std::size_t n = 0; n < log.size(); ++n) {
    Mistake m;
    m.cell = FirstWrongCell(log[n], solution, &m.digit, &m.removed);
    if (m.cell < 0) continue;
    m.step = static_cast<int>(n) + 1;
    return m;
  }
  return {};
}

bool Game::GoToFirstMistake(Mistake* found) {
  const Mistake m = FindFirstMistake();
  if (found) *found = m;
  if (m.step == 0) return false;
  // The board before the step that went wrong; the starting board itself
  // when it was already wrong.
  steps_.StepIndex = std::max(0, m.step - 2) + 1;
  GoToStep(&Tfrmstep::StepBack);
  return true;
}

GradeResult Game::SolvingPath() const {
  Grid givens{};
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board_.cell(i);
    givens[static_cast<std::size_t>(i)] =
        c.state == CellState::Given ? static_cast<std::uint8_t>(c.digits[0] - '0') : std::uint8_t{0};
  }
  return Grade(givens);
}

// --- statistics --------------------------------------------------------------------

void Game::BeginRecord(std::string origin, bool timed) {
  record_ = {};
  record_.when = wallNow_();
  record_.origin = std::move(origin);
  record_.timed = timed;
}

std::optional<StatsLine> Game::TakeStatsLine(bool atExit) {
  if (!inProgress_ || record_.taken || !record_.moved) return std::nullopt;
  record_.taken = true;
  StatsLine line;
  line.when = record_.when;
  line.level = board_.nd;
  line.origin = record_.origin;
  line.outcome = solvedMarker_ && !gaveUp_ ? StatsOutcome::Solved
                 : atExit && !gaveUp_      ? StatsOutcome::Open
                                           : StatsOutcome::Unsolved;
  line.ms = record_.timed ? ElapsedMs() : -1;
  line.hint = record_.hint;
  line.coach = record_.coach;
  line.solution = record_.solution;
  return line;
}
