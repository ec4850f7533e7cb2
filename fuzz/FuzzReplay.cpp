// lastgame.dat and replay files: the reader checks the whole file; what it
// accepts installs into a game, and what that game writes reads back.

#include "FuzzCheck.h"
#include "main/Game.h"
#include "core/ReplayFile.h"

namespace {

bool SameData(const ReplayData& a, const ReplayData& b) {
  return a.level == b.level && a.givens == b.givens && a.solution == b.solution && a.log == b.log;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const ReplayParseResult parsed = ParseReplay(FuzzBytes(data, size));
  if (!parsed.ok) {
    FUZZ_CHECK(parsed.badLine >= 1);
    return 0;
  }
  const std::string text = ReplayText(parsed.data);
  const ReplayParseResult again = ParseReplay(text);
  FUZZ_CHECK(again.ok);
  FUZZ_CHECK(SameData(again.data, parsed.data));
  FUZZ_CHECK(ReplayText(again.data) == text);

  Game game;
  game.RestoreReplay(parsed.data);
  FUZZ_CHECK(BoardDigitsValid(game.board()));
  // The file written at the next close opens again.
  const ReplayParseResult saved = ParseReplay(ReplayText(game.ToReplay()));
  FUZZ_CHECK(saved.ok);
  return 0;
}
