#include "storage/Statistics.h"

#include <algorithm>
#include <charconv>

namespace {

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// YYYY-MM-DDTHH:MM:SS with plausible numbers; the calendar is not checked
// further, as the program only ever writes what the clock gave.
bool IsWhen(std::string_view s) {
  if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' || s[16] != ':') return false;
  for (std::size_t i : {0u, 5u, 8u, 11u, 14u, 17u})
    if (!AllDigits(s.substr(i, i == 0 ? 4 : 2))) return false;
  auto num = [&](std::size_t at) { return (s[at] - '0') * 10 + (s[at + 1] - '0'); };
  return num(5) >= 1 && num(5) <= 12 && num(8) >= 1 && num(8) <= 31 && num(11) <= 23 && num(14) <= 59 &&
         num(17) <= 60;
}

bool IsStem(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (true) {
    const std::size_t end = text.find(' ', at);
    out.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  return out;
}

std::optional<StatsLine> Fail(std::string* why, const char* reason) {
  if (why) *why = reason;
  return std::nullopt;
}

std::string FormatTime(std::time_t t, const char* format) {
  std::tm local{};
  localtime_r(&t, &local);
  char buffer[32];
  const std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
  return std::string(buffer, n);
}

}  // namespace

std::string StatsLineText(const StatsLine& line) {
  std::string help;
  auto add = [&](bool used, const char* name) {
    if (!used) return;
    if (!help.empty()) help += '+';
    help += name;
  };
  add(line.hint, "hint");
  add(line.coach, "coach");
  add(line.solution, "solution");
  const char* outcome = line.outcome == StatsOutcome::Solved     ? "solved"
                        : line.outcome == StatsOutcome::Unsolved ? "unsolved"
                                                                 : "open";
  return line.when + ' ' + std::to_string(line.level) + ' ' + line.origin + ' ' + outcome + ' ' +
         (line.ms < 0 ? std::string("-") : std::to_string(line.ms)) + ' ' + (help.empty() ? std::string("-") : help);
}

std::optional<StatsLine> ParseStatsLine(std::string_view text, std::string* why) {
  const std::vector<std::string_view> f = Fields(text);
  if (f.size() != 6) return Fail(why, "not six fields parted by one blank");
  StatsLine line;
  if (!IsWhen(f[0])) return Fail(why, "the date and time is not YYYY-MM-DDTHH:MM:SS");
  line.when = std::string(f[0]);
  if (f[1].size() != 1 || f[1][0] < '0' || f[1][0] > '5') return Fail(why, "the level is not 0 to 5");
  line.level = f[1][0] - '0';
  if (f[2] != "bank" && f[2] != "editor" && f[2] != "resumed" &&
      !(f[2].starts_with("practice:") && IsStem(f[2].substr(9))))
    return Fail(why, "the origin is not bank, practice:<technique>, editor or resumed");
  line.origin = std::string(f[2]);
  if (f[3] == "solved")
    line.outcome = StatsOutcome::Solved;
  else if (f[3] == "unsolved")
    line.outcome = StatsOutcome::Unsolved;
  else if (f[3] == "open")
    line.outcome = StatsOutcome::Open;
  else
    return Fail(why, "the outcome is not solved, unsolved or open");
  if (f[4] != "-") {
    std::int64_t ms = 0;
    const auto [end, ec] = std::from_chars(f[4].data(), f[4].data() + f[4].size(), ms);
    if (!AllDigits(f[4]) || ec != std::errc() || end != f[4].data() + f[4].size())
      return Fail(why, "the time is not a number of milliseconds or -");
    line.ms = ms;
  }
  if (f[5] != "-") {
    // Each name once, in the order the file writes them.
    std::string_view rest = f[5];
    int next = 0;
    static constexpr std::array<std::string_view, 3> names = {"hint", "coach", "solution"};
    while (true) {
      const std::size_t plus = rest.find('+');
      const std::string_view name = rest.substr(0, plus);
      int i = next;
      while (i < 3 && names[static_cast<std::size_t>(i)] != name) ++i;
      if (i == 3) return Fail(why, "the help used is not - or hint, coach, solution joined by +");
      (i == 0 ? line.hint : i == 1 ? line.coach : line.solution) = true;
      next = i + 1;
      if (plus == std::string_view::npos) break;
      rest.remove_prefix(plus + 1);
    }
  }
  if (line.outcome == StatsOutcome::Solved && line.solution)
    return Fail(why, "a game that Show Solution filled is not solved");
  return line;
}

StatsParseResult ParseStatistics(std::string_view bytes) {
  StatsParseResult r;
  const std::vector<std::string> lines = SplitTextLines(DecodeTextBytes(bytes));
  if (lines.empty() || lines[0] != kStatisticsHeader) {
    r.problem = {1, "the first line is not \"" + std::string(kStatisticsHeader) + "\""};
    return r;
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    std::string why;
    std::optional<StatsLine> line = ParseStatsLine(lines[i], &why);
    if (!line) {
      r.lines.clear();
      r.problem = {static_cast<int>(i) + 1, why};
      return r;
    }
    r.lines.push_back(std::move(*line));
  }
  r.ok = true;
  return r;
}

std::string StatisticsText(const std::vector<StatsLine>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size() + 1);
  out.emplace_back(kStatisticsHeader);
  for (const StatsLine& line : lines) out.push_back(StatsLineText(line));
  return JoinLinesCrLf(out);
}

bool IsStatisticsFirstLine(std::string_view line) {
  return line.starts_with("tessvar-statistics") || (line.size() >= 19 && IsWhen(line.substr(0, 19)));
}

std::array<LevelFigures, kStatisticsLevels> FiguresPerLevel(const std::vector<StatsLine>& lines) {
  std::array<LevelFigures, kStatisticsLevels> figures{};
  std::array<std::vector<std::int64_t>, kStatisticsLevels> times;
  for (const StatsLine& line : lines) {
    if (line.level < 0 || line.level >= kStatisticsLevels) continue;
    LevelFigures& f = figures[static_cast<std::size_t>(line.level)];
    if (line.outcome == StatsOutcome::Open) continue;  // counted once it is finished
    ++f.played;
    if (line.outcome == StatsOutcome::Unsolved) {
      f.streak = 0;
      continue;
    }
    ++f.solved;
    if (!line.Helped()) ++f.unaided;
    f.bestStreak = std::max(f.bestStreak, ++f.streak);
    if (line.ms >= 0) times[static_cast<std::size_t>(line.level)].push_back(line.ms);
  }
  for (std::size_t level = 0; level < figures.size(); ++level) {
    std::vector<std::int64_t>& t = times[level];
    LevelFigures& f = figures[level];
    if (t.empty()) continue;
    f.recent.assign(t.end() - static_cast<std::ptrdiff_t>(std::min(t.size(), kRecentSolves)), t.end());
    std::sort(t.begin(), t.end());
    f.best = t.front();
    const std::size_t mid = t.size() / 2;
    f.median = t.size() % 2 ? t[mid] : (t[mid - 1] + t[mid]) / 2;
  }
  return figures;
}

std::string IsoLocalTime(std::time_t t) { return FormatTime(t, "%Y-%m-%dT%H:%M:%S"); }
std::string StampLocalTime(std::time_t t) { return FormatTime(t, "%Y%m%d-%H%M%S"); }
