#include <gtest/gtest.h>

#include <sstream>

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

TEST(Cli, GenerateRefusesBadOptions) {
  const std::vector<std::vector<std::string>> bad = {
      {"generate", "--level", "2", "--count", "3"},                          // no seed
      {"generate", "--level", "5", "--count", "3", "--seed", "1"},           // no such level
      {"generate", "--level", "2", "--count", "0", "--seed", "1"},           // nothing to make
      {"generate", "--level", "2", "--count", "x", "--seed", "1"},
      {"generate", "--level", "2", "--count", "3", "--seed", "1", "--fast"},
      {"generate", "--level", "2", "--count", "3", "--seed"},
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
}
