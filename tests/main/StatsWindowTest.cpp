// The statistics as the main window keeps them, and the Statistics window's
// wiring.

#include <QFile>
#include <QLayout>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "main/FormFixture.h"
#include "storage/TfrmStatistics.h"

namespace {

class StatsTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    std::filesystem::remove(Path());
    for (const auto& e : std::filesystem::directory_iterator(form->files.Folder()))
      if (e.path().filename().string().starts_with("stats.dat.damaged")) std::filesystem::remove(e.path());
  }
  std::string Path() const { return form->files.StatisticsPath(); }
  std::string Read() const {
    std::ifstream in(Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  void Write(const std::string& bytes) const { std::ofstream(Path(), std::ios::binary) << bytes; }
  // The Statistics window from the Tools menu; look runs while it is open.
  void OpenStatistics(const std::function<void(TfrmStatistics&)>& look) {
    dialogs.onModal = [&](QDialog* d) {
      look(*static_cast<TfrmStatistics*>(d));
      return QDialog::Accepted;
    };
    form->mnStatistics->trigger();
    dialogs.onModal = nullptr;
  }
};

}  // namespace

TEST_F(StatsTest, AGameReplacedAfterAMoveIsRecordedAndShownThenCleared) {
  Deal(LineWithBlanks({0, 1, 80}));
  form->NewGame(0);  // no move yet: nothing to record
  EXPECT_FALSE(std::filesystem::exists(Path()));
  SelectDigit(4);
  LeftClick(1, 1);
  clock.Advance(61000);
  form->NewGame(0);
  const std::string text = Read();
  ASSERT_EQ(text.size(), 22u + 19u + 26u) << text;
  EXPECT_EQ(text.substr(0, 22), "tessvar-statistics 1\r\n");
  EXPECT_EQ(text.substr(22 + 19), " 0 bank unsolved 61000 -\r\n");
  // Solved by the player: recorded at once, as solved.
  SelectDigit(4);
  LeftClick(1, 1);
  SelectDigit(2);
  LeftClick(1, 2);
  SelectDigit(6);
  clock.Advance(90000);
  LeftClick(9, 9);
  EXPECT_TRUE(form->game.SolvedMarker());
  EXPECT_EQ(Read().substr(22 + 45 + 19), " 0 bank solved 90000 -\r\n");

  OpenStatistics([&](TfrmStatistics& w) {
    EXPECT_EQ(w.values[0][0]->text(), "2");         // played
    EXPECT_EQ(w.values[1][0]->text(), "1");         // solved
    EXPECT_EQ(w.values[3][0]->text(), "1:30");      // best
    EXPECT_EQ(w.values[5][0]->text(), "1");         // current streak
    EXPECT_EQ(w.values[0][1]->text(), "0");
    EXPECT_EQ(w.values[3][1]->text(), "–");
    EXPECT_EQ(w.charts[0]->Times(), (std::vector<std::int64_t>{90000}));
    EXPECT_TRUE(w.charts[1]->Times().empty());
    dialogs.answers = {false};
    w.btClear->click();  // No: nothing changes
    EXPECT_EQ(w.values[0][0]->text(), "2");
    dialogs.answers = {true};
    w.btClear->click();
    EXPECT_EQ(w.values[0][0]->text(), "0");
    EXPECT_TRUE(w.charts[0]->Times().empty());
  });
  EXPECT_EQ(Read(), "tessvar-statistics 1\r\n");
  EXPECT_EQ(dialogs.shown.filter("confirm:").size(), 2);
  EXPECT_EQ(dialogs.shown.last(), "confirm:" + Text("msg_statistics_clearask"));
}

TEST_F(StatsTest, ADamagedFileIsSetAsideWithAMessage) {
  Write("tessvar-statistics 1\r\n2026-03-01T09:00:00 9 bank solved 1 -\r\n");
  OpenStatistics([](TfrmStatistics& w) {
    EXPECT_EQ(w.values[0][0]->text(), "0");
    EXPECT_TRUE(w.btClear->isEnabled());
  });
  ASSERT_EQ(dialogs.shown.size(), 2);
  EXPECT_TRUE(dialogs.shown[0].startsWith("info:統計ファイルが壊れていました（2 行目：the level is not 0 to 5）。"
                                          "stats.dat.damaged-"))
      << dialogs.shown[0].toStdString();
  EXPECT_EQ(dialogs.shown[1], "modal:frmstatistics");
  EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(StatsTest, TheWindowShowsEveryLevelAndItsTextsFromTheTable) {
  OpenStatistics([&](TfrmStatistics& w) {
    w.layout()->activate();
    EXPECT_EQ(w.windowTitle(), "統計");
    EXPECT_EQ(w.levelNames[5]->text(), Text("msg_frmgamelist_Unknown"));
    EXPECT_EQ(w.rowNames[2]->text(), "ヘルプなしで解いた");
    EXPECT_EQ(w.btClear->text(), "統計を消去");
    // Labels read left to right: figure names, then one column per level.
    EXPECT_LT(w.rowNames[0]->geometry().right(), w.values[0][0]->geometry().left());
    for (std::size_t level = 1; level < 6; ++level) {
      EXPECT_LT(w.values[0][level - 1]->geometry().right(), w.values[0][level]->geometry().left()) << level;
      EXPECT_LT(w.values[6][level]->geometry().bottom(), w.charts[level]->geometry().top()) << level;
    }
  });
  EXPECT_EQ(form->mnStatistics->text(), "統計");
}
