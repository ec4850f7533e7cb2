#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/Board.h"
#include "core/ReplayFile.h"
#include "core/StepLine.h"

namespace {

const std::string kGivens = "120450000406789000089000050001060007000000001807201004010605008005970012908000005";
const std::string kSolution = "123456789456789123789123456231564897564897231897231564312645978645978312978312645";
// Three steps of one game: the dealt board, a placed 3 at A3, a placed 6 at A6.
const std::string kStep1 =
    "11,12,334,14,15,367,378,389,319,14,356,16,17,18,19,312,323,334,378,18,19,312,323,334,345,15,367,"
    "323,334,11,356,16,345,389,319,17,356,367,345,389,319,378,323,334,11,18,319,17,12,334,11,356,367,14,"
    "334,11,323,16,345,15,319,378,18,367,345,15,19,17,389,334,11,12,19,378,18,334,312,323,367,345,15";
const std::string kStep2 =
    "11,12,23,14,15,367,378,389,319,14,356,16,17,18,19,312,323,334,378,18,19,312,323,334,345,15,367,"
    "323,334,11,356,16,345,389,319,17,356,367,345,389,319,378,323,334,11,18,319,17,12,334,11,356,367,14,"
    "334,11,323,16,345,15,319,378,18,367,345,15,19,17,389,334,11,12,19,378,18,334,312,323,367,345,15";
const std::string kStep3 =
    "11,12,23,14,15,26,378,389,319,14,356,16,17,18,19,312,323,334,378,18,19,312,323,334,345,15,367,"
    "323,334,11,356,16,345,389,319,17,356,367,345,389,319,378,323,334,11,18,319,17,12,334,11,356,367,14,"
    "334,11,323,16,345,15,319,378,18,367,345,15,19,17,389,334,11,12,19,378,18,334,312,323,367,345,3";

// A step line of 81 tokens: first, then open cells without candidates.
std::string Full(const std::string& first) {
  std::string line = first;
  for (int i = 1; i < 81; ++i) line += ",3";
  return line;
}

std::string Utf16Le(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char ch : ascii) out += {ch, '\0'};
  return out;
}

}  // namespace

TEST(ReplayFile, WritesTheGoldenTextAndReadsItBack) {
  const ReplayData game{3, kGivens, kSolution, {kStep1, kStep2, kStep3}};
  // The written bytes: tests/fixtures/replay, GoldenFilesTest.
  const std::string text = ReplayText(game);

  const ReplayParseResult r = ParseReplay(text);
  ASSERT_TRUE(r.ok) << r.badLine << " " << r.reason;
  EXPECT_EQ(r.data.level, 3);
  EXPECT_EQ(r.data.givens, kGivens);
  EXPECT_EQ(r.data.solution, kSolution);
  EXPECT_EQ(r.data.log, game.log);
  // The last step ends with an open cell without candidates.
  Board b;
  ASSERT_TRUE(StepToBoard(b, r.data.log.back()));
  EXPECT_EQ(b.at(9, 9).state, CellState::Open);
  EXPECT_EQ(b.at(9, 9).digits, "");

  EXPECT_EQ(LevelCaptionKey(3), "msg_ndtxt_tough");
  EXPECT_EQ(LevelCaptionKey(5), "msg_ndtxt_unkown");
  EXPECT_EQ(LevelCaptionKey(6), "");
}

TEST(ReplayFile, ReadsForeignSpellings) {
  const std::string lf = "5 " + kGivens + "\n\n" + kStep1 + "\n" + kStep2 + "\n";  // empty line 2
  for (const std::string& bytes : {lf, "\xEF\xBB\xBF" + lf, Utf16Le(lf)}) {
    const ReplayParseResult r = ParseReplay(bytes);
    ASSERT_TRUE(r.ok) << r.reason;
    EXPECT_EQ(r.data.level, 5);
    EXPECT_EQ(r.data.solution, "");
    EXPECT_EQ(r.data.log, (std::vector<std::string>{kStep1, kStep2}));
  }

  // Blanks around the commas decode; the line is kept exactly as stored.
  std::string spaced = kStep2;
  for (std::size_t p = spaced.find(','); p != std::string::npos; p = spaced.find(',', p + 4)) spaced.replace(p, 1, " ,  ");
  ReplayParseResult r = ParseReplay("1 " + kGivens + "\r\n" + kSolution + "\r\n" + spaced + "\r\n");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.data.log.front(), spaced);

  // Clues that the holder would not take come from the last log line instead;
  // a solution that is not 81 digits 1..9 counts as unknown.
  r = ParseReplay("2 1204\r\n" + kSolution.substr(0, 80) + "0\r\n" + kStep1 + "\r\n");
  ASSERT_TRUE(r.ok) << r.reason;
  EXPECT_EQ(r.data.givens, kGivens);
  EXPECT_EQ(r.data.solution, "");
}

TEST(ReplayFile, RejectsMalformedFilesWithTheFirstBadLine) {
  const std::string head = "0 " + kGivens + "\r\n" + kSolution + "\r\n";
  const std::vector<std::pair<std::string, int>> cases = {
      {"", 1},
      {"\r\n" + kSolution + "\r\n" + kStep1 + "\r\n", 1},  // no level
      {"x " + kGivens + "\r\n" + kSolution + "\r\n" + kStep1 + "\r\n", 1},
      {"6 " + kGivens + "\r\n" + kSolution + "\r\n" + kStep1 + "\r\n", 1},  // no such level
      {"0 " + kGivens + "\r\n", 2},                                          // file ends early
      {head, 3},                                                             // no move log
      {head + kStep1 + "\r\n" + kStep2 + "\r\n" + Full("15,") + "\r\nx\r\n", 5},  // empty token
      {head + kStep1 + "\r\n\r\n", 4},                                          // empty log line
      {head + Full("45") + "\r\n", 3},                                          // state 4
      {head + Full("2") + "\r\n", 3},                                           // placed without digit
      {head + Full("15,3155") + "\r\n", 3},                                     // repeated candidate
      {head + Full("15,30") + "\r\n", 3},                                       // candidate 0
      // Cut files: a line short of cells (never completed with made-up
      // ones), a line with one cell too many, a last line without its break.
      {head + kStep1 + "\r\n" + kStep2.substr(0, 200) + "\r\n", 4},
      {head + kStep1.substr(0, kStep1.rfind(',')) + "\r\n", 3},
      {head + kStep1 + ",3\r\n", 3},
      {head + kStep1 + "\r\n" + kStep2, 4},
      {head + kStep1 + "\r\n3,3,3,3", 4},
  };
  for (const auto& [bytes, line] : cases) {
    const ReplayParseResult r = ParseReplay(bytes);
    EXPECT_FALSE(r.ok) << bytes;
    EXPECT_EQ(r.badLine, line) << bytes;
    EXPECT_FALSE(r.reason.empty());
  }
}
