#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "core/Board.h"
#include "core/ReplayFile.h"
#include "core/StepLine.h"
#include "storage/GamesStore.h"
#include "storage/Settings.h"
#include "support/Fixtures.h"

// Each format's golden pairs in tests/fixtures/<format>: an input and the
// bytes the program makes of it, through the functions the program and
// tessvar-cli use.

namespace {

std::string RunCliOn(const std::vector<std::string>& args, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out, err;
  EXPECT_EQ(RunCli(args, in, out, err), 0) << err.str();
  return out.str();
}

// Read, then written back: what a load and the next save make of a file.
std::string ReplayRewritten(const std::string& bytes) {
  const ReplayParseResult r = ParseReplay(bytes);
  EXPECT_TRUE(r.ok) << r.badLine << ": " << r.reason;
  return ReplayText(r.data);
}

std::vector<std::string> RowsOf(const std::string& step) {
  Board board;
  EXPECT_TRUE(StepToBoard(board, step));
  return BoardRows(board);
}

// The last line of the replay fixture: a game under way, to be stored.
std::string GameStep() {
  const std::string text = ReadFixture("replay/written.in");
  const std::size_t end = text.rfind("\r\n");
  return text.substr(text.rfind("\r\n", end - 1) + 2, end - text.rfind("\r\n", end - 1) - 2);
}

const std::string kSolution = "123456789456789123789123456231564897564897231897231564312645978645978312978312645";

std::string GamesStored(const std::string& bytes) {
  GamesStore store;
  store.LoadGames(bytes);
  EXPECT_EQ(store.StoreGame("New Game", 2, kSolution, RowsOf(GameStep()), false), StoreResult::Stored);
  return store.SaveGames();
}

std::string SettingsLoaded(const std::string* bytes) {
  SettingsFile file;
  AppearanceSettings settings;
  LoadAppearanceValues(file, bytes, settings);
  return file.SettingsText();
}

}  // namespace

TEST(GoldenFiles, EveryFormatMakesItsExpectedBytes) {
  const struct {
    const char* input;  // "" for none
    const char* expected;
    std::function<std::string(const std::string&)> make;
  } cases[] = {
      // Replay: a file as written reads and writes back unchanged; a foreign
      // spelling (mark, LF, no clues on line 1, a short solution) is written
      // in the program's own.
      {"replay/written.in", "replay/written.out", ReplayRewritten},
      {"replay/foreign.in", "replay/foreign.out", ReplayRewritten},
      // games.dat: records padded to 10-character fields, CR LF; a file's
      // lines (LF-only, stripped padding, a damaged record) stay as read.
      {"", "games/stored.out",
       [](const std::string&) {
         GamesStore store;
         store.LoadGames("");
         store.StoreGame("New Game", 2, kSolution, RowsOf(GameStep()), false);
         store.StoreGame("Mystery", 5, "", RowsOf(GameStep()), false);
         return store.SaveGames();
       }},
      {"games/mixed.in", "games/mixed.out", GamesStored},
      // tvcfg.ini: no file gives the defaults; a bad colour resets them but
      // keeps the language; a change rewrites only its lines.
      {"", "settings/missing.out", [](const std::string&) { return SettingsLoaded(nullptr); }},
      {"settings/bad-colour.in", "settings/bad-colour.out", [](const std::string& in) { return SettingsLoaded(&in); }},
      {"settings/changed.in", "settings/changed.out",
       [](const std::string& in) {
         SettingsFile file;
         AppearanceSettings s;
         EXPECT_FALSE(LoadAppearanceValues(file, &in, s));
         s.defaultColor = false;
         s.boardColor1 = 255;
         s.boardColor2 = 65280;
         StoreBackground(file, s);
         return file.SettingsText();
       }},
      // The four copy layouts; an open cell without candidates gets its free digits.
      {"copy/board.txt", "copy/layout-0.out", [](const std::string& in) { return RunCliOn({"copy", "--layout", "0"}, in); }},
      {"copy/board.txt", "copy/layout-1.out", [](const std::string& in) { return RunCliOn({"copy", "--layout", "1"}, in); }},
      {"copy/board.txt", "copy/layout-2.out", [](const std::string& in) { return RunCliOn({"copy", "--layout", "2"}, in); }},
      {"copy/board.txt", "copy/layout-3.out", [](const std::string& in) { return RunCliOn({"copy", "--layout", "3"}, in); }},
      // The whole printable page: a given, a placed digit, an open cell with
      // candidates 1 and 3, the rest open and empty; each style and size once.
      {"print/board.txt", "print/normal-a4.html",
       [](const std::string& in) { return RunCliOn({"print", "--style", "normal", "--size", "a4"}, in); }},
      {"print/board.txt", "print/candidates-a3.html",
       [](const std::string& in) { return RunCliOn({"print", "--style", "candidates", "--size", "a3"}, in); }},
      {"print/board.txt", "print/normal-a2.html",
       [](const std::string& in) { return RunCliOn({"print", "--style", "normal", "--size", "a2"}, in); }},
  };
  for (const auto& c : cases) {
    const std::string input = *c.input ? ReadFixture(c.input) : std::string();
    const std::string got = c.make(input);
    const std::string want = ReadFixture(c.expected);
    if (got == want) continue;
    // Name the first line that differs rather than print two whole pages.
    std::istringstream g(got), w(want);
    std::string gl, wl;
    int line = 1;
    while (std::getline(g, gl) && std::getline(w, wl) && gl == wl) ++line;
    ADD_FAILURE() << c.expected << " differs from line " << line << ":\n  got:  " << gl << "\n  want: " << wl;
  }
}
