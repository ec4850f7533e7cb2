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
