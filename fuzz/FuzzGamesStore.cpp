// games.dat: load, list, open every record; the store writes back what it
// read, and every game it opens goes on a board.

#include <set>

#include "FuzzCheck.h"
#include "core/Board.h"
#include "core/StepLine.h"
#include "storage/GamesStore.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  GamesStore store;
  store.LoadGames(FuzzBytes(data, size));
  const std::string text = store.SaveGames();
  GamesStore reread;
  reread.LoadGames(text);
  FUZZ_CHECK(reread.SaveGames() == text);
  FUZZ_CHECK(reread.Gamelist() == store.Gamelist());

  const std::vector<GameListEntry> list = store.ListGames();
  FUZZ_CHECK(list.size() == reread.ListGames().size());
  std::set<std::string> seen;
  for (std::size_t i = 0; i < list.size(); ++i) {
    const GameListEntry& entry = list[i];
    FUZZ_CHECK(entry.line >= 1 && static_cast<std::size_t>(entry.line) <= store.Gamelist().size());
    // Every entry opens by its place exactly when it is sound; stray lines never are.
    StoredGame byPlace;
    FUZZ_CHECK(store.ReadEntry(i, byPlace) == !entry.damaged);
    FUZZ_CHECK(entry.named || entry.damaged);
    if (!entry.named) continue;
    if (!seen.insert(entry.name).second) continue;  // only the first of a name opens
    FUZZ_CHECK(store.FindGame(entry.name) == entry.line);
    StoredGame game;
    const bool opened = store.ReadGame(entry.name, game);
    FUZZ_CHECK(opened == !entry.damaged);
    if (!opened) continue;
    FUZZ_CHECK(game.level >= 0 && game.level <= 5);
    FUZZ_CHECK(game.solution.empty() || game.solution.size() == 81);
    FUZZ_CHECK(game.givens.size() == 81);
    Board board;
    FUZZ_CHECK(StepToBoard(board, game.step));
  }

  // Saving a game replaces every record of its name and keeps the others.
  if (!list.empty() && list.front().named && !list.front().damaged && IsStorableName(list.front().name)) {
    StoredGame game;
    FUZZ_CHECK(store.ReadGame(list.front().name, game));
    Board board;
    FUZZ_CHECK(StepToBoard(board, game.step));
    std::size_t sameName = 0;
    for (const GameListEntry& entry : list) sameName += entry.named && entry.name == list.front().name ? 1 : 0;
    const std::size_t before = store.ListGames().size() - sameName + 1;
    FUZZ_CHECK(store.StoreGame(list.front().name, game.level, game.solution, BoardRows(board), true) ==
               StoreResult::Stored);
    FUZZ_CHECK(store.ListGames().size() == before);
    GamesStore after;
    after.LoadGames(store.SaveGames());
    StoredGame back;
    FUZZ_CHECK(after.ReadGame(list.front().name, back));
    FUZZ_CHECK(back.step == game.step);
  }
  return 0;
}
