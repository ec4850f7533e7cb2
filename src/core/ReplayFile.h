#pragma once
// The replay format, shared by lastgame.dat and the player's replay files:
//   line 1  level digit, a blank, the 81 clue characters ("0" for a non-clue)
//   line 2  the 81 solution digits, or empty when the solution is not known
//   line 3+ the move log, one step line per step, oldest first
// Written as UTF-8 without byte-order mark, CR LF after every line.

#include <string>
#include <string_view>
#include <vector>


struct ReplayData {
  int level = 5;              // 0..4, 5 unknown
  std::string givens;         // 81 characters as GetGivens writes them
  std::string solution;       // 81 digits 1..9, or "" when unknown
  std::vector<std::string> log;  // step lines exactly as stored
};

// The file's text. A reader rejects a file without log lines, so a caller with
// an empty log (no game played yet) should write nothing rather than this.
std::string ReplayText(const ReplayData& data);
// The same from the parts, for a caller that holds a long log it should not copy.
std::string ReplayText(int level, const std::string& givens, const std::string& solution,
                       const std::vector<std::string>& log);

struct ReplayParseResult {
  bool ok = false;
  int badLine = 0;     // 1-based number of the first bad line when !ok
  std::string reason;  // short English description, for diagnostics
  ReplayData data;     // complete only when ok
};

// Decodes the file's bytes (byte-order marks honoured, LF-only accepted) and
// checks the whole file before anything may be installed. On success the
// level is 0..5, every log line decodes to a board whose cells hold sensible
// digits, the solution is either 81 digits 1..9 or "", and the givens are
// line 1's clues, or, when those are not 81 characters, the clues of the
// last log line, so that holder and shown board agree.
ReplayParseResult ParseReplay(std::string_view bytes);

// Language key of the level caption for nd 0..5; "" for any other value,
// which leaves the caption as it was.
std::string LevelCaptionKey(int nd);
