#include "main/RecoveryFile.h"

#include "main/Game.h"

RecoveryFile::RecoveryFile(const QString& path, const Game& game, QObject* parent)
    : QObject(parent), game_(game), writer_(path) {
  timer_.setSingleShot(true);
  timer_.setInterval(kDelayMs);
  connect(&timer_, &QTimer::timeout, this, &RecoveryFile::WriteNow);
  writer_.OnResult([this](const QString& why) {
    QMetaObject::invokeMethod(this, [this, why] { Written(why); }, Qt::QueuedConnection);
  });
}

void RecoveryFile::Written(const QString& why) {
  if (stopped_) return;
  if (!why.isEmpty()) {
    // Posted again on the next try: the file does not hold these bytes.
    posted_.clear();
    timer_.start(kRetryMs);
    if (!failing_) {
      failing_ = true;
      emit WriteFailed(why);
    }
    return;
  }
  if (failing_) {
    failing_ = false;
    timer_.setInterval(kDelayMs);
    emit WriteWorksAgain();
  }
}

void RecoveryFile::Changed() {
  stopped_ = false;
  if (!timer_.isActive()) timer_.start();
}

void RecoveryFile::WriteNow() {
  timer_.stop();
  timer_.setInterval(kDelayMs);
  if (!game_.InProgress()) return;
  // One contiguous text is cheap to build and compare even for a long log;
  // stepping through the log changes no byte of it, and writes nothing.
  std::string text = game_.ReplayFileText();
  if (text == posted_) return;
  posted_ = text;
  writer_.Post(std::move(text));
}

void RecoveryFile::Stop() {
  stopped_ = true;
  timer_.stop();
  writer_.DiscardAndWait();
  posted_.clear();
}
