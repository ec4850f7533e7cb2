// The last game and replay files, and the recovery file that keeps the game
// in play on disk between closes.

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <cstdio>

#include "controls/TTimeLabel.h"
#include "main/RecoveryFile.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/AtomicFile.h"
#include "shell/Dialogs.h"

namespace {

constexpr char kLastGame[] = "lastgame.dat";
constexpr char kRecovery[] = "recovery.dat";

// A replay-format file read whole and checked; one that cannot be read
// fails at its first line.
ReplayParseResult ReadReplayFile(const QString& path) {
  std::string bytes;
  if (ReadWholeFile(path, bytes)) return ParseReplay(bytes);
  ReplayParseResult unreadable;
  unreadable.badLine = 1;
  return unreadable;
}

}  // namespace

QString TForm1::LastGamePath() const { return dataFolder + kLastGame; }
QString TForm1::RecoveryPath() const { return dataFolder + kRecovery; }

void TForm1::RecoverInterruptedGame() {
  // A recovery file left behind means the last run did not close cleanly:
  // if it reads correctly it becomes the last game, so Continue brings the
  // interrupted game back. A rename replaces lastgame.dat atomically.
  if (!ReadReplayFile(RecoveryPath()).ok) return;
  std::rename(QFile::encodeName(RecoveryPath()).constData(), QFile::encodeName(LastGamePath()).constData());
}

void TForm1::ScheduleRecovery() {
  if (!game.InProgress()) return;
  if (!recovery_) {
    recovery_ = new RecoveryFile(RecoveryPath(), game, this);
    // Said once in the status bar, not a box a second while the disk is full.
    connect(recovery_, &RecoveryFile::WriteFailed, this, [this](const QString& why) {
      ShowNotice(TextOf(lst1, "msg_recoveryfailed").arg(RecoveryPath(), why));
    });
    connect(recovery_, &RecoveryFile::WriteWorksAgain, this,
            [this] { ShowNotice(TextOf(lst1, "msg_recoveryworks")); });
  }
  recovery_->Changed();
}

bool TForm1::WriteGameFile(const QString& path) {
  return ReportWrite(this, lst1, path, WriteFileAtomically(path, game.ReplayFileText()));
}

void TForm1::InstallReplay(const ReplayData& replay) {
  game.RestoreReplay(replay);
  Refresh();
}

bool TForm1::SaveLastGame() {
  if (recovery_) recovery_->Stop();
  // Before the first game there is nothing to keep, and the last game of an
  // earlier run stays for Continue.
  if (game.InProgress()) {
    const QString why = WriteFileAtomically(LastGamePath(), game.ReplayFileText());
    if (!why.isEmpty()) {
      // The recovery file still holds the game and is kept; the player may
      // rather stay, free some space and close again.
      if (AppDialogs().Confirm(this, TextOf(lst1, "msg_closewritefailed").arg(LastGamePath(), why))) return true;
      ScheduleRecovery();
      return false;
    }
  }
  // Only now that the last game is on disk may the recovery file go.
  QFile::remove(RecoveryPath());
  return true;
}

bool TForm1::KeepReplacedGame() {
  if (!game.InProgress() || game.steps().memostep.size() < 2) return true;
  if (!WriteGameFile(LastGamePath())) return false;
  keptNotice_ = true;
  return true;
}

void TForm1::ShowKeptNotice() {
  if (keptNotice_) ShowNotice(TextOf(lst1, "msg_replacedkept"));
  keptNotice_ = false;
}

void TForm1::mnContinueClick() {
  // A missing file is no error; a damaged one is said, and changes nothing.
  if (!QFileInfo::exists(LastGamePath())) return;
  const ReplayParseResult parsed = ReadReplayFile(LastGamePath());
  if (!parsed.ok) return ReportBadReplay(LastGamePath(), parsed);
  // Read before the game in play is written over it: the two swap places.
  if (!KeepReplacedGame()) return;
  InstallReplay(parsed.data);
  ShowKeptNotice();
}

void TForm1::ReportBadReplay(const QString& path, const ReplayParseResult& parsed) {
  AppDialogs().Information(
      this, TextOf(lst1, "msg_frmstep_badfile").arg(QFileInfo(path).fileName(), QString::number(parsed.badLine)));
}

void TForm1::savetClick() {
  if (!game.InProgress()) return;
  const QString path = AppDialogs().SaveFileName(this, dataFolder + "replay");
  if (path.isEmpty()) return;
  if (QFileInfo::exists(path) && !AppDialogs().Confirm(this, TextOf(lst1, "msg_frmstep_queryexits"))) return;
  WriteGameFile(path);
}

void TForm1::mnLoadReplayClick() {
  game.HoldClock();
  ShowClock();
  const QString path = AppDialogs().OpenFileName(this, dataFolder + "replay");
  if (path.isEmpty()) {
    game.ClockAfterCancel();
    return ShowClock();
  }
  // The whole file is read and checked before anything changes; a bad one
  // leaves the game, its clock included, as it was.
  const ReplayParseResult parsed = ReadReplayFile(path);
  const bool ok = parsed.ok && KeepReplacedGame();
  if (!ok) {
    game.ReleaseClock();
    ShowClock();
    if (!parsed.ok) ReportBadReplay(path, parsed);
    return;
  }
  InstallReplay(parsed.data);
  ShowKeptNotice();
}
