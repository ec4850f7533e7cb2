#pragma once
// games.dat: the player's named games, one 13-line record each:
//   "Name=" + the name as typed
//   level digit, a blank, the 81 solution digits (nothing when unknown)
//   nine row lines of nine 10-character fields: state digit + digits, padded
//   two empty lines
// The store works on the file's lines in memory; reading and writing the file
// is the caller's job. Records are indexed once per load, so listing, finding,
// storing and deleting each cost one pass at most, whatever the file's size.
//
// Hand-edited or damaged files: a sound record is exactly its 13 lines; the
// lines after it up to the next "Name=" line (say a record whose "Name=" line
// was damaged) are a damaged entry of their own. A record whose 13 lines do
// not parse is one damaged entry up to the next "Name=" line. Damaged entries
// are listed and cannot be opened; they can be deleted, and renamed when they
// have a "Name=" line. A file whose last line lacks its line break was cut:
// the entry holding that line is damaged. Lines before the first record stay
// where they are. Every line is written back exactly as it was read.
//
// The list and the window address entries by their place, never by name, so
// a name that is not valid UTF-8 can still be opened, renamed and deleted.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextFile.h"

class Board;

struct GameListEntry {
  std::string name;    // the bytes after "Name=" exactly as stored; for an
                       // entry without one, its first line that is not blank
  int level = -1;      // level digit of the record (0..9), -1 when there is none
  int line = 0;        // 1-based number of the entry's first line
  bool damaged = false;
  bool named = true;   // false: stray lines with no "Name=" line
};

// What opening a stored game needs.
struct StoredGame {
  int level = 5;         // 0..5
  std::string solution;  // 81 digits 1..9, or "" when unknown
  std::string givens;    // 81 characters: the digit of every Given cell, "0" elsewhere
  std::string step;      // the 81 cells as a step line, for StepToBoard
};

enum class StoreResult { Stored, NameExists, BadName };
enum class RenameResult { Renamed, Unchanged, NotFound, NameExists, BadName };

class GamesStore {
 public:
  // Replaces the lines with those of the file's bytes (byte-order marks
  // honoured, LF-only accepted) and indexes the records.
  void LoadGames(std::string_view bytes);
  // The file's text: every line, CR LF after each, UTF-8 without mark.
  std::string SaveGames() const;

  // 1-based number of the first "Name=" line, 0 when there is none.
  int FirstGameLine() const;
  // 1-based number of the "Name=" line of the first game called exactly
  // name (case-sensitive), 0 when there is none.
  int FindGame(const std::string& name) const;
  // Removes the game's lines; false when there is no such game.
  bool DeleteGame(const std::string& name);
  // Appends a record made of name, level line and the 11 lines of BoardRows.
  // An existing game of that name is replaced (and the new record goes to the
  // end) only when overwrite is true; otherwise nothing changes.
  StoreResult StoreGame(const std::string& name, int level, const std::string& solution,
                        const std::vector<std::string>& rows, bool overwrite);
  RenameResult RenameGame(const std::string& oldName, const std::string& newName);

  // Every entry in file order; the index in this list addresses an entry.
  std::vector<GameListEntry> ListGames() const;
  // Reads and checks the game's record; false when it is missing or damaged.
  bool ReadGame(const std::string& name, StoredGame& game) const;

  // The same by the entry's place in ListGames.
  bool ReadEntry(std::size_t entry, StoredGame& game) const;
  bool DeleteEntry(std::size_t entry);
  RenameResult RenameEntry(std::size_t entry, const std::string& newName);

  // Every damaged entry in file order, each with its first bad line.
  std::vector<FileProblem> Problems() const;

  const std::vector<std::string>& Gamelist() const { return lines_; }

 private:
  struct Record {
    std::size_t first = 0;  // index of the "Name=" line
    std::size_t count = 0;  // lines up to the next record or the end
    int level = -1;
    bool damaged = false;
    bool named = true;
  };
  // The entries that start at lines_[first] and end before lines_[end].
  void IndexFrom(std::size_t first, std::size_t end);
  const Record* Find(const std::string& name) const;

  std::vector<std::string> lines_;
  std::vector<Record> records_;
  bool cut_ = false;  // the file's last line had no line break
};

// A name can be stored when it is not empty and holds no line break.
bool IsStorableName(const std::string& name);

// text with pad appended until it is n bytes long; unchanged when longer.
std::string PadRight(std::string text, std::size_t n, char pad = ' ');

// The nine row lines of the board and the two empty lines ending a record.
std::vector<std::string> BoardRows(const Board& board);

// Language key of the level column for codes 0..5; "" for any other code,
// which the list shows as the digit itself.
std::string GameListLevelKey(int level);
