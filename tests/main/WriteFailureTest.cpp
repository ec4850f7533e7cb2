// Every file the program writes, with each step of the write failing in
// turn: the old file stays exactly as it was, the player is told why, and
// nothing reports success.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "core/FileWrite.h"
#include "main/FormFixture.h"
#include "main/RecoveryFile.h"
#include "output/Tfrmprintselect.h"
#include "shell/AtomicFile.h"
#include "storage/TfrmAppearance.h"
#include "storage/Tfrmsave.h"
#include "support/RecordingPlatform.h"

namespace {

class WriteFailureTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    folder = form->dataFolder;
    for (const char* f : {"lastgame.dat", "recovery.dat", "games.dat"}) QFile::remove(folder + f);
    Deal(LineWithBlanks({0, 1, 80}));
    LeftClick(1, 1);
  }
  void TearDown() override { FailWritesAt(std::nullopt); }
  std::string Read(const QString& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
  }
  // Runs act with every write failing at step, on a file that holds "old".
  void Check(const QString& path, WriteStep step, const std::function<void()>& act) {
    ASSERT_TRUE(WriteFileAtomically(path, "old\r\n").isEmpty());
    dialogs.shown.clear();
    FailWritesAt(step);
    act();
    FailWritesAt(std::nullopt);
    EXPECT_EQ(Read(path), "old\r\n") << path.toStdString();
  }
  QString Failed(const QString& path) const {
    return "info:" + Text("msg_writefailed").arg(path).section(": ", 0, 0).section("：", 0, 0);
  }

  RecordingPlatform platform;
  QString folder;
};

const WriteStep kSteps[] = {WriteStep::Open, WriteStep::Write, WriteStep::Sync, WriteStep::Flush, WriteStep::Rename};

}  // namespace

TEST_F(WriteFailureTest, CommandsThatWriteSaySoAndNeverReportSuccess) {
  const QString games = folder + "games.dat", replay = folder + "replay/mine", settings = folder + "tvcfg.ini";
  const QString page = Tfrmprintselect::PagePath();
  const std::vector<std::pair<QString, std::function<void()>>> writers = {
      {games,
       [&] {
         dialogs.onModal = [](QDialog* d) {
           static_cast<Tfrmsave*>(d)->Button1->click();
           return d->result();
         };
         form->btsaveClick();
       }},
      {replay,
       [&] {
         dialogs.files = {replay};
         dialogs.answers = {true};  // replace the existing file
         form->savetClick();
       }},
      {settings,
       [&] {
         dialogs.onModal = [](QDialog* d) {
           d->findChild<QPushButton*>("Button1")->click();
           return d->result();
         };
         form->mnAppearanceClick();
       }},
      {page,
       [&] {
         dialogs.onModal = [](QDialog* d) {
           static_cast<Tfrmprintselect*>(d)->SpeedButton1->click();
           return d->result();
         };
         form->btprintableBoardClick();
       }},
  };
  for (const auto& [path, act] : writers) {
    for (WriteStep step : kSteps) {
      Check(path, step, act);
      ASSERT_FALSE(dialogs.shown.isEmpty()) << path.toStdString();
      EXPECT_TRUE(dialogs.shown.last().startsWith(Failed(path))) << dialogs.shown.last().toStdString();
      EXPECT_FALSE(dialogs.shown.join('|').contains(Text("msg_frmsave_saved")));
    }
  }
  EXPECT_TRUE(platform.opened.isEmpty()) << "a page that was not written was opened";
}

TEST_F(WriteFailureTest, CloseKeepsTheRecoveryFileAndOffersToStayOpen) {
  const QString last = folder + "lastgame.dat", recovery = folder + "recovery.dat";
  for (WriteStep step : kSteps) {
    ASSERT_TRUE(WriteFileAtomically(recovery, ReplayText(form->game.ToReplay())).isEmpty());
    dialogs.answers = {false};  // No: stay open
    Check(last, step, [&] { form->close(); });
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.shown[0].startsWith("confirm:")) << dialogs.shown[0].toStdString();
    EXPECT_TRUE(dialogs.shown[0].contains(last));
    EXPECT_TRUE(QFile::exists(recovery));
  }
  // Yes closes anyway; the recovery file stays and is the last game next time.
  dialogs.answers = {true};
  Check(last, WriteStep::Rename, [&] { form->close(); });
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(QFile::exists(recovery));
}

TEST_F(WriteFailureTest, AFailingRecoveryFileIsSaidOnceAndItsRecoveryToo) {
  const QString recovery = folder + "recovery.dat";
  auto writeNow = [&] {
    form->recovery_->WriteNow();
    form->recovery_->writer().Flush();
    QCoreApplication::processEvents();
  };
  Check(recovery, WriteStep::Write, [&] {
    writeNow();
    LeftClick(1, 2);
    writeNow();
  });
  EXPECT_TRUE(dialogs.shown.isEmpty()) << "no box while playing";
  EXPECT_TRUE(form->sbNotice->text().startsWith(Text("msg_recoveryfailed").section("%2", 0, 0)))
      << form->sbNotice->text().toStdString();
  EXPECT_TRUE(form->recovery_->Failing());
  writeNow();
  EXPECT_EQ(form->sbNotice->text(), Text("msg_recoveryworks"));
  EXPECT_EQ(Read(recovery), ReplayText(form->game.ToReplay()));
}
