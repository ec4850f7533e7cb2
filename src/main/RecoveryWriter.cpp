#include "main/RecoveryWriter.h"

#include <QFile>

#include "storage/DataFiles.h"

RecoveryWriter::RecoveryWriter(QString path) : path_(std::move(path)), worker_([this] { Run(); }) {}

RecoveryWriter::~RecoveryWriter() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
    pending_.reset();
  }
  wake_.notify_all();
  worker_.join();
}

void RecoveryWriter::Post(std::string bytes) {
  {
    std::lock_guard lock(mutex_);
    pending_ = std::move(bytes);
  }
  wake_.notify_one();
}

void RecoveryWriter::DiscardAndWait() {
  std::unique_lock lock(mutex_);
  pending_.reset();
  idle_.wait(lock, [this] { return !busy_; });
}

void RecoveryWriter::Flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !busy_ && !pending_; });
}

std::uint64_t RecoveryWriter::Written() const {
  std::lock_guard lock(mutex_);
  return written_;
}

void RecoveryWriter::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return stop_ || pending_.has_value(); });
    if (stop_) return;
    const std::string bytes = std::move(*pending_);
    pending_.reset();
    busy_ = true;
    lock.unlock();
    // A failed write leaves the previous file whole; the owner hears why.
    const QString why = QString::fromStdString(DataFiles::WriteReplay(QFile::encodeName(path_).toStdString(), bytes));
    if (report_) report_(why);
    lock.lock();
    busy_ = false;
    ++written_;
    idle_.notify_all();
  }
}
