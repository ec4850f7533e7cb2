#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ShellTestWindow.h"
#include "shell/BuiltinJapanese.h"
#include "shell/DeveloperPage.h"
#include "shell/Platform.h"
#include "support/RecordingPlatform.h"
#include "support/ScriptedDialogs.h"

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

TEST(DeveloperPageTest, DumpCaptionKeysAppendsTheSkeletonInTheDocumentedOrder) {
  ShellTestWindow w;
  // The page is a window of its own: its buttons are not the main window's.
  LanguageTable table(std::vector<std::string>{"existing=1"});
  DeveloperPage page(&w, table, nullptr, &w);
  DumpCaptionKeys(&w, table);
  const std::vector<std::string> expected = {
      "existing=1",
      "mnFile.caption=&File",
      "mnSave.caption=&Save",
      "n5.caption=-",
      "mnExit.caption=&Exit",
      "mnHelp.caption=&Help",
      "mnj1.caption=Maker",
      "ppAdd.caption=Add 1",
      "grpShowCandidates.caption=Show Candidates",
      "btfirst.caption=First",
      "btsolve.caption=Solve",
      "btfirst.hint=First Step",
      "btsolve.hint=Show Solution",
      "rb_none.caption=None  (F1)",
      "rb_all.caption=All  (F2)",
      "cbautoupdate.caption=Auto Update Candidates",
      "chkcolor.caption=Marking",
      "disnote1.caption=1",
      "bt_clearcolor.caption=Clear Marking",
  };
  EXPECT_EQ(table.Lines(), expected);
}

TEST(DeveloperPageTest, SaveWritesTheWholeActiveTableToAllTxtInTheDataFolder) {
  ScriptedDialogs dialogs;
  ShellTestWindow w;
  LanguageTable table(std::vector<std::string>{"mnfile.caption=ファイル  "});
  DeveloperPage page(&w, table, nullptr);
  QFile::remove(DeveloperPage::DumpPath());
  EXPECT_TRUE(DeveloperPage::DumpPath().startsWith(AppPlatform().DataFolder()));
  EXPECT_TRUE(DeveloperPage::DumpPath().endsWith("/all.txt"));

  page.btn1->click();
  const QByteArray bytes = ReadAll(DeveloperPage::DumpPath());
  EXPECT_TRUE(bytes.startsWith("mnfile.caption=\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB  \r\n"
                               "mnFile.caption=&File\r\n"));
  EXPECT_TRUE(bytes.endsWith("\r\nbt_clearcolor.caption=Clear Marking\r\n"));
  EXPECT_EQ(bytes.count("\r\n"), 19);
  EXPECT_EQ(bytes.count('\n'), 19);
  EXPECT_EQ(table.Lines().size(), 19u);
  EXPECT_TRUE(dialogs.shown.isEmpty());

  // Each save appends another skeleton and rewrites the whole file.
  page.btn1->click();
  EXPECT_EQ(ReadAll(DeveloperPage::DumpPath()).count("\r\n"), 37);
}

TEST(DeveloperPageTest, LoadReplacesTheActiveTableOrLeavesItWhenTheFileIsMissing) {
  ScriptedDialogs dialogs;
  RecordingPlatform platform;
  {
    // lang1.txt in UTF-16 LE with its mark; there is no lang2.txt.
    QFile f(platform.beside.filePath("lang1.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const QString text = "mnfile.caption=&File\r\nrb_none.caption=None  (F1)\r\n";
    f.write("\xFF\xFE", 2);
    f.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
  }
  ShellTestWindow w;
  LanguageTable table = BuiltinJapanese();
  int reapplied = 0;
  DeveloperPage page(&w, table, [&] { ++reapplied; });

  page.btn3->click();
  ASSERT_EQ(dialogs.shown.size(), 1);
  EXPECT_TRUE(dialogs.shown[0].startsWith("info:lang2.txt was found neither")) << dialogs.shown[0].toStdString();
  EXPECT_EQ(table, BuiltinJapanese());
  EXPECT_EQ(reapplied, 0);

  page.btn2->click();
  EXPECT_EQ(table.Lines(), (std::vector<std::string>{"mnfile.caption=&File", "rb_none.caption=None  (F1)"}));
  EXPECT_EQ(reapplied, 1);
  EXPECT_EQ(page.lst1->toPlainText(), "mnfile.caption=&File\nrb_none.caption=None  (F1)\n");

  page.btn4->click();
  EXPECT_EQ(table, BuiltinJapanese());
  EXPECT_EQ(reapplied, 2);
  EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST(DeveloperPageTest, ShippedFilesLoadFromBesideTheProgramAndApply) {
  ScriptedDialogs dialogs;
  ShellTestWindow w;
  LanguageTable table = BuiltinJapanese();
  DeveloperPage page(&w, table, [&] { ApplyLanguage(&w, table); });
  page.btn2->click();
  ASSERT_TRUE(dialogs.shown.isEmpty()) << dialogs.shown.join("|").toStdString();
  EXPECT_EQ(w.mnFile->title(), "&File");
  EXPECT_EQ(w.rb_none->text(), "None (F1)");
  EXPECT_EQ(HintOf(w.btsolve), "Show Solution");
  page.btn3->click();
  EXPECT_EQ(w.mnFile->title(), "文件(&F)");
  page.btn4->click();
  EXPECT_EQ(w.mnFile->title(), "ファイル");
  EXPECT_EQ(w.rb_none->text(), "普通");
}

TEST(DeveloperPageTest, OnlyTheDeveloperSettingOffersThePage) {
  const QByteArray saved = qgetenv("TESSVAR_DEVELOPER");
  qunsetenv("TESSVAR_DEVELOPER");
  EXPECT_FALSE(DeveloperModeEnabled());
  qputenv("TESSVAR_DEVELOPER", "0");
  EXPECT_FALSE(DeveloperModeEnabled());
  qputenv("TESSVAR_DEVELOPER", "1");
  EXPECT_TRUE(DeveloperModeEnabled());
  if (saved.isNull()) {
    qunsetenv("TESSVAR_DEVELOPER");
  } else {
    qputenv("TESSVAR_DEVELOPER", saved);
  }
}

}  // namespace
