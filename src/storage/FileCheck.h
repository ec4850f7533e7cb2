#pragma once
// One checker for every file the program keeps or reads: the kind is told
// from the content (never the file's name), then the program's own reader
// for that kind checks it. `tessvar-cli check` prints the result; a window
// can show the same lines.
//
// How the kind is told, from the first line that is not blank:
//   "Name=..."                      games     (games.dat)
//   a digit, then a blank or nothing replay    (lastgame.dat, recovery.dat, replay files)
//   "tessvar-statistics", or a line that begins with an ISO date and time
//                                   statistics (stats.dat)
//   otherwise, any line whose key is one the program writes to tvcfg.ini
//   ("Board color1", "Auto_check", "Language", ...)   settings
//   otherwise, any "key=value" line                    language
//   anything else, and an empty file                   unknown (always bad)

#include <string>
#include <string_view>
#include <vector>

#include "core/TextFile.h"

enum class FileKind { Replay, Games, Settings, Language, Statistics, Unknown };

// "replay", "games", "settings", "language", "statistics", "unknown".
std::string_view FileKindName(FileKind kind);

FileKind RecogniseFile(std::string_view bytes);

struct FileCheck {
  FileKind kind = FileKind::Unknown;
  // Empty when the reader takes the file as it is. A games file lists every
  // damaged entry; the other kinds at most their first fault.
  std::vector<FileProblem> problems;

  bool ok() const { return problems.empty(); }
};

FileCheck CheckFile(std::string_view bytes);

// The check as printed, one line per problem, or one line when sound:
//   "ok KIND", "bad KIND line N: reason", or "bad KIND: reason" for a fault
// of the whole file (line 0).
std::vector<std::string> CheckReport(const FileCheck& check);
