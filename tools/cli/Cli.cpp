#include "Cli.h"

#include <chrono>
#include <istream>
#include <iterator>
#include <ostream>
#include <streambuf>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/Board.h"
#include "core/Coach.h"
#include "core/FastSolver.h"
#include "core/Generator.h"
#include "core/Grader.h"
#include "core/TextFile.h"
#include "core/Tfrm_sol.h"
#include "entry/ImportText.h"
#include "core/StepLine.h"
#include "output/CopyText.h"
#include "output/PrintPage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/HintWords.h"
#include "shell/LanguageTable.h"
#include "storage/FileCheck.h"

namespace {

constexpr const char* kUsage =
    "Usage: tessvar-cli COMMAND < puzzles\n"
    "       tessvar-cli generate --level L --count N --seed S [--threads T]\n"
    "       tessvar-cli generate --technique NAME --count N --seed S [--threads T]\n"
    "                            [--max-candidates M]\n"
    "       tessvar-cli import < text\n"
    "       tessvar-cli copy --layout N < board\n"
    "       tessvar-cli print --style normal|candidates --size a4|a3|a2 [--lang FILE] < board\n"
    "       tessvar-cli hint [--values-only] [--lang FILE] < boards\n"
    "       tessvar-cli check FILE...\n"
    "\n"
    "count, solve and grade read one puzzle per line from standard input: the\n"
    "first 81 characters, \"1\"..\"9\" for a given and any other character for a\n"
    "blank (so bank lines can be read as they are). The input is read as the\n"
    "game reads a text file: UTF-8, or UTF-16 after its byte-order mark; CR LF,\n"
    "LF or CR ends a line; characters are counted, not bytes.\n"
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
    "            blanks also counts as not solved). Where givens clash, the\n"
    "            result is the first grid in reading order whose other cells\n"
    "            each differ from every peer.\n"
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
    "            --technique NAME instead of --level: lines whose hardest\n"
    "            technique (as grade names it, from Pointing on) is NAME, with\n"
    "            the clues of its level. --max-candidates M: stop after M\n"
    "            candidates, with fewer lines if need be (rare techniques).\n"
    "  import    reads the whole of standard input as one import text (UTF-8)\n"
    "            and prints one line: the layout it was read in and the editor\n"
    "            board as a step line, e.g. \"2 3...,26,...\". Layouts: 1 single\n"
    "            line (the text is exactly 81 characters), 2 plain grid (81\n"
    "            characters that are not blanks), 4 boxed candidate grid (more\n"
    "            than 81 digits), 3 boxed grid (exactly 81 digits and dots).\n"
    "            Characters are counted, not bytes; a byte-order mark is dropped,\n"
    "            a byte that is not UTF-8 counts as one character, and CR LF or\n"
    "            CR is one line break. A text in none of the layouts is reported\n"
    "            and gives status 1; the board is then not printed.\n"
    "  copy      prints the board in copy layout N: 0 \"No Candidate\", 1 \"With\n"
    "            Candidates\", 2 \"9*9\", 3 \"1*81\". Open cells without\n"
    "            candidates first get the digits free for them.\n"
    "  print     prints the printable HTML page of the board, Normal or with\n"
    "            candidates, for A4, A3 or A2 paper; heading and byline come from\n"
    "            the built-in Japanese table, or from the language file FILE.\n"
    "  hint      one JSON object per board line (JSON Lines): the next step on\n"
    "            the board as it is, after checking the player's work. Keys, when\n"
    "            they apply: kind (\"invalid\", \"solved\", \"wrong-digit\",\n"
    "            \"missing-candidate\", \"step\", \"stuck\"), technique (as grade\n"
    "            names it, or \"Cleanup\"), level (1..4, 0 for Cleanup), digits,\n"
    "            units (\"row H\", \"column 3\", \"box 4\"), pattern (cell names\n"
    "            such as \"E5\"), place and remove ([cell, digit] pairs), cells\n"
    "            (wrong digits, missing candidates, the cell to branch on), nudge,\n"
    "            where and move (three texts, each telling more) and\n"
    "            needs_candidates; a step has every key. --values-only: the board\n"
    "            shows no candidates, so the open cells' candidates are their free\n"
    "            digits and singles come first. The texts come from the built-in\n"
    "            Japanese table, or from the language file FILE.\n"
    "  check     reads each FILE with the program's own reader and prints, in\n"
    "            argument order, \"ok KIND\" or \"bad KIND line N: reason\"\n"
    "            (\"bad KIND: reason\" when the fault is the whole file's), a tab\n"
    "            and the path. KIND comes from the content, never the name:\n"
    "            replay (last game, recovery and replay files), games (every\n"
    "            damaged record on a line of its own), statistics (stats.dat),\n"
    "            settings, language or unknown (always bad). Status 1 when any\n"
    "            file is bad or unreadable.\n"
    "\n"
    "copy and print read one board: a step line (81 comma-separated cells, each\n"
    "its state 1 given, 2 placed or 3 open, then one digit for 1 and 2, distinct\n"
    "candidate digits for 3), or the line that import prints. A malformed board\n"
    "is reported and gives status 1. Output lines end with LF.\n"
    "\n"
    "For hint, each line is such a board; for count, solve and grade, a line shorter than 81 characters is reported\n"
    "on standard error with its line number; the other lines are still\n"
    "answered and the exit status is then 1.\n";

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
    const bool known = name == "--level" || name == "--technique" || name == "--count" || name == "--seed" ||
                       name == "--threads" || name == "--max-candidates";
    if (!known || i + 1 >= args.size()) {
      err << "tessvar-cli generate: " << (known ? "missing value for " : "unknown option ") << name << '\n';
      return 2;
    }
    const std::string& text = args[++i];
    if (name == "--technique") {
      options.technique = TechniqueFromName(text);
      if (!options.technique || TechniqueLevel(*options.technique) < 2) {
        err << "tessvar-cli generate: bad value for --technique: '" << text
            << "' (a technique of the grade command from Pointing on, e.g. \"X-Wing\")\n";
        return 2;
      }
      continue;
    }
    const unsigned long long max = name == "--level" ? 4 : name == "--seed" ? ~0ull
                                   : name == "--max-candidates"             ? 1000000000000ull
                                                                            : 1000000;
    if (!ParseNumber(text, max, v) || (name != "--level" && name != "--seed" && v == 0)) {
      err << "tessvar-cli generate: bad value for " << name << ": '" << text << "'\n";
      return 2;
    }
    if (name == "--level") { options.level = static_cast<int>(v); level = true; }
    if (name == "--count") { options.count = static_cast<int>(v); count = true; }
    if (name == "--seed") { options.seed = v; seed = true; }
    if (name == "--threads") options.threads = static_cast<int>(v);
    if (name == "--max-candidates") options.maxCandidates = v;
  }
  if (level == options.technique.has_value() || !count || !seed) {
    err << "tessvar-cli generate: --level or --technique (one of them), --count and --seed are required\n";
    return 2;
  }
  const std::string what =
      options.technique ? TechniqueName(*options.technique) : "level " + std::to_string(options.level);
  auto lastReport = std::chrono::steady_clock::now() - std::chrono::hours(1);
  GenerateReport report;
  const std::vector<std::string> lines = Generate(options, [&](const GenerateProgress& p) {
    const auto now = std::chrono::steady_clock::now();
    if (p.accepted < p.wanted && now - lastReport < std::chrono::seconds(1)) return;
    lastReport = now;
    err << what << ": " << p.accepted << '/' << p.wanted << " lines, " << p.candidates << " candidates, "
        << static_cast<double>(static_cast<long>(p.seconds * 10)) / 10.0 << " s\n";
  }, &report);
  for (const std::string& line : lines) out << line << '\n';
  err << what << ": " << lines.size() << " lines from " << report.candidates << " candidates ("
      << report.duplicates << " disguised repeats dropped), " << options.threads << " threads, "
      << static_cast<double>(static_cast<long>(report.seconds * 10)) / 10.0 << " s\n";
  return 0;
}

std::string ReadAll(std::istream& in) {
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Holds what is written and hands it on in large pieces: standard error is
// unbuffered, and a message for each of millions of bad lines would cost a
// system call each.
class ChunkedBuf : public std::streambuf {
 public:
  explicit ChunkedBuf(std::ostream& target) : target_(target), buffer_(64 * 1024) { Reset(); }
  ChunkedBuf(const ChunkedBuf&) = delete;
  ChunkedBuf& operator=(const ChunkedBuf&) = delete;
  ~ChunkedBuf() override { Flush(); }

 protected:
  int_type overflow(int_type ch) override {
    if (Flush() != 0) return traits_type::eof();
    if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
    return ch;
  }
  int sync() override { return Flush(); }

 private:
  void Reset() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  int Flush() {
    if (pptr() > pbase()) target_.write(pbase(), pptr() - pbase());
    Reset();
    target_.flush();
    return target_ ? 0 : -1;
  }

  std::ostream& target_;
  std::vector<char> buffer_;
};

// Runs fn on the first 81 characters of each line, read as the windows read
// a text file (byte-order mark, CR LF, LF or CR); short lines are errors.
template <typename Fn>
int ForEachPuzzle(std::istream& in, std::ostream& unbufferedErr, Fn fn) {
  ChunkedBuf errBuf(unbufferedErr);
  std::ostream err(&errBuf);
  int status = 0;
  std::size_t number = 0;
  ForEachTextLine(DecodeTextBytes(ReadAll(in)), [&](std::string_view line) {
    ++number;
    std::string puzzle;
    std::size_t at = 0;
    while (at < line.size() && puzzle.size() < 81) {
      const std::size_t n = Utf8SequenceLength(line, at);
      puzzle += n <= 1 && line[at] >= '1' && line[at] <= '9' ? line[at] : '*';
      at += n == 0 ? 1 : n;
    }
    if (puzzle.size() < 81) {
      err << "line " << number << ": " << puzzle.size() << " characters, a puzzle needs 81\n";
      status = 1;
      return;
    }
    fn(puzzle);
  });
  return status;
}

// A well-formed cell of a step line: state 1 or 2 with one digit, or state 3
// with distinct digits (possibly none).
bool IsStepToken(const std::string& token) {
  if (token.empty() || token[0] < '1' || token[0] > '3') return false;
  if (token[0] != '3') return token.size() == 2 && token[1] >= '1' && token[1] <= '9';
  bool seen[10] = {};
  for (std::size_t i = 1; i < token.size(); ++i) {
    const char ch = token[i];
    if (ch < '1' || ch > '9' || seen[ch - '0']) return false;
    seen[ch - '0'] = true;
  }
  return true;
}

// One board line: a step line, or the line import prints (layout code,
// blank, step line). why says what is wrong with a line that is not one.
bool ParseBoardLine(std::string line, Board& board, std::string& why) {
  if (line.size() >= 2 && line[0] >= '1' && line[0] <= '4' && line[1] == ' ') line.erase(0, 2);
  std::size_t count = 0;
  for (std::size_t start = 0;; ++count) {
    const std::size_t end = line.find(',', start);
    const std::string token = line.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (count < 81 && !IsStepToken(token)) {
      why = "cell " + std::to_string(count + 1) + " '" + token.substr(0, 20) + "' is not a state 1..3 with its digits";
      return false;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (count + 1 != 81) {
    why = "a board has 81 cells, the line has " + std::to_string(count + 1);
    return false;
  }
  return StepToBoard(board, line);
}

// One board from standard input, with or without a line end.
bool ReadBoard(std::istream& in, const std::string& command, Board& board, std::ostream& err) {
  std::string line = ReadAll(in);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  if (line.find_first_of("\r\n") != std::string::npos) {
    err << "tessvar-cli " << command << ": expected one board line on standard input\n";
    return false;
  }
  std::string why;
  if (ParseBoardLine(line, board, why)) return true;
  err << "tessvar-cli " << command << ": " << why << '\n';
  return false;
}

// The language file named by --lang, or the built-in table.
bool ReadLanguage(const std::string& path, const std::string& command, LanguageTable& table, std::ostream& err) {
  table = BuiltinJapanese();
  if (path.empty()) return true;
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    err << "tessvar-cli " << command << ": cannot read the language file " << path << '\n';
    return false;
  }
  table = LanguageTable::FromFileBytes(bytes);
  return true;
}

// Reads "--name value" pairs; names must be among known, each at most once.
bool ReadOptions(const std::vector<std::string>& args, const std::vector<std::string>& known,
                 std::vector<std::string>& values, std::ostream& err) {
  values.assign(known.size(), "");
  std::vector<bool> seen(known.size(), false);
  for (std::size_t i = 1; i < args.size(); i += 2) {
    std::size_t k = 0;
    while (k < known.size() && known[k] != args[i]) ++k;
    if (k == known.size() || seen[k] || i + 1 >= args.size()) {
      err << "tessvar-cli " << args[0] << ": "
          << (k == known.size() ? "unknown option " : seen[k] ? "repeated option " : "missing value for ") << args[i]
          << "\n";
      return false;
    }
    seen[k] = true;
    values[k] = args[i + 1];
  }
  return true;
}

int RunImport(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  if (args.size() > 1) {
    err << "tessvar-cli import: unknown option " << args[1] << "\n";
    return 2;
  }
  const std::string text = ImportTextFromBytes(ReadAll(in));
  Board editor;
  for (int i = 0; i < 81; ++i) {
    editor.cell(i).state = CellState::Open;
    editor.cell(i).digits = "123456789";
  }
  const ImportLayout layout = ImportIntoEditor(editor, text);
  if (layout == kImportInvalid) {
    err << "tessvar-cli import: the text is in none of the four import layouts "
           "(81 characters, 81 non-blank characters, more than 81 digits, or exactly 81 digits and dots)\n";
    return 1;
  }
  out << static_cast<int>(layout) << ' ' << BoardToStep(editor) << '\n';
  return 0;
}

int RunCopy(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<std::string> values;
  if (!ReadOptions(args, {"--layout"}, values, err)) return 2;
  if (values[0].size() != 1 || values[0][0] < '0' || values[0][0] > '3') {
    err << "tessvar-cli copy: --layout 0, 1, 2 or 3 is required\n";
    return 2;
  }
  Board board;
  if (!ReadBoard(in, "copy", board, err)) return 1;
  PrepareBoardForCopy(board);
  for (const std::string& line : CopyLayoutLines(board, static_cast<CopyLayout>(values[0][0] - '0')))
    out << line << '\n';
  return 0;
}

int RunPrint(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::vector<std::string> values;
  if (!ReadOptions(args, {"--style", "--size", "--lang"}, values, err)) return 2;
  const std::string& style = values[0];
  const std::string& size = values[1];
  if (style != "normal" && style != "candidates") {
    err << "tessvar-cli print: --style normal or --style candidates is required\n";
    return 2;
  }
  if (size != "a4" && size != "a3" && size != "a2") {
    err << "tessvar-cli print: --size a4, a3 or a2 is required\n";
    return 2;
  }
  LanguageTable table;
  if (!ReadLanguage(values[2], "print", table, err)) return 1;
  Board board;
  if (!ReadBoard(in, "print", board, err)) return 1;
  Tfrmprint generator(style == "normal" ? PrintStyle::Normal : PrintStyle::Candidates,
                      size == "a4" ? PaperSize::A4 : size == "a3" ? PaperSize::A3 : PaperSize::A2);
  generator.PrepareTemplate(table.LookupText(kPrintHeadingKey), table.LookupText(kPrintBylineKey));
  for (const std::string& line : generator.Generate(board)) out << line << '\n';
  return 0;
}

nlohmann::ordered_json CellNames(const std::vector<int>& cells) {
  auto list = nlohmann::ordered_json::array();
  for (int c : cells) list.push_back(CellName(c));
  return list;
}

nlohmann::ordered_json CellDigits(const std::vector<CellDigit>& pairs) {
  auto list = nlohmann::ordered_json::array();
  for (const CellDigit& p : pairs) list.push_back({CellName(p.cell), p.digit});
  return list;
}

// The hint as one JSON object: every key for a step, the keys that apply otherwise.
std::string HintJson(const Hint& hint, const LanguageTable& table) {
  const bool step = hint.kind == HintKind::Step;
  nlohmann::ordered_json j;
  j["kind"] = HintKindName(hint.kind);
  if (step) {
    j["technique"] = hint.TechniqueName();
    j["level"] = hint.Level();
  }
  if (step || !hint.digits.empty()) j["digits"] = hint.digits;
  if (step) {
    auto units = nlohmann::ordered_json::array();
    for (int u : hint.units) units.push_back(UnitName(u));
    j["units"] = units;
    j["pattern"] = CellNames(hint.pattern);
    j["place"] = CellDigits(hint.placements);
    j["remove"] = CellDigits(hint.eliminations);
  }
  if (step || !hint.cells.empty()) j["cells"] = CellNames(hint.cells);
  const HintTexts texts = HintWords(hint, table);
  j["nudge"] = texts.nudge;
  j["where"] = texts.where;
  j["move"] = texts.move;
  if (step) j["needs_candidates"] = hint.needsCandidates;
  return j.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

int RunHint(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  CoachOptions options;
  std::string lang;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--values-only") {
      options.valuesOnly = true;
    } else if (args[i] == "--lang" && i + 1 < args.size()) {
      lang = args[++i];
    } else {
      err << "tessvar-cli hint: " << (args[i] == "--lang" ? "missing value for " : "unknown option ") << args[i] << '\n';
      return 2;
    }
  }
  LanguageTable table;
  if (!ReadLanguage(lang, "hint", table, err)) return 1;
  int status = 0;
  std::size_t number = 0;
  std::string why;
  // Read as every other command reads its input: byte-order marks, any line end.
  ForEachTextLine(DecodeTextBytes(ReadAll(in)), [&](std::string_view line) {
    ++number;
    Board board;
    if (!ParseBoardLine(std::string(line), board, why)) {
      err << "line " << number << ": " << why << '\n';
      status = 1;
      return;
    }
    out << HintJson(FindHint(board, options), table) << '\n';
  });
  return status;
}

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) {
    err << "tessvar-cli check: no file named\n";
    return 2;
  }
  int status = 0;
  for (std::size_t i = 1; i < args.size(); ++i) {
    std::string bytes;
    std::vector<std::string> lines = {"bad unknown: cannot be read"};
    if (ReadFileBytes(args[i], bytes)) lines = CheckReport(CheckFile(bytes));
    if (!lines[0].starts_with("ok ")) status = 1;
    for (const std::string& line : lines) out << line << '\t' << args[i] << '\n';
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
        case SolutionCount::One: out << "0 " << r.first << " -\n"; break;
        case SolutionCount::Several: out << "2 " << r.first << ' ' << r.other << '\n'; break;
        case SolutionCount::None: out << "1 - -\n"; break;
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
  if (args.size() > 1 && (args[1] == "--help" || args[1] == "-h")) {
    out << kUsage;
    return 0;
  }
  if (command == "import") return RunImport(args, in, out, err);
  if (command == "copy") return RunCopy(args, in, out, err);
  if (command == "print") return RunPrint(args, in, out, err);
  if (command == "hint") return RunHint(args, in, out, err);
  if (command == "check") return RunCheck(args, out, err);
  err << "tessvar-cli: unknown command '" << command << "'\n\n" << kUsage;
  return 2;
}
