#include "main/RecoveryFile.h"

#include "main/Game.h"

RecoveryFile::RecoveryFile(const QString& path, const Game& game, QObject* parent)
    : QObject(parent), game_(game), writer_(path) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &RecoveryFile::WriteNow);
}

void RecoveryFile::Changed() {
  if (!timer_.isActive()) timer_.start();
}

void RecoveryFile::WriteNow() {
  timer_.stop();
  if (!game_.InProgress()) return;
  // One contiguous text is cheap to build and compare even for a long log;
  // stepping through the log changes no byte of it, and writes nothing.
  std::string text = game_.ReplayFileText();
  if (text == posted_) return;
  posted_ = text;
  writer_.Post(std::move(text));
}

void RecoveryFile::Stop() {
  timer_.stop();
  writer_.DiscardAndWait();
  posted_.clear();
}
