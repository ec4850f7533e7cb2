// The writer every file of the program goes through: a failure at any step
// leaves the old file exactly as it was, says why, and leaves no litter.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/FileWrite.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("filewrite-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    FailWritesAt(std::nullopt);
    if (mounted) ::umount(dir.c_str());
    fs::remove_all(dir);
  }
  std::size_t Entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }
  // A 64 KB tmpfs over dir, or a printed reason why the machine cannot.
  bool MountSmallDisk() {
    if (::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=64k,mode=0700") != 0) {
      std::printf("no tmpfs here (%s): the full-disk case is skipped\n", std::strerror(errno));
      return false;
    }
    mounted = true;
    return true;
  }

  fs::path dir;
  bool mounted = false;
};

}  // namespace

TEST_F(FileWriteTest, EachFailingStepKeepsTheOldFileAndNamesTheReason) {
  const fs::path file = dir / "games.dat";
  ASSERT_EQ(WriteFileReplacing(file, "old\r\n"), "");
  ::chmod(file.c_str(), 0640);
  const struct {
    WriteStep step;
    const char* reason;
  } cases[] = {{WriteStep::Open, "cannot create a file: No space left on device"},
               {WriteStep::Write, "cannot write: No space left on device"},
               {WriteStep::Sync, "cannot sync: No space left on device"},
               {WriteStep::Flush, "cannot complete the file: No space left on device"},
               {WriteStep::Rename, "cannot replace the file: No space left on device"}};
  for (const auto& c : cases) {
    FailWritesAt(c.step);
    EXPECT_EQ(WriteFileReplacing(file, std::string(100000, 'x')), c.reason);
    EXPECT_EQ(Slurp(file), "old\r\n");
    EXPECT_EQ(Entries(), 1u) << "a temporary file was left behind: " << c.reason;
  }
  FailWritesAt(std::nullopt);
  ASSERT_EQ(WriteFileReplacing(file, "new\r\n"), "");
  EXPECT_EQ(Slurp(file), "new\r\n");
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0640)) << "the old permissions stay";
}

TEST_F(FileWriteTest, ALinkAtThePathIsReplacedNeverFollowed) {
  const fs::path victim = dir / "victim";
  ASSERT_EQ(WriteFileReplacing(victim, "mine"), "");
  fs::create_symlink(victim, dir / "print_temp.htm");
  ASSERT_EQ(WriteFileReplacing(dir / "print_temp.htm", "page"), "");
  EXPECT_EQ(Slurp(victim), "mine");
  EXPECT_FALSE(fs::is_symlink(dir / "print_temp.htm"));
  EXPECT_EQ(Slurp(dir / "print_temp.htm"), "page");
}

TEST_F(FileWriteTest, AFullDiskAndAReadOnlyDiskKeepTheOldFile) {
  if (!MountSmallDisk()) GTEST_SKIP() << "cannot mount a tmpfs";
  const fs::path file = dir / "lastgame.dat";
  const std::string old(20000, 'o');
  ASSERT_EQ(WriteFileReplacing(file, old), "");
  // Fill the rest of the disk, then try to replace the file with more than fits.
  std::ofstream(dir / "filler", std::ios::binary) << std::string(200000, 'f');
  const std::string why = WriteFileReplacing(file, std::string(60000, 'n'));
  EXPECT_NE(why.find("No space left on device"), std::string::npos) << why;
  EXPECT_EQ(Slurp(file), old);
  EXPECT_EQ(Entries(), 2u);

  fs::remove(dir / "filler");
  ASSERT_EQ(::mount("tmpfs", dir.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0) << std::strerror(errno);
  const std::string ro = WriteFileReplacing(file, "new");
  EXPECT_NE(ro.find("Read-only file system"), std::string::npos) << ro;
  EXPECT_EQ(Slurp(file), old);
}
