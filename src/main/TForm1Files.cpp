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
#include "shell/Dialogs.h"

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString TForm1::LastGamePath() const { return QFile::decodeName(files.LastGamePath().c_str()); }
QString TForm1::RecoveryPath() const { return QFile::decodeName(files.RecoveryPath().c_str()); }

// A recovery file left behind means the last run did not close cleanly: if
// it reads correctly it becomes the last game, so Continue brings the
// interrupted game back.
void TForm1::RecoverInterruptedGame() { files.PromoteRecovery(); }

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
  return ReportWrite(this, lst1, path, QString::fromStdString(DataFiles::WriteReplay(Native(path), game.ReplayFileText())));
}

void TForm1::InstallReplay(const ReplayData& replay) {
  game.RestoreReplay(replay);
  Refresh();
  FocusBoard();
}

bool TForm1::SaveLastGame() {
  if (recovery_) recovery_->Stop();
  // Before the first game there is nothing to keep, and the last game of an
  // earlier run stays for Continue.
  if (game.InProgress()) {
    const QString why = QString::fromStdString(DataFiles::WriteReplay(files.LastGamePath(), game.ReplayFileText()));
    if (!why.isEmpty()) {
      // The recovery file still holds the game and is kept; the player may
      // rather stay, free some space and close again.
      if (AppDialogs().Confirm(this, TextOf(lst1, "msg_closewritefailed").arg(LastGamePath(), why))) return true;
      ScheduleRecovery();
      return false;
    }
  }
  // Only now that the last game is on disk may the recovery file go.
  files.RemoveRecovery();
  return true;
}

bool TForm1::KeepReplacedGame() {
  if (game.InProgress() && game.steps().memostep.size() >= 2) {
    if (!WriteGameFile(LastGamePath())) return false;
    keptNotice_ = true;
  }
  RecordStatistics(false);
  return true;
}

void TForm1::ShowKeptNotice() {
  if (keptNotice_) ShowNotice(TextOf(lst1, "msg_replacedkept"));
  keptNotice_ = false;
}

bool TForm1::StartNewGame(const std::function<bool()>& start) {
  if (!KeepReplacedGame() || !start()) return false;
  Refresh();
  FocusBoard();
  ShowKeptNotice();
  return true;
}

void TForm1::mnContinueClick() {
  // A missing file is no error; a damaged one is said, and changes nothing.
  if (!DataFiles::Exists(files.LastGamePath())) return;
  const ReplayParseResult parsed = DataFiles::ReadReplay(files.LastGamePath());
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
  const QString path = AppDialogs().SaveFileName(this, QFile::decodeName(files.ReplayFolder().c_str()));
  if (path.isEmpty()) return;
  if (DataFiles::Exists(Native(path)) && !AppDialogs().Confirm(this, TextOf(lst1, "msg_frmstep_queryexits"))) return;
  WriteGameFile(path);
}

void TForm1::mnLoadReplayClick() {
  game.HoldClock();
  ShowClock();
  const QString path = AppDialogs().OpenFileName(this, QFile::decodeName(files.ReplayFolder().c_str()));
  if (path.isEmpty()) {
    game.ClockAfterCancel();
    return ShowClock();
  }
  // The whole file is read and checked before anything changes; a bad one
  // leaves the game, its clock included, as it was.
  const ReplayParseResult parsed = DataFiles::ReadReplay(Native(path));
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
