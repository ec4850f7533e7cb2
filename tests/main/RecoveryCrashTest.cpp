// The recovery file under SIGKILL: a child process writes game after game
// through the real writer, and is killed at random moments. After every kill
// the file must parse and be exactly one of the versions the child wrote.
//
// Run as "tessvar_crash_test" (the test) or "tessvar_crash_test --writer
// PATH" (the child).

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "main/ReplayFile.h"
#include "main/RecoveryWriter.h"
#include "shell/AtomicFile.h"

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

[[noreturn]] void RunWriter(const char* path, int ready) {
  RecoveryWriter writer(QString::fromLocal8Bit(path));
  for (long k = 1;; ++k) {
    writer.Post(ReplayText(Version(k)));
    writer.Flush();
    if (k == 1) {
      const char byte = 1;
      if (write(ready, &byte, 1) != 1) _exit(2);
    }
  }
}

}  // namespace

TEST(RecoveryFile, EveryKillLeavesOneCompleteVersion) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string path = (dir.path() + "/recovery.dat").toStdString();
  std::mt19937 random(12345);
  int torn = 0;
  for (int kill = 0; kill < 200; ++kill) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(pipeFds[0]);
      const std::string fd = std::to_string(pipeFds[1]);
      execl(gSelf, gSelf, "--writer", path.c_str(), fd.c_str(), static_cast<char*>(nullptr));
      _exit(3);
    }
    close(pipeFds[1]);
    char byte = 0;
    // Once the first version is on disk, a random moment of the loop.
    ASSERT_EQ(read(pipeFds[0], &byte, 1), 1);
    close(pipeFds[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 15000));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(QString::fromStdString(path), bytes));
    const ReplayParseResult parsed = ParseReplay(bytes);
    if (!parsed.ok) {
      ++torn;
      continue;
    }
    const long k = std::stol(parsed.data.givens.substr(0, 9));
    if (bytes != ReplayText(Version(k))) ++torn;
  }
  EXPECT_EQ(torn, 0);
}

int main(int argc, char** argv) {
  gSelf = argv[0];
  if (argc == 4 && std::string(argv[1]) == "--writer") RunWriter(argv[2], std::atoi(argv[3]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
