// Every file the program writes, under SIGKILL: a child process writes
// version after version through the real writer, and is killed at random
// moments. After every kill the file must read back and be exactly one of
// the versions the child wrote.
//
// Run as "tessvar_crash_test" (the test) or "tessvar_crash_test --writer
// KIND PATH FD" (the child).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <thread>

#include "core/Board.h"
#include "main/RecoveryWriter.h"
#include "core/ReplayFile.h"
#include "core/StepLine.h"
#include "output/PrintPage.h"
#include "shell/AtomicFile.h"
#include "storage/GamesStore.h"
#include "storage/Settings.h"

namespace {

const char* gSelf = nullptr;

// Version k: its number in the first nine clue characters, a log of 150 to
// 199 lines that differs from every other version's.
ReplayData Version(long k) {
  ReplayData data;
  data.level = static_cast<int>(k % 6);
  const std::string number = std::to_string(k);
  data.givens = std::string(9 - number.size(), '0') + number + std::string(72, '0');
  const long lines = 150 + k % 50;
  for (long j = 0; j < lines; ++j) {
    std::string line;
    for (long c = 0; c < 81; ++c) {
      if (c > 0) line += ',';
      line += '2';
      line += static_cast<char>('1' + (j + c + k) % 9);
    }
    data.log.push_back(std::move(line));
  }
  return data;
}

// games.dat holding 40 games, the k-th store differing in game 7's name.
std::string GamesVersion(long k) {
  GamesStore store;
  Board board;
  for (int g = 0; g < 40; ++g) {
    board.cell(g).state = CellState::Given;
    board.cell(g).digits = std::string(1, static_cast<char>('1' + g % 9));
    const std::string name = g == 7 ? "version " + std::to_string(k) : "game " + std::to_string(g);
    store.StoreGame(name, g % 6, "", BoardRows(board), false);
  }
  return store.SaveGames();
}
long GamesVersionOf(const std::string& bytes) {
  GamesStore store;
  store.LoadGames(bytes);
  const auto list = store.ListGames();
  if (list.size() != 40 || list[7].name.rfind("version ", 0) != 0) return -1;
  return std::stol(list[7].name.substr(8));
}

// tvcfg.ini with the version as the first board colour.
std::string SettingsVersion(long k) {
  SettingsFile file;
  file.ResetAppearanceDefaults();
  file.PutSetting("Board color1", std::to_string(k));
  return file.SettingsText();
}
long SettingsVersionOf(const std::string& bytes) {
  SettingsFile file;
  AppearanceSettings settings;
  if (LoadAppearanceValues(file, &bytes, settings)) return -1;  // defaults: it did not read
  return settings.boardColor1;
}

// print_temp.htm with the version as the first clue of the page's board.
std::string PageVersion(long k) {
  Board board;
  StepToBoard(board, "1" + std::to_string(k % 9 + 1) + ",3");
  Tfrmprint page(static_cast<PrintStyle>(k % 2), PaperSize::A4);
  page.PrepareTemplate("<h1>" + std::to_string(k) + "</h1>", "");
  std::string text;
  for (const std::string& line : page.Generate(board)) text += line + "\r\n";
  return text;
}
long PageVersionOf(const std::string& bytes) {
  const auto at = bytes.find("<h1>");
  return at == std::string::npos ? -1 : std::atol(bytes.c_str() + at + 4);
}

struct FileKind {
  std::string name;
  std::string (*version)(long);
  long (*versionOf)(const std::string&);
};
const FileKind kKinds[] = {
    {"games.dat", GamesVersion, GamesVersionOf},
    {"tvcfg.ini", SettingsVersion, SettingsVersionOf},
    {"print_temp.htm", PageVersion, PageVersionOf},
};

void SignalReady(int ready) {
  const char byte = 1;
  if (write(ready, &byte, 1) != 1) _exit(2);
}

[[noreturn]] void RunWriter(const std::string& kind, const char* path, int ready) {
  if (kind == "lastgame.dat") {
    RecoveryWriter writer(QString::fromLocal8Bit(path));
    for (long k = 1;; ++k) {
      writer.Post(ReplayText(Version(k)));
      writer.Flush();
      if (k == 1) SignalReady(ready);
    }
  }
  for (const FileKind& f : kKinds) {
    if (f.name != kind) continue;
    for (long k = 1;; ++k) {
      if (!WriteFileAtomically(QString::fromLocal8Bit(path), f.version(k)).isEmpty()) _exit(4);
      if (k == 1) SignalReady(ready);
    }
  }
  _exit(5);
}

// 200 kills of a child writing kind to one path; every file left behind is
// handed to check, which counts it as torn when it is no complete version.
int KillWriterRepeatedly(const std::string& kind, const std::function<bool(const std::string&)>& complete) {
  QTemporaryDir dir;
  EXPECT_TRUE(dir.isValid());
  const std::string path = (dir.path() + "/" + QString::fromStdString(kind)).toStdString();
  std::mt19937 random(12345);
  int torn = 0;
  for (int kill = 0; kill < 200; ++kill) {
    int pipeFds[2];
    EXPECT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    if (child == 0) {
      close(pipeFds[0]);
      const std::string fd = std::to_string(pipeFds[1]);
      execl(gSelf, gSelf, "--writer", kind.c_str(), path.c_str(), fd.c_str(), static_cast<char*>(nullptr));
      _exit(3);
    }
    close(pipeFds[1]);
    char byte = 0;
    // Once the first version is on disk, a random moment of the loop.
    const bool ready = read(pipeFds[0], &byte, 1) == 1;
    close(pipeFds[0]);
    if (!ready) {
      ADD_FAILURE() << kind << ": the writer did not start";
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 15000));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << kind;

    std::string bytes;
    if (!ReadWholeFile(QString::fromStdString(path), bytes) || !complete(bytes)) ++torn;
  }
  return torn;
}

}  // namespace

TEST(CrashSafety, EveryKillLeavesOneCompleteLastGame) {
  EXPECT_EQ(KillWriterRepeatedly("lastgame.dat",
                                 [](const std::string& bytes) {
                                   const ReplayParseResult parsed = ParseReplay(bytes);
                                   if (!parsed.ok) return false;
                                   const long k = std::stol(parsed.data.givens.substr(0, 9));
                                   return bytes == ReplayText(Version(k));
                                 }),
            0);
}

TEST(CrashSafety, EveryKillLeavesOneCompleteGamesSettingsAndPage) {
  for (const FileKind& f : kKinds) {
    EXPECT_EQ(KillWriterRepeatedly(f.name,
                                   [&](const std::string& bytes) {
                                     const long k = f.versionOf(bytes);
                                     return k >= 1 && bytes == f.version(k);
                                   }),
              0)
        << f.name;
  }
}

int main(int argc, char** argv) {
  gSelf = argv[0];
  if (argc == 5 && std::string(argv[1]) == "--writer") RunWriter(argv[2], argv[3], std::atoi(argv[4]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
