#include "Cli.h"

#include <chrono>
#include <istream>
#include <ostream>
#include <thread>

#include "core/FastSolver.h"
#include "core/Generator.h"
#include "core/Grader.h"
#include "core/Tfrm_sol.h"

namespace {

constexpr const char* kUsage =
    "Usage: tessvar-cli COMMAND < puzzles\n"
    "       tessvar-cli generate --level L --count N --seed S [--threads T]\n"
    "\n"
    "count, solve and grade read one puzzle per line from standard input: the\n"
    "first 81 characters, \"1\"..\"9\" for a given and any other character for a\n"
    "blank (so bank lines can be read as they are).\n"
    "\n"
    "Commands:\n"
    "  count     one line per puzzle with the solution count and solutions:\n"
    "              0 <first> -        exactly one solution\n"
    "              1 - -              no solution, or clashing givens\n"
    "              2 <first> <other>  at least two solutions\n"
    "            <first> is the smallest solution in reading order.\n"
    "  solve     one line per puzzle: <status> <result>, status 0 when solved\n"
    "            (the result is the smallest solution), 1 when not (the result\n"
    "            repeats the puzzle with 0 for its blanks; a puzzle without\n"
    "            blanks also counts as not solved).\n"
    "  grade     one line per puzzle: the level and the hardest technique the\n"
    "            grader needed, e.g. \"3 XY-Wing\". Levels: 0 Very Easy and\n"
    "            1 Gentle (singles only; 0 from 41 clues up), 2 Moderate,\n"
    "            3 Tough, 4 Diabolical. \"x stuck\" when its techniques do not\n"
    "            finish the puzzle, \"x no solution\" or \"x several solutions\"\n"
    "            when the puzzle does not have exactly one solution.\n"
    "  generate  writes N bank lines of level L (0..4), each a puzzle that grades\n"
    "            to the level and has the level's number of clues: clue digits,\n"
    "            and \"A\"..\"I\" for the solution digit of every other cell. The\n"
    "            same seed gives the same lines whatever the number of threads T\n"
    "            (default: one per core). Progress goes to standard error.\n"
    "\n"
    "A line shorter than 81 characters is reported on standard error with\n"
    "its line number; the other lines are still answered and the exit status\n"
    "is then 1.\n";

// "3 XY-Wing", "x stuck", ...
std::string GradeLine(const std::string& puzzle) {
  Grid g{};
  for (size_t i = 0; i < 81; ++i) g[i] = puzzle[i] == '*' ? 0 : static_cast<std::uint8_t>(puzzle[i] - '0');
  const int solutions = FastSolver::CountUpTo(g, 2);
  if (solutions == 0) return "x no solution";
  if (solutions > 1) return "x several solutions";
  const GradeResult r = Grade(g);
  if (r.outcome != GradeResult::Outcome::Solved) return "x stuck";
  return std::to_string(r.level) + ' ' + (r.hardest < 0 ? "-" : TechniqueName(static_cast<Technique>(r.hardest)));
}

bool ParseNumber(const std::string& text, unsigned long long max, unsigned long long& value) {
  if (text.empty() || text.size() > 20) return false;
  unsigned long long v = 0;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return false;
    const auto digit = static_cast<unsigned long long>(ch - '0');
    if (digit > max || v > (max - digit) / 10) return false;
    v = v * 10 + digit;
  }
  value = v;
  return true;
}

int RunGenerate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  GenerateOptions options;
  const unsigned cores = std::thread::hardware_concurrency();
  options.threads = cores ? static_cast<int>(cores) : 2;
  bool level = false, count = false, seed = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& name = args[i];
    unsigned long long v = 0;
    const bool known = name == "--level" || name == "--count" || name == "--seed" || name == "--threads";
    if (!known || i + 1 >= args.size()) {
      err << "tessvar-cli generate: " << (known ? "missing value for " : "unknown option ") << name << '\n';
      return 2;
    }
    const std::string& text = args[++i];
    const unsigned long long max = name == "--level" ? 4 : name == "--seed" ? ~0ull : 1000000;
    if (!ParseNumber(text, max, v) || (name != "--level" && name != "--seed" && v == 0)) {
      err << "tessvar-cli generate: bad value for " << name << ": '" << text << "'\n";
      return 2;
    }
    if (name == "--level") { options.level = static_cast<int>(v); level = true; }
    if (name == "--count") { options.count = static_cast<int>(v); count = true; }
    if (name == "--seed") { options.seed = v; seed = true; }
    if (name == "--threads") options.threads = static_cast<int>(v);
  }
  if (!level || !count || !seed) {
    err << "tessvar-cli generate: --level, --count and --seed are required\n";
    return 2;
  }
  auto lastReport = std::chrono::steady_clock::now() - std::chrono::hours(1);
  GenerateReport report;
  const std::vector<std::string> lines = Generate(options, [&](const GenerateProgress& p) {
    const auto now = std::chrono::steady_clock::now();
    if (p.accepted < p.wanted && now - lastReport < std::chrono::seconds(1)) return;
    lastReport = now;
    err << "level " << options.level << ": " << p.accepted << '/' << p.wanted << " lines, " << p.candidates
        << " candidates, " << static_cast<long>(p.seconds * 10) / 10.0 << " s\n";
  }, &report);
  for (const std::string& line : lines) out << line << '\n';
  err << "level " << options.level << ": " << lines.size() << " lines from " << report.candidates
      << " candidates (" << report.duplicates << " disguised repeats dropped), " << options.threads
      << " threads, " << static_cast<long>(report.seconds * 10) / 10.0 << " s\n";
  return 0;
}

std::string StripLineEnd(std::string line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  return line;
}

// Runs fn on the first 81 characters of each line; short lines are errors.
template <typename Fn>
int ForEachPuzzle(std::istream& in, std::ostream& err, Fn fn) {
  int status = 0;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = StripLineEnd(line);
    if (line.size() < 81) {
      err << "line " << number << ": " << line.size() << " characters, a puzzle needs 81\n";
      status = 1;
      continue;
    }
    std::string puzzle = line.substr(0, 81);
    for (char& ch : puzzle)
      if (ch < '1' || ch > '9') ch = '*';
    fn(puzzle);
  }
  return status;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? 2 : 0;
  }
  const std::string& command = args[0];
  Tfrm_sol solver;
  if (command == "count") {
    return ForEachPuzzle(in, err, [&](const std::string& p) {
      const Tfrm_sol::CountResult r = solver.CountSolutions(p);
      switch (r.result) {
        case 0: out << "0 " << r.first << " -\n"; break;
        case 2: out << "2 " << r.first << ' ' << r.other << '\n'; break;
        default: out << "1 - -\n"; break;
      }
    });
  }
  if (command == "solve") {
    return ForEachPuzzle(in, err, [&](const std::string& p) {
      const Tfrm_sol::SolveResult r = solver.SolveFromText(p);
      out << r.status << ' ' << r.text << '\n';
    });
  }
  if (command == "grade") {
    return ForEachPuzzle(in, err, [&](const std::string& p) { out << GradeLine(p) << '\n'; });
  }
  if (command == "generate") return RunGenerate(args, out, err);
  err << "tessvar-cli: unknown command '" << command << "'\n\n" << kUsage;
  return 2;
}
