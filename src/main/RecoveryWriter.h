#pragma once
// Writes one file off the interface thread. Post hands over the file's
// bytes and returns at once; one worker writes the
// snapshots in the order they were posted, and a newer snapshot replaces one
// that is still waiting, so the file never goes back to an older game and a
// click never waits for the disk. Each write replaces the file atomically.

#include <QString>
#include <condition_variable>
#include <functional>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class RecoveryWriter {
 public:
  explicit RecoveryWriter(QString path);
  ~RecoveryWriter();  // drops a waiting snapshot and waits for the write in flight
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void Post(std::string bytes);
  // Drops a waiting snapshot and returns once no write is in flight, so the
  // caller may replace or delete the file.
  void DiscardAndWait();
  // Waits until every posted snapshot is on disk.
  void Flush();
  // Number of snapshots written so far.
  std::uint64_t Written() const;
  // Called on the worker after each write with "" or the reason it failed.
  // Set before the first Post.
  void OnResult(std::function<void(const QString&)> report) { report_ = std::move(report); }

 private:
  void Run();

  const QString path_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::optional<std::string> pending_;
  bool busy_ = false;
  bool stop_ = false;
  std::uint64_t written_ = 0;
  std::function<void(const QString&)> report_;
  std::thread worker_;
};
