// The last game, replay files and the recovery file, through the main
// window's commands and the scripted dialogs.

#include <QDir>
#include <QFile>

#include "core/FileWrite.h"
#include "core/TextFile.h"
#include "main/FormFixture.h"
#include "main/RecoveryFile.h"
#include "shell/AtomicFile.h"
#include "support/GameTestAccess.h"

namespace {

class FilesFormTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    folder = form->dataFolder;
    for (const char* f : {"lastgame.dat", "recovery.dat"}) QFile::remove(folder + f);
    QDir(folder + "replay").removeRecursively();
    QDir().mkpath(folder + "replay");
  }
  std::string Read(const QString& path) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
  }
  void Write(const QString& path, const std::string& bytes) { ASSERT_TRUE(WriteFileAtomically(path, bytes).isEmpty()); }
  // Deals the test puzzle and places two digits: a three-line log.
  void Play() {
    Deal(LineWithBlanks({0, 1, 80}));
    LeftClick(1, 1);  // digit 1 is selected: a wrong 1 at A1
    SelectDigit(2);
    LeftClick(1, 2);
  }
  // Board, log, level caption, clock and paint: what a failed load must keep.
  struct Snapshot {
    std::string board;
    std::vector<std::string> log;
    QString caption;
    bool clockOn;
    std::int64_t ms;
    std::uint32_t paint;
    bool operator==(const Snapshot&) const = default;
  };
  Snapshot Take() {
    return {BoardToStep(board()),           GameTestAccess::steps(form->game).memostep, form->ndtxt->text(),
            form->TimeLabel1->timerenabled(), form->game.ElapsedMs(),    GameTestAccess::marking(form->game).at(1, 1, 0)};
  }

  QString folder;
};

}  // namespace

TEST_F(FilesFormTest, SaveReplayWritesOnlyWhenThePlayerSaysSo) {
  Play();
  const QString path = folder + "replay/mine";
  dialogs.files = {""};
  form->savetClick();
  EXPECT_EQ(dialogs.shown, QStringList{"save:" + folder + "replay"});
  EXPECT_FALSE(QFile::exists(path));

  dialogs.files = {path};
  form->savetClick();
  const std::string written = Read(path);
  EXPECT_EQ(written, ReplayText(form->game.ToReplay()));
  EXPECT_EQ(SplitTextLines(written).size(), 5u);

  // An existing file: No keeps it, Yes replaces it.
  Write(path, "keep\r\n");
  dialogs.files = {path, path};
  dialogs.answers = {false, true};
  form->savetClick();
  EXPECT_EQ(Read(path), "keep\r\n");
  EXPECT_TRUE(dialogs.shown.contains("confirm:" + Text("msg_frmstep_queryexits")));
  form->savetClick();
  EXPECT_EQ(Read(path), written);
}

TEST_F(FilesFormTest, LoadReplayRestoresTheGameOrChangesNothing) {
  Play();
  const std::string saved = ReplayText(form->game.ToReplay());
  const std::vector<std::string> savedLog = GameTestAccess::steps(form->game).memostep;
  form->btbackClick();
  clock.Advance(3000);
  form->TimeLabel1Timer();

  // Cancelled: board and log stay, the clock stops at zero.
  const Snapshot before = Take();
  dialogs.files = {""};
  form->mnLoadReplayClick();
  EXPECT_EQ(BoardToStep(board()), before.board);
  EXPECT_EQ(GameTestAccess::steps(form->game).memostep, before.log);
  EXPECT_FALSE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(form->TimeLabel1->text(), "0:0:0");
  EXPECT_EQ(form->game.ElapsedMs(), 0);

  // Malformed or unreadable files: one message naming file and line; the
  // game, its running clock and its paint as they were.
  form->game.SetClockRunning(true);
  form->game.SetElapsedMs(7000);
  GameTestAccess::marking(form->game).at(1, 1, 0) = 255;
  form->Refresh();
  const Snapshot playing = Take();
  const std::vector<std::string> lines = SplitTextLines(saved);
  const std::vector<std::pair<std::string, int>> bad = {
      {"x" + saved.substr(1), 1},
      {lines[0] + "\r\n" + lines[1] + "\r\n", 3},
      {lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n15,4x\r\n", 4},
  };
  for (const auto& [bytes, line] : bad) {
    Write(folder + "replay/bad", bytes);
    dialogs.shown.clear();
    dialogs.files = {folder + "replay/bad"};
    form->mnLoadReplayClick();
    EXPECT_EQ(Take(), playing) << bytes;
    ASSERT_EQ(dialogs.shown.size(), 2);
    EXPECT_EQ(dialogs.shown[1], "info:" + Text("msg_frmstep_badfile").arg("bad").arg(line));
  }
  dialogs.files = {folder + "replay/missing"};
  form->mnLoadReplayClick();
  EXPECT_EQ(Take(), playing);
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_frmstep_badfile").arg("missing").arg(1));

  // A good file, with level 3 in it.
  Write(folder + "replay/good", "3" + saved.substr(1));
  dialogs.files = {folder + "replay/good"};
  form->mnLoadReplayClick();
  EXPECT_EQ(GameTestAccess::steps(form->game).memostep, savedLog);
  EXPECT_EQ(BoardToStep(board()), savedLog.back());
  EXPECT_EQ(form->ndtxt->text(), Text("msg_ndtxt_tough"));
  EXPECT_TRUE(Enabled(form->btback) && Enabled(form->btfirst));
  EXPECT_FALSE(Enabled(form->btnext) || Enabled(form->btlast));
  EXPECT_TRUE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(form->game.ElapsedMs(), 0);
  EXPECT_EQ(GameTestAccess::marking(form->game).at(1, 1, 0), kNoMarking);
  EXPECT_TRUE(form->sd991->isEnabled());
}

TEST_F(FilesFormTest, CloseKeepsTheLastGameAndContinueBringsItBack) {
  // Closing before any game leaves the last game of an earlier run alone.
  Write(folder + "lastgame.dat", "earlier\r\n");
  form->close();
  EXPECT_EQ(Read(folder + "lastgame.dat"), "earlier\r\n");
  // Continue on a file that does not check out says so and changes nothing;
  // without a file it is silent.
  form->mnContinueClick();
  EXPECT_EQ(dialogs.shown, QStringList{"info:" + Text("msg_frmstep_badfile").arg("lastgame.dat").arg(1)});
  EXPECT_FALSE(form->game.InProgress());
  QFile::remove(folder + "lastgame.dat");
  dialogs.shown.clear();
  form->mnContinueClick();
  EXPECT_TRUE(dialogs.shown.isEmpty());
  Write(folder + "lastgame.dat", "earlier\r\n");

  form->show();
  Play();
  const std::string saved = ReplayText(form->game.ToReplay());
  Write(folder + "recovery.dat", saved);
  form->close();
  EXPECT_EQ(Read(folder + "lastgame.dat"), saved);
  EXPECT_FALSE(QFile::exists(folder + "recovery.dat"));

  form = std::make_unique<TForm1>();
  form->CreateOtherWindows();
  form->mnContinueClick();
  EXPECT_EQ(ReplayText(form->game.ToReplay()), saved);
  EXPECT_EQ(form->ndtxt->text(), Text("msg_ndtxt_veryeasy"));
  EXPECT_TRUE(Enabled(form->btback));
  EXPECT_TRUE(dialogs.shown.isEmpty());
}

TEST_F(FilesFormTest, AGameWithMovesThatACommandReplacesBecomesTheLastGame) {
  Write(folder + "lastgame.dat", "earlier\r\n");
  Deal(LineWithBlanks({5}));  // a fresh deal has no moves: nothing is kept
  EXPECT_EQ(Read(folder + "lastgame.dat"), "earlier\r\n");
  Play();
  const std::string played = ReplayText(form->game.ToReplay());

  // A stray click on a level: the game played is kept and the bar says where.
  form->NewGame(0);
  EXPECT_EQ(Read(folder + "lastgame.dat"), played);
  EXPECT_EQ(form->sbNotice->text(), Text("msg_replacedkept"));
  EXPECT_EQ(LogSize(), 1u);

  // Continue swaps the two games: the file is read before it is replaced.
  LeftClick(1, 2);
  const std::string second = ReplayText(form->game.ToReplay());
  form->mnContinueClick();
  EXPECT_EQ(ReplayText(form->game.ToReplay()), played);
  EXPECT_EQ(Read(folder + "lastgame.dat"), second);

  // When the game cannot be kept, the command changes nothing.
  FailWritesAt(WriteStep::Rename);
  dialogs.shown.clear();
  form->NewGame(0);
  FailWritesAt(std::nullopt);
  EXPECT_EQ(ReplayText(form->game.ToReplay()), played);
  EXPECT_EQ(Read(folder + "lastgame.dat"), second);
  ASSERT_EQ(dialogs.shown.size(), 1);
  EXPECT_TRUE(dialogs.shown[0].startsWith("info:" + Text("msg_writefailed").arg(folder + "lastgame.dat").section("%2", 0, 0)))
      << dialogs.shown[0].toStdString();
}

TEST_F(FilesFormTest, TheRecoveryFileFollowsPlayAndSurvivesAKill) {
  Play();
  // A click only starts the timer; the write comes later, off the click.
  ASSERT_NE(form->recovery_, nullptr);
  EXPECT_TRUE(form->recovery_->timer().isActive());
  EXPECT_TRUE(form->recovery_->timer().isSingleShot());
  EXPECT_FALSE(QFile::exists(folder + "recovery.dat"));
  form->recovery_->WriteNow();
  form->recovery_->writer().Flush();
  EXPECT_EQ(Read(folder + "recovery.dat"), ReplayText(form->game.ToReplay()));
  // Stepping back changes no line of the file: nothing is written again.
  const std::uint64_t writes = form->recovery_->writer().Written();
  form->btbackClick();
  form->recovery_->WriteNow();
  form->recovery_->writer().Flush();
  EXPECT_EQ(form->recovery_->writer().Written(), writes);
  const std::string interrupted = Read(folder + "recovery.dat");

  // The program is killed: no close. The next start makes the recovery file
  // the last game, and Continue brings it back.
  Write(folder + "lastgame.dat", "older\r\n");
  form.reset();
  ASSERT_EQ(Read(folder + "recovery.dat"), interrupted);
  form = std::make_unique<TForm1>();
  EXPECT_EQ(Read(folder + "lastgame.dat"), interrupted);
  EXPECT_FALSE(QFile::exists(folder + "recovery.dat"));
  form->mnContinueClick();
  EXPECT_EQ(ReplayText(form->game.ToReplay()), interrupted);

  // A damaged recovery file replaces nothing.
  Write(folder + "recovery.dat", "damaged\r\n");
  form = std::make_unique<TForm1>();
  EXPECT_EQ(Read(folder + "lastgame.dat"), interrupted);
}

TEST_F(FilesFormTest, AFailedReplaySaveSaysSoAndKeepsGameAndOldFile) {
  Play();
  const QString old = folder + "replay/old";
  Write(old, "old\r\n");
  // Running as root, only a path through a regular file fails for certain.
  const QString path = old + "/mine";
  const Snapshot before = Take();
  dialogs.files = {path};
  form->savetClick();
  ASSERT_FALSE(dialogs.shown.isEmpty());
  const QString shown = dialogs.shown.last();
  EXPECT_TRUE(shown.startsWith("info:" + Text("msg_writefailed").section("%1", 0, 0))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(path)) << shown.toStdString();
  EXPECT_EQ(Take(), before);
  EXPECT_EQ(Read(old), "old\r\n");
}
