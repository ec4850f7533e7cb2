#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <streambuf>
#include <string>
#include <tuple>

#include "Cli.h"

namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

const std::string kPuzzle = "........3..72.......9....5..3..........1...2..68...7......63........8...1.5....9.";
const std::string kSolution = "426875913357291864819346257231687549574139628968452731742963185693518472185724396";
// generate --technique XY-Wing --count 2 --seed 77.
const std::string kXYWingLines =
    "G4IBE83AF2FCAD75HIEA8ICFB74I27EFDAC8FC5HA9GDBAHD3GB6IEHGAF9EDBC3E24HAIFGDI6GBC851\n"
    "FIB8A5GCD3G4I6B1EHH51GDCF2IGD6EB1H9C2ACDIHEF7I8E6CG2DAA6HCEI47BEB9A7D3H6DCG2H6IAE\n";

}  // namespace

TEST(Cli, CountPrintsResultAndSolutions) {
  std::string two = kPuzzle;
  two[8] = '.';
  std::string clash = kPuzzle;
  clash[0] = '3';
  const CliRun r = Cli({"count"}, kPuzzle + "\n" + two + "  trailing text\r\n" + clash + "\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "0 " + kSolution + " -\n"
            "2 316457289457289136829631457231874965574196328968325714792563841643918572185742693 "
            "456871239317259468829634157531427986794186325268395714942563871673918542185742693\n"
            "1 - -\n");
  EXPECT_EQ(r.err, "");
}

TEST(Cli, SolvePrintsStatusAndText) {
  const CliRun r = Cli({"solve"}, kPuzzle + "\n" + kSolution + "\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "0 " + kSolution + "\n1 " + kSolution + "\n");
}

TEST(Cli, ShortLinesAreReportedAndTheRestAnswered) {
  const CliRun r = Cli({"count"}, "12345\n" + kPuzzle + "\n\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "0 " + kSolution + " -\n");
  EXPECT_NE(r.err.find("line 1:"), std::string::npos);
  EXPECT_NE(r.err.find("line 3:"), std::string::npos);
  EXPECT_EQ(r.err.find("line 2:"), std::string::npos);
}

TEST(Cli, HelpAndUnknownCommands) {
  const CliRun help = Cli({"--help"}, "");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("count"), std::string::npos);
  EXPECT_NE(help.out.find("solve"), std::string::npos);
  EXPECT_EQ(Cli({"frobnicate"}, "").status, 2);
  EXPECT_EQ(Cli({}, "").status, 2);
}

TEST(Cli, GradeAnswersLevelAndHardestTechnique) {
  std::string two = kPuzzle;
  two[8] = '.';
  std::string clash = kPuzzle;
  clash[0] = '3';
  const std::string solvedWithOneGap = "." + kSolution.substr(1);
  const CliRun r = Cli({"grade"}, solvedWithOneGap + "\n" + two + "\n" + clash + "\nshort\n");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "0 Full House\nx several solutions\nx no solution\n");
  EXPECT_NE(r.err.find("line 4:"), std::string::npos);
}

// Lines made by generate grade to their level, read back as bank lines.
TEST(Cli, GenerateMakesLinesThatGradeToTheirLevel) {
  for (const char* level : {"1", "4"}) {
    const CliRun made = Cli({"generate", "--level", level, "--count", "3", "--seed", "77", "--threads", "1"}, "");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.err.find("3 lines from"), std::string::npos) << made.err;
    EXPECT_EQ(Cli({"generate", "--seed", "77", "--count", "3", "--level", level, "--threads", "2"}, "").out, made.out);
    const CliRun graded = Cli({"grade"}, made.out);
    ASSERT_EQ(graded.status, 0);
    std::istringstream lines(graded.out);
    std::string line;
    int n = 0;
    for (; std::getline(lines, line); ++n) EXPECT_EQ(line.substr(0, 2), std::string(level) + " ") << line;
    EXPECT_EQ(n, 3);
  }
}

// generate --technique: the same lines whatever the threads, each grading to
// the technique.
TEST(Cli, GenerateMakesLinesOfATechnique) {
  const CliRun made = Cli({"generate", "--technique", "XY-Wing", "--count", "2", "--seed", "77", "--threads", "1"}, "");
  ASSERT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(made.out, kXYWingLines);
  EXPECT_NE(made.err.find("XY-Wing: 2 lines from"), std::string::npos) << made.err;
  EXPECT_EQ(Cli({"generate", "--seed", "77", "--technique", "XY-Wing", "--count", "2", "--threads", "2"}, "").out,
            made.out);
  EXPECT_EQ(Cli({"grade"}, made.out).out, "3 XY-Wing\n3 XY-Wing\n");
  // A run cut short by --max-candidates still succeeds, with what it found.
  const CliRun none = Cli({"generate", "--technique", "Jellyfish", "--count", "2", "--seed", "77", "--threads", "2",
                           "--max-candidates", "64"}, "");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out, "");
  EXPECT_NE(none.err.find("Jellyfish: 0 lines"), std::string::npos) << none.err;
}

TEST(Cli, GenerateRefusesBadOptions) {
  const std::vector<std::vector<std::string>> bad = {
      {"generate", "--level", "2", "--count", "3"},                          // no seed
      {"generate", "--level", "5", "--count", "3", "--seed", "1"},           // no such level
      {"generate", "--level", "2", "--count", "0", "--seed", "1"},           // nothing to make
      {"generate", "--level", "2", "--count", "x", "--seed", "1"},
      {"generate", "--level", "2", "--count", "3", "--seed", "1", "--fast"},
      {"generate", "--level", "2", "--count", "3", "--seed"},
      {"generate", "--technique", "x-wing", "--count", "3", "--seed", "1"},         // spelt as grade does
      {"generate", "--technique", "Hidden Single", "--count", "3", "--seed", "1"},  // below Pointing
      {"generate", "--technique", "Jellyfishes", "--count", "3", "--seed", "1"},
      {"generate", "--technique", "", "--count", "3", "--seed", "1"},
      {"generate", "--level", "3", "--technique", "X-Wing", "--count", "3", "--seed", "1"},  // both
      {"generate", "--technique", "X-Wing", "--count", "3", "--seed", "1", "--max-candidates", "0"},
      {"generate", "--technique", "X-Wing", "--count", "3", "--seed", "1", "--max-candidates"},
  };
  for (const auto& args : bad) {
    const CliRun r = Cli(args, "");
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  const CliRun help = Cli({"--help"}, "");
  EXPECT_NE(help.out.find("grade"), std::string::npos);
  EXPECT_NE(help.out.find("generate --level L --count N --seed S"), std::string::npos);
  EXPECT_NE(help.out.find("generate --technique NAME --count N --seed S"), std::string::npos);
}

namespace {

const std::string kExample2Step =
    "313569,28,313456,3245,3124,31245,3123469,31245,27,3135,33457,313457,32457,29,26,312348,312458,312358,31569,"
    "345679,22,3457,31478,23,314689,31458,315689,3123568,3234567,31345678,3234567,3234678,324578,312378,29,31238,"
    "31238,32347,29,32347,323478,32478,25,26,31238,323568,323567,335678,21,323678,325789,32378,3278,24,24,323569,"
    "33568,323679,312367,31279,3126789,312578,3125689,32689,3269,368,324679,25,312479,31246789,23,312689,27,21,"
    "3356,28,32346,3249,32469,3245,32569";

}  // namespace

TEST(Cli, ImportPrintsLayoutAndEditorBoard) {
  // A byte-order mark and CR LF line ends, as a pasted Windows file has them.
  std::string text = "\xEF\xBB\xBF";
  for (const char* line : {"*8******7", "****96***", "**2**3***", "*******9*", "**9***56*", "***1****4", "4********",
                           "****5**3*", "71*8*****"})
    text += std::string(line) + "\r\n";
  const CliRun r = Cli({"import"}, text);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "2 " + kExample2Step + "\n");
  EXPECT_EQ(r.err, "");

  for (const std::string& bad : {std::string("hello\n"), std::string(), std::string(200, '\xFF')}) {
    const CliRun invalid = Cli({"import"}, bad);
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.out, "");
    EXPECT_NE(invalid.err.find("import"), std::string::npos);
  }
  // The same grid typed with a Japanese input method reads the same.
  std::string wide;
  for (char c : text)
    wide += c == '*'                ? std::string("\xEF\xBC\x8E")
            : c >= '0' && c <= '9' ? std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0'))
                                   : std::string(1, c);
  EXPECT_EQ(Cli({"import"}, wide).out, "2 " + kExample2Step + "\n");
  EXPECT_EQ(Cli({"import", "--fast"}, text).status, 2);
  const CliRun help = Cli({"import", "--help"}, "");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tessvar-cli import"), std::string::npos);
}

TEST(Cli, CopyAndPrintReadTheBoardThatImportPrints) {
  const std::string imported = Cli({"import"}, kPuzzle).out;  // layout 1
  ASSERT_EQ(imported.substr(0, 2), "1 ");
  for (const std::string& input : {imported, imported.substr(2), imported.substr(2, imported.size() - 3)}) {
    const CliRun line = Cli({"copy", "--layout", "3"}, input);
    EXPECT_EQ(line.status, 0) << line.err;
    EXPECT_EQ(line.out, "000000003007200000009000050030000000000100020068000700000063000000008000105000090\n");
  }
  const CliRun grid = Cli({"copy", "--layout", "0"}, imported);
  EXPECT_EQ(grid.out.substr(0, 100),
            "*-----------------------------------------------*\n"
            "|    .    .    .|    .    .    .|    .    .    3|\n");
  // The copy with candidates imports back cell for cell; the open cell left
  // with the one candidate 4 comes back as a placed 4.
  std::string expected = "4" + imported.substr(1);
  expected.replace(expected.find(",34,"), 4, ",24,");
  EXPECT_EQ(Cli({"import"}, Cli({"copy", "--layout", "1"}, imported).out).out, expected);

  const CliRun page = Cli({"print", "--style", "candidates", "--size", "a4"}, imported);
  EXPECT_EQ(page.status, 0) << page.err;
  EXPECT_TRUE(page.out.starts_with("<!DOCTYPE HTML PUBLIC"));
  EXPECT_TRUE(page.out.ends_with("\n</body></html>\n"));
  EXPECT_NE(page.out.find("数独"), std::string::npos);
  EXPECT_EQ(page.out.find("\nnode"), std::string::npos);

  const std::string langFile = ::testing::TempDir() + "tessvar_cli_lang.txt";
  {
    std::ofstream f(langFile, std::ios::binary);
    f << "\xEF\xBB\xBF" "frmprintselect.sudoku=<b>Sudoku</b>\r\nfrmprintselect.sudokuby=by us\r\n";
  }
  const CliRun english = Cli({"print", "--lang", langFile, "--size", "a2", "--style", "normal"}, imported);
  EXPECT_EQ(english.status, 0) << english.err;
  EXPECT_NE(english.out.find("\n<b>Sudoku</b>\nby us\n"), std::string::npos);
  EXPECT_EQ(english.out.find("数独"), std::string::npos);
  std::remove(langFile.c_str());
}

TEST(Cli, CopyAndPrintRefuseMalformedBoardsAndOptions) {
  const std::string good = Cli({"import"}, kPuzzle).out.substr(2);
  std::string eighty = good.substr(good.find(',') + 1);
  const std::vector<std::string> malformed = {
      "", eighty, good.substr(0, good.size() - 1) + ",3\n", "4" + good.substr(1), "1" + good.substr(good.find(',')),
      "3113" + good.substr(good.find(',')), "30" + good.substr(good.find(',')), good + good,
      " " + good, "3 1" + good.substr(1)};
  for (const std::string& board : malformed) {
    const CliRun r = Cli({"copy", "--layout", "0"}, board);
    EXPECT_EQ(r.status, 1) << board.substr(0, 30);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  const std::vector<std::vector<std::string>> usage = {
      {"copy"}, {"copy", "--layout", "4"}, {"copy", "--layout"}, {"copy", "--layout", "1", "--wide", "1"},
      {"print", "--style", "normal"}, {"print", "--style", "bold", "--size", "a4"},
      {"print", "--style", "normal", "--size", "a5"}, {"print", "--style", "normal", "--size", "a4", "--size", "a3"}};
  for (const auto& args : usage) {
    const CliRun r = Cli(args, good);
    EXPECT_EQ(r.status, 2) << args.back();
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
  }
  EXPECT_EQ(Cli({"print", "--style", "normal", "--size", "a4", "--lang", "/nonexistent/lang.txt"}, good).status, 1);
}

namespace {

std::string ReadFixture(const std::string& name) {
  std::ifstream in(std::string(TESSVAR_FIXTURES) + "/coach/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

// One board a technique (the first step of the grader on a position of one of
// our own games), then the checks before any step, in both modes: the hint
// lines, English texts included, exactly as the golden files hold them.
TEST(CliHint, GoldenBoardsGiveTheirHintLines) {
  const std::string lang = std::string(TESSVAR_LANG_DIR) + "/lang1.txt";
  for (const auto& [boards, expected, valuesOnly] :
       {std::tuple{"boards.txt", "boards-expected.jsonl", false},
        std::tuple{"values-only-boards.txt", "values-only-expected.jsonl", true}}) {
    std::vector<std::string> args = {"hint", "--lang", lang};
    if (valuesOnly) args.push_back("--values-only");
    const CliRun r = Cli(args, ReadFixture(boards));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> got = Lines(r.out), want = Lines(ReadFixture(expected));
    ASSERT_EQ(got.size(), want.size()) << boards;
    for (std::size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << boards << " line " << i + 1;
  }
}

TEST(CliHint, BadLinesAreReportedAndTheOthersAnswered) {
  const std::string board = Lines(ReadFixture("boards.txt")).front();
  const std::string firstCell = board.substr(0, board.find(','));
  const CliRun r = Cli({"hint"}, "1 " + board + "\r\n" + "3,3\n" + "0" + board.substr(1) + "\n" + board);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err,
            "line 2: a board has 81 cells, the line has 2\n"
            "line 3: cell 1 '0" + firstCell.substr(1) + "' is not a state 1..3 with its digits\n");
  const std::vector<std::string> out = Lines(r.out);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0], out[1]);
  // The built-in Japanese table gives the texts without --lang.
  EXPECT_NE(out[0].find("\"nudge\":\"フルハウスを探しましょう。\""), std::string::npos) << out[0];
  EXPECT_NE(out[0].find("\"move\":\"G3は3列で最後の空きマスで、3列に足りない数字は4だけです。G3に4を置きます。\""),
            std::string::npos) << out[0];

  EXPECT_EQ(Cli({"hint", "--lang"}, "").status, 2);
  EXPECT_EQ(Cli({"hint", "--values"}, "").err, "tessvar-cli hint: unknown option --values\n");
  EXPECT_EQ(Cli({"hint", "--lang", "/nonexistent/lang.txt"}, board).status, 1);
}

namespace {

std::string ReadCliFixture(const std::string& name) {
  std::ifstream f(std::string(TESSVAR_FIXTURES) + "/cli/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

// Each character of an ASCII text as one UTF-16 code unit, after the mark.
std::string Utf16(const std::string& text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (char ch : text) bytes += bigEndian ? std::string{'\0', ch} : std::string{ch, '\0'};
  return bytes;
}

// Unbuffered like standard error: counts the pieces handed to it.
class CountingBuf : public std::streambuf {
 public:
  std::string text;
  int writes = 0;

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    ++writes;
    text.append(s, static_cast<std::size_t>(n));
    return n;
  }
  int_type overflow(int_type ch) override {
    ++writes;
    if (!traits_type::eq_int_type(ch, traits_type::eof())) text += traits_type::to_char_type(ch);
    return traits_type::not_eof(ch);
  }
};

}  // namespace

// Puzzles whose extreme solutions took seconds to find: a pigeonhole hidden
// in an almost empty grid, a search that has to be handed to clause learning,
// a third pass needed. Then clashing givens whose first completion, or proof
// that there is none, took clause learning many calls or a tenth of a second:
// a column kept short of digits by a band's count, units short of digits
// after repeated givens. Answers recorded with the earlier, slower engine.
TEST(Cli, CountAndSolveKeepTheirAnswersOnSlowPuzzles) {
  const std::string puzzles = ReadCliFixture("count-slow.in");
  ASSERT_FALSE(puzzles.empty());
  const CliRun count = Cli({"count"}, puzzles);
  EXPECT_EQ(count.status, 0) << count.err;
  EXPECT_EQ(count.out, ReadCliFixture("count-slow.out"));
  const CliRun solve = Cli({"solve"}, puzzles);
  EXPECT_EQ(solve.status, 0) << solve.err;
  EXPECT_EQ(solve.out, ReadCliFixture("solve-slow.out"));
}

// The puzzle lines are read as the game reads a text file, whatever its
// line ends and encoding.
TEST(Cli, PuzzleLinesAreReadAsTextFiles) {
  std::string two = kPuzzle;
  two[8] = '.';
  std::string dots = kPuzzle;  // blanks written as a wide character
  for (std::size_t at = 0; (at = dots.find('.', at)) != std::string::npos;) dots.replace(at, 1, "\xE3\x83\xBB");
  const struct {
    const char* name;
    std::string input;
  } cases[] = {
      {"LF", kPuzzle + "\n" + two + "\n"},
      {"CR only", kPuzzle + "\r" + two + "\r"},
      {"CR LF, no last line end", kPuzzle + "\r\n" + two},
      {"UTF-8 mark", "\xEF\xBB\xBF" + kPuzzle + "\n" + two + "\n"},
      {"UTF-16 LE mark, CR LF", Utf16(kPuzzle + "\r\n" + two + "\r\n", false)},
      {"UTF-16 BE mark, CR", Utf16(kPuzzle + "\r" + two + "\r", true)},
      {"blanks of three bytes", dots + "\n" + two + "\n"},
  };
  const std::string expected[][2] = {
      {"count", "0 426875913357291864819346257231687549574139628968452731742963185693518472185724396 -\n"
                "2 316457289457289136829631457231874965574196328968325714792563841643918572185742693 "
                "456871239317259468829634157531427986794186325268395714942563871673918542185742693\n"},
      {"solve", "0 426875913357291864819346257231687549574139628968452731742963185693518472185724396\n"
                "0 316457289457289136829631457231874965574196328968325714792563841643918572185742693\n"},
      {"grade", "3 Skyscraper\nx several solutions\n"},
  };
  for (const auto& c : cases)
    for (const auto& [command, out] : expected) {
      const CliRun r = Cli({command}, c.input);
      EXPECT_EQ(r.status, 0) << c.name << ' ' << command << ": " << r.err;
      EXPECT_EQ(r.out, out) << c.name << ' ' << command;
    }

  // Lines are numbered as they are split: a lone CR ends one.
  const CliRun shortLines = Cli({"count"}, "12345\r\r" + kPuzzle + "\r\xE3\x83\xBB\xE3\x83\xBB\r");
  EXPECT_EQ(shortLines.status, 1);
  EXPECT_EQ(shortLines.out, "0 " + kSolution + " -\n");
  EXPECT_EQ(shortLines.err,
            "line 1: 5 characters, a puzzle needs 81\n"
            "line 2: 0 characters, a puzzle needs 81\n"
            "line 4: 2 characters, a puzzle needs 81\n");
}

// A message for every bad line, handed on in large pieces rather than one
// write each.
TEST(Cli, ErrorsReachStandardErrorInLargePieces) {
  std::string input, expected;
  for (int line = 1; line <= 1000; ++line) {
    input += "bad\n";
    expected += "line " + std::to_string(line) + ": 3 characters, a puzzle needs 81\n";
  }
  for (const char* command : {"count", "solve", "grade"}) {
    std::istringstream in(input);
    std::ostringstream out;
    CountingBuf errBuf;
    std::ostream err(&errBuf);
    EXPECT_EQ(RunCli({command}, in, out, err), 1);
    EXPECT_EQ(errBuf.text, expected) << command;
    EXPECT_EQ(errBuf.writes, 1) << command;
    EXPECT_EQ(out.str(), "");
  }
}
