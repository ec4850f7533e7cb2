#pragma once
// recovery.dat: the game in play, kept on disk so that a crash or a kill
// loses at most about a second of it. After a change the window calls
// Changed; a single-shot timer then takes one snapshot a second later at the
// most and hands it to the background writer, so a click costs nothing but
// starting the timer.

#include <QObject>
#include <QTimer>
#include <string>

#include "main/RecoveryWriter.h"

class Game;

class RecoveryFile : public QObject {
  Q_OBJECT

 public:
  static constexpr int kDelayMs = 1000;
  // While writes fail the file is tried again this often, even without play.
  static constexpr int kRetryMs = 5000;

  RecoveryFile(const QString& path, const Game& game, QObject* parent = nullptr);

  // The game may have changed: write it within kDelayMs.
  void Changed();
  // Takes the snapshot now when the game differs from the one last written.
  void WriteNow();
  // Cancels what is scheduled or waiting and waits for a write in flight;
  // afterwards the file can be replaced or deleted safely.
  void Stop();
  RecoveryWriter& writer() { return writer_; }
  bool Failing() const { return failing_; }
  QTimer& timer() { return timer_; }

 signals:
  // The first failed write after good ones, and the first good one after.
  void WriteFailed(const QString& why);
  void WriteWorksAgain();

 private:
  void Written(const QString& why);

  const Game& game_;
  QTimer timer_;
  RecoveryWriter writer_;
  std::string posted_;  // the bytes last handed to the writer
  bool failing_ = false;
  bool stopped_ = false;  // a result arriving after Stop schedules nothing
};
