#include "storage/GamesStore.h"

#include <array>
#include <string_view>

#include "core/Board.h"
#include "core/TQJ.h"
#include "core/TextFile.h"
#include "core/StepLine.h"

namespace {

constexpr std::size_t kRecordLines = 13;
constexpr std::size_t kFieldWidth = 10;
constexpr std::string_view kNamePrefix = "Name=";

bool IsNameLine(const std::string& line) { return line.starts_with(kNamePrefix); }

std::string_view NameOf(const std::string& line) { return std::string_view(line).substr(kNamePrefix.size()); }

std::size_t LeadingBlanks(const std::string& line) {
  std::size_t i = 0;
  while (i < line.size() && line[i] == ' ') ++i;
  return i;
}

// Level digit of a level line (leading blanks skipped), -1 when there is none.
int LevelDigit(const std::string& line) {
  const std::size_t i = LeadingBlanks(line);
  if (i >= line.size() || line[i] < '0' || line[i] > '9') return -1;
  return line[i] - '0';
}

// Where a record is damaged: the 0-based offset of its first bad line from
// the "Name=" line, and why, so that a check can name the line.
struct RecordFault {
  std::size_t offset = 0;
  std::string reason;
};

bool Fault(RecordFault* fault, std::size_t offset, std::string reason) {
  if (fault != nullptr) *fault = {offset, std::move(reason)};
  return false;
}

// Parses the 13 lines of a record starting at lines[first]; false when any of
// them is malformed, with fault (when not null) saying where and why. game
// may be null when only the check is wanted.
bool ParseRecord(const std::vector<std::string>& lines, std::size_t first, StoredGame* game,
                 RecordFault* fault = nullptr) {
  const std::string& levelLine = lines[first + 1];
  const int level = LevelDigit(levelLine);
  if (level < 0 || level > 5) return Fault(fault, 1, "no level digit 0-5");

  Board board;
  for (int r = 1; r <= 9; ++r) {
    const std::size_t offset = 1 + static_cast<std::size_t>(r);
    std::string row = lines[first + offset];
    while (!row.empty() && row.back() == ' ') row.pop_back();  // an editor may strip the padding
    if (row.size() > 9 * kFieldWidth) return Fault(fault, offset, "row longer than nine 10-character fields");
    row = PadRight(std::move(row), 9 * kFieldWidth);
    for (int c = 1; c <= 9; ++c) {
      const std::string field = row.substr(static_cast<std::size_t>(c - 1) * kFieldWidth, kFieldWidth);
      const std::string where = "column " + std::to_string(c) + ": ";
      if (field[0] < '1' || field[0] > '3') return Fault(fault, offset, where + "state is not 1, 2 or 3");
      Cell& cell = board.at(r, c);
      cell.state = static_cast<CellState>(field[0] - '0');
      std::size_t b = 1, e = field.size();
      while (b < e && field[b] == ' ') ++b;
      while (e > b && field[e - 1] == ' ') --e;
      cell.digits = field.substr(b, e - b);
      if (!CellDigitsValid(cell)) return Fault(fault, offset, where + "digits do not fit the state");
    }
  }
  for (std::size_t k = 11; k < kRecordLines; ++k)
    if (!TrimControl(lines[first + k]).empty()) return Fault(fault, k, "a record ends with two empty lines");

  if (game != nullptr) {
    game->level = level;
    const std::string solution = TrimControl(levelLine.substr(LeadingBlanks(levelLine) + 1));
    bool digitsOnly = solution.size() == static_cast<std::size_t>(kCells);
    for (char ch : solution) digitsOnly = digitsOnly && ch >= '1' && ch <= '9';
    game->solution = digitsOnly ? solution : std::string();
    game->givens = board.GetGivens();
    game->step = BoardToStep(board);
  }
  return true;
}

}  // namespace

std::vector<FileProblem> GamesStore::Problems() const {
  std::vector<FileProblem> problems;
  for (const Record& rec : records_) {
    if (!rec.damaged) continue;
    const int line = static_cast<int>(rec.first) + 1;
    RecordFault fault;
    if (!rec.named) {
      // The entry's first line may be blank; name the line a reader sees.
      std::size_t i = rec.first;
      while (TrimControl(lines_[i]).empty()) ++i;
      problems.push_back({static_cast<int>(i) + 1, "lines outside any record (no \"Name=\" line before them)"});
    } else if (rec.count < kRecordLines) {
      problems.push_back({line, "record has " + std::to_string(rec.count) + " of its 13 lines"});
    } else if (cut_ && rec.first + kRecordLines == lines_.size()) {
      problems.push_back({static_cast<int>(lines_.size()), "the last line has no line break: the file was cut"});
    } else if (!ParseRecord(lines_, rec.first, nullptr, &fault)) {
      problems.push_back({line + static_cast<int>(fault.offset), fault.reason});
    }
  }
  return problems;
}

bool IsStorableName(const std::string& name) {
  return !name.empty() && name.find_first_of("\r\n") == std::string::npos;
}

std::string PadRight(std::string text, std::size_t n, char pad) {
  if (text.size() < n) text.append(n - text.size(), pad);
  return text;
}

std::vector<std::string> BoardRows(const Board& board) {
  std::vector<std::string> rows;
  rows.reserve(11);
  for (int r = 1; r <= 9; ++r) {
    std::string line;
    line.reserve(9 * kFieldWidth);
    for (int c = 1; c <= 9; ++c) {
      const Cell& cell = board.at(r, c);
      line += PadRight(static_cast<char>('0' + static_cast<int>(cell.state)) + cell.digits, kFieldWidth);
    }
    rows.push_back(std::move(line));
  }
  rows.emplace_back();
  rows.emplace_back();
  return rows;
}

std::string GameListLevelKey(int level) {
  static const std::array<const char*, 6> keys = {
      "msg_frmgamelist_VeryEasy", "msg_frmgamelist_Gentle",     "msg_frmgamelist_Moderate",
      "msg_frmgamelist_Tough",    "msg_frmgamelist_Diabolical", "msg_frmgamelist_Unknown"};
  if (level < 0 || level > 5) return {};
  return keys[static_cast<std::size_t>(level)];
}

void GamesStore::IndexFrom(std::size_t first, std::size_t end) {
  while (first < end) {
    Record rec;
    rec.first = first;
    rec.named = IsNameLine(lines_[first]);
    std::size_t next = first + 1;
    while (next < end && !IsNameLine(lines_[next])) ++next;
    rec.count = next - first;
    if (rec.named) {
      rec.level = rec.count > 1 ? LevelDigit(lines_[first + 1]) : -1;
      const bool whole = rec.count >= kRecordLines && !(cut_ && first + kRecordLines == lines_.size());
      rec.damaged = !whole || !ParseRecord(lines_, first, nullptr);
      // A sound record ends after its 13 lines; what follows is an entry of its own.
      if (!rec.damaged) rec.count = kRecordLines;
    } else {
      rec.damaged = true;
      bool blank = true;
      for (std::size_t i = first; i < next; ++i) blank = blank && TrimControl(lines_[i]).empty();
      // Blank lines between records are no entry: there is nothing to show.
      if (blank) {
        first = next;
        continue;
      }
    }
    records_.push_back(rec);
    first += rec.count;
  }
}

void GamesStore::LoadGames(std::string_view bytes) {
  const std::string text = DecodeTextBytes(bytes);
  lines_ = SplitTextLines(text);
  cut_ = !text.empty() && text.back() != '\n' && text.back() != '\r';
  records_.clear();
  std::size_t first = 0;
  while (first < lines_.size() && !IsNameLine(lines_[first])) ++first;
  IndexFrom(first, lines_.size());
}

std::string GamesStore::SaveGames() const { return JoinLinesCrLf(lines_); }

int GamesStore::FirstGameLine() const {
  for (const Record& rec : records_)
    if (rec.named) return static_cast<int>(rec.first) + 1;
  return 0;
}

const GamesStore::Record* GamesStore::Find(const std::string& name) const {
  for (const Record& rec : records_)
    if (rec.named && NameOf(lines_[rec.first]) == name) return &rec;
  return nullptr;
}

int GamesStore::FindGame(const std::string& name) const {
  const Record* rec = Find(name);
  return rec != nullptr ? static_cast<int>(rec->first) + 1 : 0;
}

bool GamesStore::DeleteGame(const std::string& name) {
  const Record* found = Find(name);
  return found != nullptr && DeleteEntry(static_cast<std::size_t>(found - records_.data()));
}

bool GamesStore::DeleteEntry(std::size_t entry) {
  if (entry >= records_.size()) return false;
  const auto at = records_.begin() + static_cast<std::ptrdiff_t>(entry);
  const std::size_t first = at->first, count = at->count;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(first),
               lines_.begin() + static_cast<std::ptrdiff_t>(first + count));
  for (auto it = records_.erase(at); it != records_.end(); ++it) it->first -= count;
  return true;
}

StoreResult GamesStore::StoreGame(const std::string& name, int level, const std::string& solution,
                                  const std::vector<std::string>& rows, bool overwrite) {
  if (!IsStorableName(name)) return StoreResult::BadName;
  if (FindGame(name) != 0) {
    if (!overwrite) return StoreResult::NameExists;
    // Every record of that name goes: were a later one (say a damaged
    // one) left, the name would find it and never the game stored now.
    while (DeleteGame(name)) {
    }
  }
  const std::size_t first = lines_.size();
  lines_.push_back(std::string(kNamePrefix) + name);
  lines_.push_back(std::to_string(level) + " " + solution);
  lines_.insert(lines_.end(), rows.begin(), rows.end());
  // A file cut in its last line had that line completed by this write.
  cut_ = false;
  IndexFrom(first, lines_.size());
  return StoreResult::Stored;
}

RenameResult GamesStore::RenameGame(const std::string& oldName, const std::string& newName) {
  const Record* rec = Find(oldName);
  if (rec == nullptr) return newName == oldName ? RenameResult::Unchanged : RenameResult::NotFound;
  return RenameEntry(static_cast<std::size_t>(rec - records_.data()), newName);
}

RenameResult GamesStore::RenameEntry(std::size_t entry, const std::string& newName) {
  if (entry >= records_.size() || !records_[entry].named) return RenameResult::NotFound;
  const std::size_t first = records_[entry].first;
  if (NameOf(lines_[first]) == newName) return RenameResult::Unchanged;
  if (!IsStorableName(newName)) return RenameResult::BadName;
  if (FindGame(newName) != 0) return RenameResult::NameExists;
  lines_[first] = std::string(kNamePrefix) + newName;
  return RenameResult::Renamed;
}

std::vector<GameListEntry> GamesStore::ListGames() const {
  std::vector<GameListEntry> list;
  list.reserve(records_.size());
  for (const Record& rec : records_) {
    std::string name;
    if (rec.named) {
      name = NameOf(lines_[rec.first]);
    } else {
      std::size_t i = rec.first;
      while (TrimControl(lines_[i]).empty()) ++i;  // an unnamed entry is never all blank
      name = TrimControl(lines_[i]);
    }
    list.push_back({std::move(name), rec.level, static_cast<int>(rec.first) + 1, rec.damaged, rec.named});
  }
  return list;
}

bool GamesStore::ReadGame(const std::string& name, StoredGame& game) const {
  const Record* rec = Find(name);
  return rec != nullptr && ReadEntry(static_cast<std::size_t>(rec - records_.data()), game);
}

bool GamesStore::ReadEntry(std::size_t entry, StoredGame& game) const {
  if (entry >= records_.size() || records_[entry].damaged) return false;
  StoredGame parsed;
  if (!ParseRecord(lines_, records_[entry].first, &parsed)) return false;
  game = std::move(parsed);
  return true;
}
