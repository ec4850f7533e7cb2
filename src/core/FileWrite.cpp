#include "core/FileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <random>

namespace {

// -1 when no step is to fail; otherwise the step and its errno.
std::atomic<int> failStep{-1};
std::atomic<int> failErrno{0};

bool Injected(WriteStep step) {
  if (failStep.load() != static_cast<int>(step)) return false;
  errno = failErrno.load();
  return true;
}

std::string Reason(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

std::string Folder(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A new file beside path that nobody else has opened: O_EXCL refuses an
// existing name, a planted link included.
int CreateTemporary(const std::string& path, std::string& tmp) {
  std::random_device seed;
  std::mt19937 random(seed());
  const auto slash = path.rfind('/');
  const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tmp = Folder(path) + "/." + base + "." + std::to_string(random() % 1000000000u) + ".tmp";
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

void FailWritesAt(std::optional<WriteStep> step, int err) {
  failErrno.store(err);
  failStep.store(step ? static_cast<int>(*step) : -1);
}

std::string WriteFileReplacing(const std::string& path, std::string_view bytes) {
  std::string tmp;
  const int fd = Injected(WriteStep::Open) ? -1 : CreateTemporary(path, tmp);
  if (fd < 0) return Reason("cannot create a file");
  // Keeps the old file's permissions, as an editor saving in place would.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) (void)::fchmod(fd, old.st_mode & 07777);

  auto fail = [&](const char* what) {
    const std::string why = Reason(what);
    ::close(fd);
    ::unlink(tmp.c_str());
    return why;
  };
  if (Injected(WriteStep::Write) || !WriteAll(fd, bytes)) return fail("cannot write");
  if (Injected(WriteStep::Sync) || ::fsync(fd) != 0) return fail("cannot sync");
  // close can report an error a file system kept back until then.
  const bool closed = ::close(fd) == 0;
  if (Injected(WriteStep::Flush) || !closed) {
    const std::string why = Reason("cannot complete the file");
    ::unlink(tmp.c_str());
    return why;
  }
  if (Injected(WriteStep::Rename) || ::rename(tmp.c_str(), path.c_str()) != 0) {
    const std::string why = Reason("cannot replace the file");
    ::unlink(tmp.c_str());
    return why;
  }
  // The rename itself reaches the disk with the folder.
  if (const int dir = ::open(Folder(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  return {};
}
