#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Board.h"
#include "core/StepLine.h"
#include "storage/DataFiles.h"
#include "storage/GamesStore.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

const std::string kSolution = "123456789456789123789123456231564897564897231897231564312645978645978312978312645";
// A game under way: clues, placed digits, open cells with candidates, one
// open cell with all nine and one (I9) with none.
const std::string kStep =
    "11,12,23,14,15,367,378,389,319,14,356,16,17,18,19,312,323,334,378,18,19,312,323,334,345,15,367,"
    "323,334,11,356,16,345,389,319,17,356,367,345,389,319,378,323,334,11,18,319,17,12,334,11,356,367,14,"
    "334,11,323,16,345,15,319,378,18,367,345,15,19,17,389,334,11,12,19,378,18,334,312,323,367,3123456789,3";
const std::vector<std::string> kRows = {
    "11        12        23        14        15        367       378       389       319       ",
    "14        356       16        17        18        19        312       323       334       ",
    "378       18        19        312       323       334       345       15        367       ",
    "323       334       11        356       16        345       389       319       17        ",
    "356       367       345       389       319       378       323       334       11        ",
    "18        319       17        12        334       11        356       367       14        ",
    "334       11        323       16        345       15        319       378       18        ",
    "367       345       15        19        17        389       334       11        12        ",
    "19        378       18        334       312       323       367       31234567893         ",
    "",
    ""};

std::string Record(const std::string& name, const std::string& levelLine) {
  std::string text = "Name=" + name + "\r\n" + levelLine + "\r\n";
  for (const std::string& row : kRows) text += row + "\r\n";
  return text;
}

std::vector<std::string> Names(const GamesStore& store) {
  std::vector<std::string> names;
  for (const GameListEntry& e : store.ListGames()) names.push_back(e.name);
  return names;
}

}  // namespace

TEST(GamesStore, StoresTheGoldenRecordAndOpensItAgain) {
  Board board;
  ASSERT_TRUE(StepToBoard(board, kStep));
  EXPECT_EQ(BoardRows(board), kRows);
  EXPECT_EQ(PadRight("3", 10), "3         ");  // an open cell without candidates
  EXPECT_EQ(PadRight("3123456789", 10), "3123456789");

  GamesStore store;
  store.LoadGames("");
  ASSERT_EQ(store.StoreGame("New Game", 2, kSolution, BoardRows(board), false), StoreResult::Stored);
  ASSERT_EQ(store.StoreGame("Mystery", 5, "", BoardRows(board), false), StoreResult::Stored);
  // The written bytes: tests/fixtures/games, GoldenFilesTest.
  const std::string file = store.SaveGames();

  GamesStore again;
  again.LoadGames(file);
  const std::vector<GameListEntry> list = again.ListGames();
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].name, "Mystery");
  EXPECT_EQ(list[1].level, 5);
  EXPECT_EQ(list[1].line, 14);
  EXPECT_FALSE(list[1].damaged);
  EXPECT_EQ(GameListLevelKey(list[1].level), "msg_frmgamelist_Unknown");

  StoredGame game;
  ASSERT_TRUE(again.ReadGame("New Game", game));
  EXPECT_EQ(game.level, 2);
  EXPECT_EQ(game.solution, kSolution);
  EXPECT_EQ(game.step, kStep);
  EXPECT_EQ(game.givens, "120450000406789000089000050001060007000000001807201004010605008005970012908000000");
  ASSERT_TRUE(again.ReadGame("Mystery", game));
  EXPECT_EQ(game.level, 5);
  EXPECT_EQ(game.solution, "");
  Board back;
  ASSERT_TRUE(StepToBoard(back, game.step));
  EXPECT_EQ(back.at(9, 9).state, CellState::Open);
  EXPECT_EQ(back.at(9, 9).digits, "");
}

TEST(GamesStore, NamesAreExactAndEveryChangeKeepsTheIndex) {
  GamesStore store;
  store.LoadGames("");
  EXPECT_EQ(store.FirstGameLine(), 0);
  EXPECT_TRUE(store.ListGames().empty());
  EXPECT_FALSE(store.DeleteGame("New Game"));
  EXPECT_EQ(store.RenameGame("New Game", "Other"), RenameResult::NotFound);
  EXPECT_EQ(store.SaveGames(), "");

  // Saving a name twice: refused unless overwriting, which moves it to the end.
  for (const char* name : {"New Game", "new game", "Café 数独"}) store.StoreGame(name, 1, kSolution, kRows, false);
  const std::string before = store.SaveGames();
  EXPECT_EQ(store.StoreGame("New Game", 3, "", kRows, false), StoreResult::NameExists);
  EXPECT_EQ(store.SaveGames(), before);
  EXPECT_EQ(store.StoreGame("New Game", 3, "", kRows, true), StoreResult::Stored);
  EXPECT_EQ(Names(store), (std::vector<std::string>{"new game", "Café 数独", "New Game"}));
  EXPECT_EQ(store.FindGame("New Game"), 27);
  EXPECT_EQ(store.FindGame("NEW GAME"), 0);
  EXPECT_EQ(store.ListGames()[2].level, 3);

  EXPECT_EQ(store.StoreGame("", 1, "", kRows, false), StoreResult::BadName);
  EXPECT_EQ(store.StoreGame("two\nlines", 1, "", kRows, false), StoreResult::BadName);

  EXPECT_EQ(store.RenameGame("new game", "new game"), RenameResult::Unchanged);
  EXPECT_EQ(store.RenameGame("new game", "New Game"), RenameResult::NameExists);
  EXPECT_EQ(store.RenameGame("new game", ""), RenameResult::BadName);
  EXPECT_EQ(store.RenameGame("new game", "Renamed"), RenameResult::Renamed);
  EXPECT_EQ(store.Gamelist()[0], "Name=Renamed");

  // Deleting one of several, then the rest down to an empty file.
  EXPECT_TRUE(store.DeleteGame("Café 数独"));
  EXPECT_EQ(Names(store), (std::vector<std::string>{"Renamed", "New Game"}));
  EXPECT_EQ(store.FindGame("New Game"), 14);
  StoredGame game;
  EXPECT_TRUE(store.ReadGame("New Game", game));
  EXPECT_TRUE(store.DeleteGame("Renamed"));
  EXPECT_TRUE(store.DeleteGame("New Game"));
  EXPECT_EQ(store.SaveGames(), "");
  EXPECT_EQ(store.FirstGameLine(), 0);
}

TEST(GamesStore, DamagedRecordsStayPutAndTheRestStillWorks) {
  std::string shortRecord = Record("Short", "1 ");
  shortRecord.erase(shortRecord.find(kRows[3]), kRows[3].size() + 2);  // a row line lost
  std::string badField = Record("BadField", "0 ");
  badField.replace(badField.find("367 "), 4, "x67 ");
  std::string trimmed = Record("Trimmed", "4 ");  // an editor stripped the last padding
  trimmed.replace(trimmed.find(kRows[8]), kRows[8].size(), kRows[8].substr(0, 81));
  const std::string file = "; my games\r\n" + Record("Good", "2 " + kSolution) + shortRecord + badField +
                           Record("Level7", "7 ") + trimmed + "stray\r\n" + Record("Last", "3 ");

  GamesStore store;
  store.LoadGames("\xEF\xBB\xBF" + file);
  EXPECT_EQ(store.SaveGames(), file);  // every line written back as it was
  EXPECT_EQ(store.FirstGameLine(), 2);
  const std::vector<GameListEntry> list = store.ListGames();
  ASSERT_EQ(list.size(), 7u);
  // The stray line after the sound "Trimmed" record is an entry of its own.
  const std::vector<bool> damaged = {false, true, true, true, false, true, false};
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].damaged, damaged[i]) << list[i].name;
  EXPECT_EQ(list[3].level, 7);
  EXPECT_EQ(GameListLevelKey(7), "");

  StoredGame game;
  EXPECT_FALSE(store.ReadGame("Short", game));
  EXPECT_FALSE(store.ReadGame("BadField", game));
  ASSERT_TRUE(store.ReadGame("Trimmed", game));
  EXPECT_EQ(game.step, kStep);
  EXPECT_TRUE(store.ReadGame("Last", game));
  EXPECT_EQ(list[5].name, "stray");
  EXPECT_FALSE(list[5].named);

  // Damaged records can be renamed and deleted; the others are untouched.
  EXPECT_EQ(store.RenameGame("Short", "Short (old)"), RenameResult::Renamed);
  EXPECT_TRUE(store.DeleteGame("BadField"));
  EXPECT_TRUE(store.DeleteGame("Trimmed"));
  EXPECT_EQ(store.StoreGame("Good", 0, "", kRows, true), StoreResult::Stored);
  EXPECT_EQ(store.SaveGames(), "; my games\r\n" + shortRecord.replace(0, 10, "Name=Short (old)") +
                                   Record("Level7", "7 ") + "stray\r\n" + Record("Last", "3 ") +
                                   Record("Good", "0 "));

  // LF-only files read the same.
  std::string lf = file;
  for (std::size_t p = lf.find("\r\n"); p != std::string::npos; p = lf.find("\r\n", p)) lf.erase(p, 1);
  store.LoadGames(lf);
  EXPECT_EQ(store.SaveGames(), file);
}

TEST(GamesStore, OverwritingANameReplacesEveryRecordOfIt) {
  // The same name twice, the later record damaged (a level that is no level).
  GamesStore store;
  store.LoadGames(Record("Twin", "1 " + kSolution) + Record("Twin", "x") + Record("Other", "0 "));
  ASSERT_EQ(store.ListGames().size(), 3u);
  Board board;
  ASSERT_TRUE(StepToBoard(board, kStep));
  ASSERT_EQ(store.StoreGame("Twin", 3, kSolution, BoardRows(board), true), StoreResult::Stored);
  EXPECT_EQ(Names(store), (std::vector<std::string>{"Other", "Twin"}));
  StoredGame game;
  ASSERT_TRUE(store.ReadGame("Twin", game));
  EXPECT_EQ(game.level, 3);
}

TEST(GamesStore, EntriesAreFoundByPlaceAndADamagedNameLineHidesNoGame) {
  // B's "Name=" line damaged: B's lines become an entry of their own after
  // A, instead of vanishing into A, and deleting A removes exactly A.
  std::string damagedB = Record("B", "1 ");
  damagedB.replace(0, 5, "Nme=");
  const std::string latin1 = "Caf\xE9";  // a name written in another code page
  GamesStore store;
  store.LoadGames(Record("A", "0 ") + damagedB + Record(latin1, "2 "));
  std::vector<GameListEntry> list = store.ListGames();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[1].name, "Nme=B");
  EXPECT_TRUE(list[1].damaged);
  EXPECT_EQ(list[1].line, 14);
  EXPECT_EQ(store.RenameEntry(1, "B"), RenameResult::NotFound);  // no "Name=" line to rename

  // The undecodable name: opened, renamed back and forth and deleted by place.
  StoredGame game;
  ASSERT_TRUE(store.ReadEntry(2, game));
  EXPECT_EQ(game.level, 2);
  EXPECT_EQ(store.RenameEntry(2, latin1), RenameResult::Unchanged);
  EXPECT_EQ(store.RenameEntry(2, "A"), RenameResult::NameExists);
  ASSERT_EQ(store.RenameEntry(2, "Café"), RenameResult::Renamed);
  EXPECT_EQ(store.ListGames()[2].name, "Café");

  ASSERT_TRUE(store.DeleteEntry(0));
  EXPECT_EQ(store.SaveGames(), damagedB + Record("Café", "2 "));
  ASSERT_TRUE(store.DeleteEntry(0));
  EXPECT_EQ(store.SaveGames(), Record("Café", "2 "));
  EXPECT_FALSE(store.DeleteEntry(1));
}

TEST(GamesStore, AFileCutInItsLastRecordDamagesOnlyThatRecord) {
  const std::string whole = Record("A", "0 ") + Record("B", "1 ");
  for (std::size_t cut : {6u, 30u, 60u}) {  // in the empty lines, in row 9's padding, in its cells
    GamesStore store;
    store.LoadGames(whole.substr(0, whole.size() - cut));
    const std::vector<GameListEntry> list = store.ListGames();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FALSE(list[0].damaged);
    EXPECT_TRUE(list[1].damaged) << cut;
    StoredGame game;
    EXPECT_FALSE(store.ReadEntry(1, game));
  }
}

TEST(DataFilesTest, TheScaleIsOneOfTheOfferedSizesOrTheDocumentedOne) {
  const std::string folder = ::testing::TempDir() + "scale-" + std::to_string(::getpid()) + "/";
  std::filesystem::create_directories(folder);
  const DataFiles files(folder);
  EXPECT_EQ(files.ReadScale(), 100);  // no file
  const std::pair<const char*, int> cases[] = {{"Scale=150\r\n", 150}, {"Language=en\r\nScale=200\r\n", 200},
                                               {"Scale=125", 125},     {"Scale=175\r\n", 100},
                                               {"Scale=\r\n", 100},     {"Language=en\r\n", 100}};
  for (const auto& [text, scale] : cases) {
    std::ofstream(files.SettingsPath(), std::ios::binary) << text;
    EXPECT_EQ(files.ReadScale(), scale) << text;
    EXPECT_EQ(files.ReadLanguage(), std::string(text).starts_with("Language=en") ? "en" : "") << text;
  }
  std::filesystem::remove_all(folder);
}
