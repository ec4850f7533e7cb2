// Saving boards by name and the game list, through the main window's
// commands; the two windows are driven the way a player would.

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "core/TextFile.h"
#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "shell/AtomicFile.h"
#include "storage/Tfrmgamelist.h"
#include "storage/Tfrmsave.h"
#include "support/GameTestAccess.h"

namespace {

class GameListFormTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    path = form->dataFolder + "games.dat";
    QFile::remove(path);
  }
  std::string File() {
    std::string bytes;
    ReadWholeFile(path, bytes);
    return bytes;
  }
  std::vector<std::string> Lines() { return SplitTextLines(File()); }
  // Saves the board through the save window: name typed (unless null), then
  // OK; answers the overwrite question with the queued answers.
  void Save(const char* name) {
    dialogs.onModal = [name](QDialog* d) {
      auto* w = static_cast<Tfrmsave*>(d);
      if (name) w->Edit1->setText(QString::fromUtf8(name));
      w->Button1->click();
      return w->result();
    };
    form->btsaveClick();
  }
  // Shows the list and lets act run on it as the player.
  void WithList(const std::function<void(Tfrmgamelist&)>& act) {
    dialogs.onModal = [&act](QDialog* d) {
      auto& list = *static_cast<Tfrmgamelist*>(d);
      act(list);
      return list.result();
    };
    form->btDisplayYourGameListClick();
  }
  static QString Cell(Tfrmgamelist& list, int row, int col) { return list.StringGrid1->item(row, col)->text(); }

  QString path;
};

}  // namespace

TEST_F(GameListFormTest, SavingByNameKeepsTheBoardAndAsksBeforeOverwriting) {
  Deal(LineWithBlanks({0, 1, 80}));
  Put(1, 2, CellState::Open, "");  // an open cell without candidates
  bool presetToLevel = false;
  dialogs.onModal = [&](QDialog* d) {
    auto* w = static_cast<Tfrmsave*>(d);
    presetToLevel = w->items[0]->isChecked() && w->Edit1->text() == "New Game";
    w->Edit1->setText("数独 一");
    w->Button1->click();
    return w->result();
  };
  form->btsaveClick();
  EXPECT_TRUE(presetToLevel);
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_frmsave_saved"));
  std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "Name=数独 一");
  EXPECT_EQ(lines[1], "0 " + kSolution);
  EXPECT_EQ(lines[2], "34        3         16        18        17        15        19        11        13        ");
  EXPECT_EQ(lines[10], "11        18        15        17        12        14        13        19        36        ");
  EXPECT_EQ(lines[11], "");
  EXPECT_TRUE(File().ends_with("\r\n\r\n"));

  // "New Game" twice: No keeps the file, Yes moves the game to the end.
  Save(nullptr);
  const std::string two = File();
  dialogs.answers = {false};
  Save(nullptr);
  EXPECT_EQ(File(), two);
  EXPECT_EQ(dialogs.shown.last(), "confirm:" + Text("msg_frmsave_queryexits"));
  Save("数独 一");
  dialogs.answers = {true};
  Save("New Game");
  lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "Name=数独 一");
  EXPECT_EQ(lines[13], "Name=New Game");

  // Cancel, and names that could not be listed, store nothing.
  const std::string before = File();
  dialogs.onModal = [](QDialog* d) {
    auto* w = static_cast<Tfrmsave*>(d);
    w->Edit1->setText("");
    EXPECT_FALSE(w->Button1->isEnabled());
    w->Edit1->setText("two\nlines");
    w->Button1Click();
    EXPECT_NE(w->result(), QDialog::Accepted);
    w->Button2->click();
    return w->result();
  };
  form->btsaveClick();
  EXPECT_EQ(File(), before);
  EXPECT_TRUE(dialogs.shown.contains("info:" + Text("msg_frmsave_badname")));
}

TEST_F(GameListFormTest, TheListOpensRenamesAndDeletesAroundADamagedRecord) {
  Deal(LineWithBlanks({0, 1, 80}));
  Put(1, 2, CellState::Open, "");
  Put(9, 9, CellState::Placed, "6");
  const std::string storedBoard = BoardToStep(board());
  GameTestAccess::board(form->game).nd = 5;
  Save("甲");
  GameTestAccess::board(form->game).nd = 3;
  Save("乙");
  // A hand-damaged record between them: a state "x" and a line too few.
  std::vector<std::string> lines = Lines();
  std::vector<std::string> damaged(lines.begin(), lines.begin() + 12);
  damaged[0] = "Name=壊れ";
  damaged[4][0] = 'x';
  lines.insert(lines.begin() + 13, damaged.begin(), damaged.end());
  ASSERT_TRUE(WriteFileAtomically(path, JoinLinesCrLf(lines)).isEmpty());
  Deal(LineWithBlanks({3}));  // another game on the board meanwhile

  WithList([&](Tfrmgamelist& list) {
    ASSERT_EQ(list.StringGrid1->rowCount(), 3);
    EXPECT_EQ(list.StringGrid1->columnWidth(0), 217);
    EXPECT_EQ(list.StringGrid1->columnWidth(1), 116);
    EXPECT_EQ(list.StringGrid1->horizontalHeaderItem(1)->text(), Text("msg_frmgamelist_difficulty"));
    EXPECT_EQ(Cell(list, 0, 0), "甲");
    EXPECT_EQ(Cell(list, 0, 1), Text("msg_frmgamelist_unknown"));
    EXPECT_EQ(Cell(list, 1, 0), "壊れ" + Text("msg_frmgamelist_damaged"));
    EXPECT_EQ(Cell(list, 2, 1), Text("msg_frmgamelist_tough"));

    // The damaged game does not open; the board stays as it was.
    list.StringGrid1->setCurrentCell(1, 0);
    list.Button3->click();
    EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_frmgamelist_damagedopen"));
    EXPECT_EQ(LogSize(), 1u);
    EXPECT_NE(list.result(), QDialog::Accepted);

    // Rename: to its own name nothing; to another game's name asks again.
    list.StringGrid1->setCurrentCell(0, 0);
    const std::string file = File();
    dialogs.inputs = {QString("甲"), std::nullopt};
    list.Button2->click();
    list.Button2->click();
    EXPECT_EQ(File(), file);
    dialogs.inputs = {QString("乙"), QString("丙")};
    list.Button2->click();
    EXPECT_TRUE(dialogs.shown.contains("info:" + Text("msg_frmgamelist_queryexits")));
    EXPECT_EQ(Cell(list, 0, 0), "丙");

    // Delete: No keeps it, Yes removes the row and the record.
    list.StringGrid1->setCurrentCell(2, 0);
    dialogs.answers = {false, true};
    list.Button1->click();
    EXPECT_EQ(list.StringGrid1->rowCount(), 3);
    list.Button1->click();
    EXPECT_EQ(list.StringGrid1->rowCount(), 2);

    list.StringGrid1->setCurrentCell(0, 0);
    list.Button3->click();
  });

  // Only the changed lines differ; the damaged record is kept as it was.
  std::vector<std::string> expected(lines.begin(), lines.begin() + 25);
  expected[0] = "Name=丙";
  EXPECT_EQ(Lines(), expected);

  // The opened game: its board, a fresh one-line log and a clock of seconds.
  EXPECT_EQ(BoardToStep(board()), storedBoard);
  EXPECT_EQ(LogSize(), 1u);
  for (QToolButton* b : {form->btfirst, form->btback, form->btnext, form->btlast}) EXPECT_FALSE(Enabled(b));
  EXPECT_EQ(form->ndtxt->text(), Text("msg_ndtxt_unkown"));
  EXPECT_EQ(form->TimeLabel1->timeinterval(), 1000);
  EXPECT_EQ(form->game.ElapsedMs(), 0);
  EXPECT_TRUE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(GameTestAccess::QJ1(form->game).GetSolution(), kSolution);
  EXPECT_TRUE(Enabled(form->btStartBranch));
}

TEST_F(GameListFormTest, AnEmptyStoreListsOneEmptyRowAndAListIsNeverRewrittenByLooking) {
  Deal(LineWithBlanks({0}));
  const std::string board0 = BoardToStep(board());
  WithList([&](Tfrmgamelist& list) {
    ASSERT_EQ(list.StringGrid1->rowCount(), 1);
    EXPECT_EQ(Cell(list, 0, 0), "");
    list.Button1->click();
    list.Button2->click();
    list.Button3->click();
  });
  EXPECT_TRUE(dialogs.shown == QStringList{"modal:frmgamelist"});
  EXPECT_EQ(BoardToStep(board()), board0);
  EXPECT_EQ(File(), "");  // made empty, as it was missing

  // A file with a byte-order mark and LF line ends lists and stays untouched.
  Save("Ab");
  Save("ab");  // case matters: a second game
  std::string lf = "\xEF\xBB\xBF";
  for (const std::string& line : Lines()) lf += line + "\n";
  ASSERT_TRUE(WriteFileAtomically(path, lf).isEmpty());
  WithList([&](Tfrmgamelist& list) {
    ASSERT_EQ(list.StringGrid1->rowCount(), 2);
    EXPECT_EQ(Cell(list, 1, 0), "ab");
    list.Button4->click();
  });
  EXPECT_EQ(File(), lf);
  // Deleting the only game of a one-game store leaves one empty row.
  dialogs.answers = {true, true};
  WithList([&](Tfrmgamelist& list) {
    list.StringGrid1->setCurrentCell(0, 0);
    list.Button1->click();
    list.Button1->click();
    ASSERT_EQ(list.StringGrid1->rowCount(), 1);
    EXPECT_EQ(Cell(list, 0, 0), "");
    EXPECT_EQ(Cell(list, 0, 1), "");
  });
  EXPECT_EQ(File(), "");
}

TEST_F(GameListFormTest, AFailedSaveSaysSoAndKeepsTheGameAndTheList) {
  Deal(SparseLine());
  Save("Kept");
  const std::string before = File();
  const std::string board = BoardToStep(GameTestAccess::board(form->game));
  // A games.dat that is a folder can be neither read nor replaced, even by root.
  QFile::remove(path);
  ASSERT_TRUE(QDir().mkpath(path));
  Save("Lost");
  ASSERT_FALSE(dialogs.shown.isEmpty());
  EXPECT_TRUE(dialogs.shown.last().startsWith("info:")) << dialogs.shown.last().toStdString();
  EXPECT_FALSE(dialogs.shown.last().contains(Text("msg_frmsave_saved")));
  EXPECT_EQ(BoardToStep(GameTestAccess::board(form->game)), board);
  QDir(path).removeRecursively();
  ASSERT_TRUE(WriteFileAtomically(path, before).isEmpty());
  Save("Again");
  EXPECT_EQ(SplitTextLines(File()).size(), 26u);  // the old game and the new one, nothing lost
}
