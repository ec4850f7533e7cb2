// Game files against a plain unbuffered write (and read) of the same bytes:
// a 10,000-step replay saved and loaded, and a games.dat of 10,000 games
// listed, added to and deleted from, through the windows that do it.
//
// usage: files_bench

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QTableWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "LongLog.h"
#include "core/Board.h"
#include "main/Game.h"
#include "core/StepLine.h"
#include "shell/AtomicFile.h"
#include "shell/BuiltinJapanese.h"
#include "storage/GamesStore.h"
#include "storage/Tfrmgamelist.h"
#include "storage/DataFiles.h"
#include "support/GameTestAccess.h"

namespace {

using Clock = std::chrono::steady_clock;

// Median of runs, in milliseconds.
double Median(int runs, const std::function<void()>& work) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    work();
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

void PlainWrite(const std::string& path, const std::string& bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::perror("write");
  ::close(fd);
}

std::string PlainRead(const std::string& path) {
  std::string bytes;
  const int fd = ::open(path.c_str(), O_RDONLY);
  char buffer[1 << 16];
  for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) bytes.append(buffer, static_cast<size_t>(n));
  ::close(fd);
  return bytes;
}

void Row(const char* what, double ours, double plain, double goal) {
  std::printf("%-44s %8.2f ms   plain %7.2f ms   ratio %6.1f   goal < %.0f ms %s\n", what, ours, plain,
              plain > 0 ? ours / plain : 0.0, goal, ours < goal ? "ok" : "MISSED");
}

// A game with a log of n different steps.
Game LongGame(int n) {
  Game game;
  game.SetBank(Tfrmtk());
  game.NewGame(4);
  GrowLog(game, static_cast<size_t>(n));
  GameTestAccess::steps(game).StepLast();
  return game;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString folder = dir.path() + "/";
  const std::string plainPath = (folder + "plain.dat").toStdString();

  // --- a replay of 10,000 steps ---
  const Game game = LongGame(10000);
  const QString replay = folder + "replay.dat";
  const std::string text = ReplayText(game.ToReplay());
  const double save = Median(21, [&] { WriteFileAtomically(replay, ReplayText(game.ToReplay())); });
  const double savePlain = Median(21, [&] { PlainWrite(plainPath, text); });
  Game loaded;
  const double load = Median(21, [&] {
    std::string bytes;
    ReadWholeFile(replay, bytes);
    const ReplayParseResult parsed = ParseReplay(bytes);
    if (parsed.ok) loaded.RestoreReplay(parsed.data);
  });
  const double loadPlain = Median(21, [&] { PlainRead(plainPath); });
  std::printf("replay file of 10,000 steps, %.1f MB (plain = unbuffered write/read of the same bytes)\n",
              static_cast<double>(text.size()) / 1e6);
  Row("save (text + atomic write, fsync)", save, savePlain, 30);
  Row("load (read + check whole file + install)", load, loadPlain, 30);
  if (GameTestAccess::steps(loaded).memostep.size() != 10000) std::printf("load FAILED\n");

  // --- Find My First Mistake on a 10,000-step log that holds none: the
  // whole log is walked. Every line places solution digits only.
  Game right;
  right.SetBank(Tfrmtk());
  right.NewGame(4);
  {
    const std::string solution = right.QJ1().GetSolution();
    std::vector<std::string>& log = GameTestAccess::steps(right).memostep;
    Board board = right.board();
    for (int i = 1; log.size() < 10000; ++i) {
      Cell& c = board.cell(i % kCells);
      if (c.state == CellState::Given) continue;
      const bool place = c.state == CellState::Open;
      c.state = place ? CellState::Placed : CellState::Open;
      c.digits = place ? solution.substr(static_cast<std::size_t>(i % kCells), 1) : board.FreeDigits(c.row, c.col);
      log.push_back(BoardToStep(board));
    }
  }
  Mistake found;
  const double firstMistake = Median(21, [&] { found = right.FindFirstMistake(); });
  std::printf("find my first mistake, 10,000-step log without one: %.2f ms (goal: one frame, 16 ms)%s\n",
              firstMistake, found.step == 0 ? "" : " FAILED: found one");

  // --- games.dat with 10,000 games ---
  GamesStore store;
  const std::vector<std::string> rows = BoardRows(game.board());
  for (int i = 0; i < 10000; ++i)
    store.StoreGame("ゲーム " + std::to_string(i), i % 6, game.QJ1().GetSolution(), rows, false);
  WriteFileAtomically(folder + "games.dat", store.SaveGames());
  const std::string games = store.SaveGames();
  const double gamesPlain = Median(11, [&] { PlainWrite(plainPath, games); });
  const LanguageTable table = BuiltinJapanese();
  const DataFiles files(QFile::encodeName(folder).toStdString());
  Tfrmgamelist list(table);
  const double listShown = Median(11, [&] {
    GamesFile file(files);
    list.FillGameList(&file);
    list.show();
    QApplication::processEvents();
    list.hide();
    list.FillGameList(nullptr);
  });
  GamesFile file(files);
  int n = 0;
  const double storeOne = Median(11, [&] {
    const GamesStore before = file.store;
    file.store.StoreGame("もう一つ " + std::to_string(n++), 1, game.QJ1().GetSolution(), rows, false);
    file.Save(before);
  });
  n = 0;
  const double deleteOne = Median(11, [&] {
    const GamesStore before = file.store;
    file.store.DeleteGame("ゲーム " + std::to_string(5000 + n++));
    file.Save(before);
  });
  std::printf("games.dat with 10,000 games, %.1f MB\n", static_cast<double>(games.size()) / 1e6);
  Row("list window read, filled and shown", listShown, gamesPlain, 200);
  Row("save one more game (atomic write)", storeOne, gamesPlain, 100);
  Row("delete one game (atomic write)", deleteOne, gamesPlain, 100);
  return 0;
}
