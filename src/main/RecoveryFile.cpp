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

bool RecoveryFile::SameAsPosted() const {
  // Comparing in place costs a fraction of copying a long log, so a timer
  // that fires after stepping through the log (no new step) writes nothing.
  return anyPosted_ && posted_.level == game_.Level() && posted_.log == game_.steps.memostep &&
         posted_.solution == game_.QJ1.GetSolution() && posted_.givens == game_.board.GetGivens();
}

void RecoveryFile::WriteNow() {
  timer_.stop();
  if (!game_.InProgress() || SameAsPosted()) return;
  posted_ = game_.ToReplay();
  anyPosted_ = true;
  writer_.Post(posted_);
}

void RecoveryFile::Stop() {
  timer_.stop();
  writer_.DiscardAndWait();
  anyPosted_ = false;
}
