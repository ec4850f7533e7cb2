// The appearance window on the real main window: the settings file read at
// start-up, the preview, OK, Cancel and Default.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include "controls/TPICSD33.h"
#include "core/TextFile.h"
#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "shell/Platform.h"
#include "storage/TfrmAppearance.h"
#include "support/GameTestAccess.h"

namespace {

// Where the main window keeps its settings: the test's data folder.
QString SettingsPath() { return AppPlatform().DataFolder() + "tvcfg.ini"; }

void WriteSettings(const std::string& text) {
  QFile f(SettingsPath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(text.data(), static_cast<qint64>(text.size()));
}

std::vector<std::string> SettingsLines() {
  std::string bytes;
  EXPECT_TRUE(ReadFileBytes(SettingsPath().toStdString(), bytes));
  return SplitTextLines(bytes);
}

class AppearanceTest : public FormTest {
 protected:
  // A main window started with these settings on disk.
  void Restart(const std::string& settings) {
    WriteSettings(settings);
    form = std::make_unique<TForm1>();
    form->CreateOtherWindows();
    form->game.SetRandom(std::make_unique<ScriptedRandom>());
  }
  TfrmAppearance& window() { return *form->frmAppearance; }
};

}  // namespace

TEST_F(AppearanceTest, StartUpAppliesTheFileOrWritesTheDefaults) {
  QFile::remove(SettingsPath());
  Restart("");
  // An empty file has no colour: everything is reset and written.
  EXPECT_EQ(SettingsLines().size(), 14u);
  EXPECT_EQ(SettingsLines()[2], "Board color1=16777215");

  Restart("xdefault color=0\r\nBoard color1=255\r\nBoard color2=16747403\r\nFixed Number color=0\r\n"
          "Big Number color=-1\r\nCandidate color=-1\r\nhighlight_color=0\r\nLanguage=ja\r\n");
  Deal(SparseLine());
  EXPECT_EQ(node(1, 1)->color(), 255u);  // odd boxes red, as the stray line turned the default off
  EXPECT_EQ(node(1, 4)->color(), 16747403u);
  // The colours reach the board in the display mode it is in.
  EXPECT_TRUE(form->rb_none->isChecked());
  EXPECT_FALSE(node(1, 1)->panelShown(4));
  // Start-up reads the file without making the appearance window.
  auto started = std::make_unique<TForm1>();
  started->LoadSettings();
  EXPECT_EQ(started->frmAppearance, nullptr);
  EXPECT_EQ(started->game.look().UNFoucsColor1, 255u);

  Restart("default color=1\r\nBoard color1=abc\r\nLanguage=en\r\n");
  EXPECT_EQ(SettingsLines().size(), 15u);  // the defaults, and the language kept
  EXPECT_EQ(SettingsLines().back(), "Language=en");
}

TEST_F(AppearanceTest, SwatchesStoreAlwaysAndShowOnlyWithoutTheDefaultBox) {
  Restart("");
  Deal(SparseLine());
  form->chkcolor->setChecked(true);
  QTest::mouseClick(node(5, 5), Qt::LeftButton);  // paint survives applying colours
  form->chkcolor->setChecked(false);
  const TColor paint = node(5, 5)->color();

  ASSERT_TRUE(window().CheckBox1->isChecked());
  dialogs.colors = {QColor(0, 128, 0)};
  emit window().Panel1->clicked();
  EXPECT_EQ(window().Lines().GetSetting("Board color1"), "32768");
  EXPECT_EQ(window().sd1->node(1, 1)->color(), 0xFFFFFFu);  // the built-in colour stays
  window().CheckBox1->click();
  EXPECT_EQ(window().sd1->node(1, 1)->color(), 32768u);
  // Cancel keeps the file as it was; exit writes the edited lines.
  window().Button2->click();
  EXPECT_EQ(SettingsLines()[2], "Board color1=16777215");
  EXPECT_EQ(node(1, 1)->color(), 0xFFFFFFu);
  form->close();
  EXPECT_EQ(SettingsLines()[2], "Board color1=32768");

  Restart(JoinLinesCrLf(SettingsLines()));
  Deal(SparseLine());
  EXPECT_EQ(node(1, 1)->color(), 32768u);
  // OK applies at once and keeps the paint; Default resets the file.
  form->chkcolor->setChecked(true);
  QTest::mouseClick(node(5, 5), Qt::LeftButton);
  form->chkcolor->setChecked(false);
  window().Button3->click();
  EXPECT_EQ(SettingsLines()[1], "default color=1");
  window().Button1->click();
  EXPECT_EQ(node(1, 1)->color(), 0xFFFFFFu);
  EXPECT_EQ(node(5, 5)->color(), paint);
}

TEST_F(AppearanceTest, AFailedSettingsWriteSaysSoAndKeepsTheGame) {
  Restart("");
  Deal(SparseLine());
  const std::string board = BoardToStep(GameTestAccess::board(form->game));
  QFile::remove(SettingsPath());
  ASSERT_TRUE(QDir().mkpath(SettingsPath()));  // a folder cannot be replaced by a file
  window().Button1->click();
  ASSERT_FALSE(dialogs.shown.isEmpty());
  EXPECT_TRUE(dialogs.shown.last().startsWith("info:" + Text("msg_writefailed").section("%1", 0, 0)))
      << dialogs.shown.last().toStdString();
  EXPECT_EQ(BoardToStep(GameTestAccess::board(form->game)), board);
  QDir(SettingsPath()).removeRecursively();
}
