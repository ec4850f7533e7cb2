#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "support/Fixtures.h"

namespace {

struct CheckRun {
  int status;
  std::string out;
  std::string err;
};

CheckRun Check(const std::vector<std::string>& paths) {
  std::vector<std::string> args = {"check"};
  args.insert(args.end(), paths.begin(), paths.end());
  std::istringstream in;
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace

// Every kind, sound and damaged: the lines exactly as printed, the path after
// a tab. A games file lists each damaged entry; the others their first fault.
TEST(CliCheck, EveryKindOfFileGivesItsLines) {
  const struct {
    const char* file;
    int status;
    const char* lines;  // with "@" for the path
  } cases[] = {
      {"replay.dat", 0, "ok replay\t@\n"},
      {"replay-lf-bom.txt", 0, "ok replay\t@\n"},
      {"replay-cut.dat", 1, "bad replay line 5: the last line has no line break: the file was cut\t@\n"},
      {"replay-step-82-cells.dat", 1, "bad replay line 4: step line does not hold 81 cells\t@\n"},
      {"replay-level-7.dat", 1, "bad replay line 1: line 1 does not start with a level digit 0-5\t@\n"},
      {"games.dat", 0, "ok games\t@\n"},
      {"games-damaged.dat", 1,
       "bad games line 14: lines outside any record (no \"Name=\" line before them)\t@\n"
       "bad games line 22: column 1: state is not 1, 2 or 3\t@\n"
       "bad games line 29: record has 7 of its 13 lines\t@\n"},
      {"tvcfg.ini", 0, "ok settings\t@\n"},
      {"tvcfg-colour-not-number.ini", 1, "bad settings line 4: \"Board color2\" is not a decimal integer\t@\n"},
      {"tvcfg-colour-missing.ini", 1, "bad settings: no \"Board color1=\" line\t@\n"},
      {"language.txt", 0, "ok language\t@\n"},
      {"language-not-utf8.txt", 1, "bad language line 2: most lines are not UTF-8\t@\n"},
      {"notes.txt", 1, "bad unknown: not a file of the program\t@\n"},
      {"empty.txt", 1, "bad unknown: empty file\t@\n"},
  };
  for (const auto& c : cases) {
    const std::string path = FixturePath(std::string("check/") + c.file);
    std::string want = c.lines;
    for (std::size_t at = want.find('@'); at != std::string::npos; at = want.find('@', at + path.size()))
      want.replace(at, 1, path);
    const CheckRun r = Check({path});
    EXPECT_EQ(r.out, want) << c.file;
    EXPECT_EQ(r.status, c.status) << c.file;
    EXPECT_EQ(r.err, "") << c.file;
  }
}

// The kind comes from the content: a games file named like the settings file
// is still a games file. Lines keep the argument order; one bad or unreadable
// file among sound ones makes the status 1.
TEST(CliCheck, KindFromContentOrderAndStatus) {
  const std::filesystem::path dir = std::filesystem::path(testing::TempDir()) / "check-by-content";
  std::filesystem::create_directories(dir);
  const std::string disguised = (dir / "tvcfg.ini").string();
  std::filesystem::copy_file(FixturePath("check/games.dat"), disguised,
                             std::filesystem::copy_options::overwrite_existing);
  const std::string missing = (dir / "no-such-file").string();
  const std::string lang = FixturePath("check/language.txt");

  CheckRun r = Check({disguised, lang});
  EXPECT_EQ(r.out, "ok games\t" + disguised + "\nok language\t" + lang + "\n");
  EXPECT_EQ(r.status, 0);

  r = Check({lang, missing, dir.string(), disguised});
  EXPECT_EQ(r.out, "ok language\t" + lang + "\nbad unknown: cannot be read\t" + missing +
                       "\nbad unknown: cannot be read\t" + dir.string() + "\nok games\t" + disguised + "\n");
  EXPECT_EQ(r.status, 1);

  r = Check({});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "tessvar-cli check: no file named\n");

  std::istringstream in;
  std::ostringstream help, err;
  EXPECT_EQ(RunCli({"--help"}, in, help, err), 0);
  EXPECT_NE(help.str().find("\n       tessvar-cli check FILE...\n"), std::string::npos);
  EXPECT_NE(help.str().find("\n  check     reads each FILE"), std::string::npos);
}
