#include "Cli.h"

#include <istream>
#include <ostream>

#include "core/Tfrm_sol.h"

namespace {

constexpr const char* kUsage =
    "Usage: tessvar-cli COMMAND < puzzles\n"
    "\n"
    "Reads one puzzle per line from standard input: the first 81 characters,\n"
    "\"1\"..\"9\" for a given and any other character for a blank.\n"
    "\n"
    "Commands:\n"
    "  count   one line per puzzle with the solution count and solutions:\n"
    "            0 <first> -        exactly one solution\n"
    "            1 - -              no solution, or clashing givens\n"
    "            2 <first> <other>  at least two solutions\n"
    "          <first> is the smallest solution in reading order.\n"
    "  solve   one line per puzzle: <status> <result>, status 0 when solved\n"
    "          (the result is the smallest solution), 1 when not (the result\n"
    "          repeats the puzzle with 0 for its blanks; a puzzle without\n"
    "          blanks also counts as not solved).\n"
    "\n"
    "A line shorter than 81 characters is reported on standard error with\n"
    "its line number; the other lines are still answered and the exit status\n"
    "is then 1.\n";

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
  err << "tessvar-cli: unknown command '" << command << "'\n\n" << kUsage;
  return 2;
}
