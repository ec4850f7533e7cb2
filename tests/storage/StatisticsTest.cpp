// stats.dat: its lines, the whole file checked, the figures per level, and a
// damaged file set aside, with golden files in tests/fixtures/statistics.

#include "storage/Statistics.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "storage/DataFiles.h"
#include "storage/FileCheck.h"
#include "support/Fixtures.h"

namespace {

const LevelFigures kNone{0, 0, 0, -1, -1, 0, 0, {}};

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tessvar-stats-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() { std::filesystem::remove_all(path_); }
  std::string Folder() const { return path_ + "/"; }
  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ + "/" + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(path_ + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string path_;
};

}  // namespace

TEST(Statistics, TheGoldenFileReadsWholeAndWritesBackByteForByte) {
  const std::string bytes = ReadFixture("statistics/mixed.dat");
  const StatsParseResult r = ParseStatistics(bytes);
  ASSERT_TRUE(r.ok) << r.problem.line << ": " << r.problem.reason;
  ASSERT_EQ(r.lines.size(), 13u);
  EXPECT_EQ(r.lines[3], (StatsLine{"2026-03-01T09:20:00", 0, "bank", StatsOutcome::Unsolved, 50000, false, false, true}));
  EXPECT_EQ(r.lines[6], (StatsLine{"2026-03-02T10:00:00", 0, "resumed", StatsOutcome::Solved, -1, false, false, false}));
  EXPECT_EQ(r.lines[8],
            (StatsLine{"2026-03-02T11:00:00", 3, "bank", StatsOutcome::Unsolved, 120000, true, true, true}));
  EXPECT_EQ(StatisticsText(r.lines), bytes);
  EXPECT_EQ(StatisticsText({}), "tessvar-statistics 1\r\n");
}

TEST(Statistics, FiguresPerLevelFromTheGoldenFile) {
  const auto figures = FiguresPerLevel(ParseStatistics(ReadFixture("statistics/mixed.dat")).lines);
  // Level 0: S S S(hint) U S open S(resumed, no time): the open game waits
  // to be finished; the streak runs 3, breaks, runs 2.
  EXPECT_EQ(figures[0], (LevelFigures{6, 5, 4, 200000, 270000, 2, 3, {360000, 300000, 240000, 200000}}));
  EXPECT_EQ(figures[1], kNone);
  EXPECT_EQ(figures[2], kNone);
  EXPECT_EQ(figures[3], (LevelFigures{2, 1, 0, 900000, 900000, 0, 1, {900000}}));
  EXPECT_EQ(figures[4], kNone);
  EXPECT_EQ(figures[5], (LevelFigures{4, 4, 4, 100000, 450000, 4, 4, {600000, 400000, 500000, 100000}}));
}

TEST(Statistics, OnlyTheLastThirtySolveTimesAreKeptOldestFirst) {
  std::vector<StatsLine> lines;
  for (int i = 1; i <= 35; ++i)
    lines.push_back({"2026-03-01T09:00:00", 2, "bank", StatsOutcome::Solved, i * 1000, false, false, false});
  const LevelFigures f = FiguresPerLevel(lines)[2];
  ASSERT_EQ(f.recent.size(), 30u);
  EXPECT_EQ(f.recent.front(), 6000);
  EXPECT_EQ(f.recent.back(), 35000);
  EXPECT_EQ(f.median, 18000);  // all 35 times count, not only the charted ones
  EXPECT_EQ(f.best, 1000);
  EXPECT_EQ(f.bestStreak, 35);
}

TEST(Statistics, EveryBadLineIsRefusedWithItsReason) {
  const std::string ok = "2026-03-01T09:00:00 0 bank solved 300000 -";
  struct Case {
    std::string line, reason;
  };
  const std::vector<Case> cases = {
      {"2026-03-01T09:00:00 0 bank solved 300000", "not six fields parted by one blank"},
      {"2026-03-01T09:00:00  0 bank solved 300000 -", "not six fields parted by one blank"},
      {"", "not six fields parted by one blank"},
      {"2026-13-01T09:00:00 0 bank solved 1 -", "the date and time is not YYYY-MM-DDTHH:MM:SS"},
      {"2026-03-01 09:00:00 0 bank solved 1", "the date and time is not YYYY-MM-DDTHH:MM:SS"},
      {"2026-03-01T09:00:00 6 bank solved 1 -", "the level is not 0 to 5"},
      {"2026-03-01T09:00:00 shop solved 1 - -", "the level is not 0 to 5"},
      {"2026-03-01T09:00:00 0 shop solved 1 -", "the origin is not bank, practice:<technique>, editor or resumed"},
      {"2026-03-01T09:00:00 0 practice: solved 1 -", "the origin is not bank, practice:<technique>, editor or resumed"},
      {"2026-03-01T09:00:00 0 practice:X-Wing solved 1 -",
       "the origin is not bank, practice:<technique>, editor or resumed"},
      {"2026-03-01T09:00:00 0 bank won 1 -", "the outcome is not solved, unsolved or open"},
      {"2026-03-01T09:00:00 0 bank solved 12a -", "the time is not a number of milliseconds or -"},
      {"2026-03-01T09:00:00 0 bank solved -5 -", "the time is not a number of milliseconds or -"},
      {"2026-03-01T09:00:00 0 bank solved 99999999999999999999 -", "the time is not a number of milliseconds or -"},
      {"2026-03-01T09:00:00 0 bank solved 1 coach+hint",
       "the help used is not - or hint, coach, solution joined by +"},
      {"2026-03-01T09:00:00 0 bank solved 1 hint+hint", "the help used is not - or hint, coach, solution joined by +"},
      {"2026-03-01T09:00:00 0 bank solved 1 hint+", "the help used is not - or hint, coach, solution joined by +"},
      {"2026-03-01T09:00:00 0 bank solved 1 solution", "a game that Show Solution filled is not solved"},
  };
  for (const Case& c : cases) {
    const StatsParseResult r = ParseStatistics("tessvar-statistics 1\r\n" + ok + "\r\n" + c.line + "\r\n" + ok + "\r\n");
    EXPECT_FALSE(r.ok) << c.line;
    EXPECT_TRUE(r.lines.empty()) << c.line;
    EXPECT_EQ(r.problem, (FileProblem{3, c.reason})) << c.line;
  }
  EXPECT_TRUE(ParseStatistics("tessvar-statistics 1\n" + ok + "\n").ok);  // LF only reads too
  EXPECT_TRUE(ParseStatistics("\xEF\xBB\xBFtessvar-statistics 1\r\n").ok);
  for (const std::string& head : {std::string(), ok + "\r\n", std::string("tessvar-statistics 2\r\n")})
    EXPECT_EQ(ParseStatistics(head).problem, (FileProblem{1, "the first line is not \"tessvar-statistics 1\""}))
        << head;
}

TEST(Statistics, CheckTellsTheFileByItsHeaderOrItsLinesAndNamesTheBadLine) {
  EXPECT_EQ(CheckReport(CheckFile(ReadFixture("statistics/mixed.dat"))), std::vector<std::string>{"ok statistics"});
  EXPECT_EQ(CheckReport(CheckFile(ReadFixture("statistics/badlevel.dat"))),
            std::vector<std::string>{"bad statistics line 3: the level is not 0 to 5"});
  // The header lost: still told apart from the other files by its lines.
  EXPECT_EQ(CheckReport(CheckFile("2026-03-01T09:00:00 0 bank solved 300000 -\r\n")),
            std::vector<std::string>{"bad statistics line 1: the first line is not \"tessvar-statistics 1\""});
}

TEST(Statistics, ADamagedFileIsSetAsideNeverEmptied) {
  TempFolder dir;
  const DataFiles files(dir.Folder());
  // No file yet: no lines, nothing to say.
  DataFiles::StatisticsRead read = files.ReadStatistics("20260301-090000");
  EXPECT_TRUE(read.lines.empty());
  EXPECT_TRUE(read.error.empty());
  EXPECT_TRUE(read.setAside.empty());

  const std::string damaged = ReadFixture("statistics/badlevel.dat");
  dir.Write("stats.dat", damaged);
  const StatsLine game{"2026-03-01T10:00:00", 1, "bank", StatsOutcome::Solved, 1234, true, false, false};
  EXPECT_EQ(files.AddStatistics(game, "20260301-090000", &read), "");
  EXPECT_EQ(read.problem, (FileProblem{3, "the level is not 0 to 5"}));
  EXPECT_EQ(read.setAside, dir.Folder() + "stats.dat.damaged-20260301-090000");
  EXPECT_EQ(dir.Read("stats.dat.damaged-20260301-090000"), damaged);
  EXPECT_EQ(dir.Read("stats.dat"), "tessvar-statistics 1\r\n2026-03-01T10:00:00 1 bank solved 1234 hint\r\n");

  // A second damaged file in the same second keeps the first one.
  dir.Write("stats.dat", "garbage");
  read = files.ReadStatistics("20260301-090000");
  EXPECT_EQ(read.setAside, dir.Folder() + "stats.dat.damaged-20260301-090000-2");
  EXPECT_EQ(dir.Names(), (std::vector<std::string>{"stats.dat.damaged-20260301-090000",
                                                   "stats.dat.damaged-20260301-090000-2"}));
  EXPECT_EQ(dir.Read("stats.dat.damaged-20260301-090000"), damaged);

  // A good file is read as it is and added to.
  dir.Write("stats.dat", ReadFixture("statistics/mixed.dat"));
  EXPECT_EQ(files.AddStatistics(game, "20260301-090000", &read), "");
  EXPECT_TRUE(read.setAside.empty());
  EXPECT_EQ(read.lines.size(), 14u);
  EXPECT_EQ(dir.Read("stats.dat"),
            ReadFixture("statistics/mixed.dat") + "2026-03-01T10:00:00 1 bank solved 1234 hint\r\n");
}

TEST(Statistics, LocalTimeIsWrittenInTheFileForm) {
  // Noon of a day in any time zone stays on that day.
  const char* old = getenv("TZ");
  const std::string before = old ? old : "";
  setenv("TZ", "UTC", 1);
  tzset();
  EXPECT_EQ(IsoLocalTime(1772366400), "2026-03-01T12:00:00");
  EXPECT_EQ(StampLocalTime(1772366400), "20260301-120000");
  EXPECT_TRUE(IsStatisticsFirstLine(IsoLocalTime(1772366400) + " 0 bank open - -"));
  if (old) setenv("TZ", before.c_str(), 1);
  else unsetenv("TZ");
  tzset();
}
