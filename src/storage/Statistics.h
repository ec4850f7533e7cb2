#pragma once
// The player's record of games: stats.dat, one line per game that ended
// (solved, replaced by another game, or still in play at exit), and the
// figures the Statistics window shows per level. Model code: no Qt.
//
// The file: a first line "tessvar-statistics 1", then one line a game of six
// fields parted by one blank:
//   2026-12-10T13:26:51 3 bank solved 312456 -
//   when      local start time, YYYY-MM-DDTHH:MM:SS
//   level     0..5 (5: a puzzle from the editor)
//   origin    bank | practice:<technique stem> | editor | resumed
//             (resumed: Continue, a replay or a saved game; those keep no time)
//   outcome   solved | unsolved (replaced, or Show Solution) | open (in play at exit)
//   time      milliseconds on the clock, or - when the game has none
//   help      - or any of hint, coach, solution joined by +, in that order

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TextFile.h"

inline constexpr std::string_view kStatisticsHeader = "tessvar-statistics 1";
inline constexpr int kStatisticsLevels = 6;
inline constexpr std::size_t kRecentSolves = 30;

enum class StatsOutcome { Solved, Unsolved, Open };

struct StatsLine {
  std::string when;  // YYYY-MM-DDTHH:MM:SS
  int level = 0;
  std::string origin = "bank";
  StatsOutcome outcome = StatsOutcome::Unsolved;
  std::int64_t ms = -1;  // -1: no time
  bool hint = false;
  bool coach = false;
  bool solution = false;

  bool Helped() const { return hint || coach || solution; }
  bool operator==(const StatsLine&) const = default;
};

std::string StatsLineText(const StatsLine& line);
// One line of the file, or the reason it is not one.
std::optional<StatsLine> ParseStatsLine(std::string_view text, std::string* why = nullptr);

struct StatsParseResult {
  bool ok = false;
  std::vector<StatsLine> lines;
  FileProblem problem;  // the first bad line when !ok
};

// The whole file, checked whole: any bad line refuses it.
StatsParseResult ParseStatistics(std::string_view bytes);
// The header and the lines, CR LF after each.
std::string StatisticsText(const std::vector<StatsLine>& lines);
// A first line that only a statistics file has: its header, or a game line
// when the header was lost.
bool IsStatisticsFirstLine(std::string_view line);

// What the window shows for one level. Games played counts the games that
// finished (solved or unsolved); a game left open at exit counts when it is
// resumed and finished. Streaks run over finished games in file order; the
// times are those of solved games that have one.
struct LevelFigures {
  int played = 0;
  int solved = 0;
  int unaided = 0;            // solved without hint, coach or solution
  std::int64_t best = -1;     // ms, -1 without a timed solve
  std::int64_t median = -1;   // ms; for an even count the mean of the middle two, rounded down
  int streak = 0;             // solved games since the last unsolved one
  int bestStreak = 0;
  std::vector<std::int64_t> recent;  // the last kRecentSolves solve times, oldest first

  bool operator==(const LevelFigures&) const = default;
};

std::array<LevelFigures, kStatisticsLevels> FiguresPerLevel(const std::vector<StatsLine>& lines);

// Local time as the file writes it, and as a file-name stamp (YYYYMMDD-HHMMSS).
std::string IsoLocalTime(std::time_t t);
std::string StampLocalTime(std::time_t t);
