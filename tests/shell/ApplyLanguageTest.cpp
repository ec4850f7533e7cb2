#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <memory>
#include <tuple>

#include "shell/ApplyLanguage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/WindowFont.h"
#include "ShellTestWindow.h"

namespace {

LanguageTable Table(std::vector<std::string> lines) { return LanguageTable(std::move(lines)); }

TEST(ApplyLanguageTest, EachKindFollowsItsRule) {
  ShellTestWindow w;
  SetHint(w.rb_none, QStringLiteral("old hint"));
  ApplyLanguage(&w, Table({
                        "MNFILE.Caption=  File  ",   // trimmed, any case
                        "mnsave.caption=",           // empty: the menu item keeps its caption
                        "mnexit.caption=E&xit=Now",  // the whole value after the first '='
                        "grpshowcandidates.caption=Candidates",
                        "rb_none.caption=None",
                        "cbautoupdate.caption=Auto",
                        "chkcolor.caption=",         // empty: the check box loses its caption
                        "btsolve.caption=Solve it",
                        "btsolve.hint=Show Solution",
                        "disnote1.caption=",         // empty: the speed button keeps "1"
                        "bt_clearcolor.caption=  Clear  ",
                        "bt_clearcolor.hint=Remove colours",
                        "ppadd.caption=Add",
                        "n5.caption=-",  // a separator stays a line without text
                        "checkbox1.caption=must not reach the dialog",
                        "groupbox1.caption=must not reach the dialog",
                    }));
  EXPECT_EQ(w.mnFile->title(), "File");
  EXPECT_EQ(w.mnSave->text(), "&Save");
  EXPECT_EQ(w.mnExit->text(), "E&xit=Now");
  EXPECT_TRUE(w.n5->isSeparator());
  EXPECT_EQ(w.n5->text(), "");
  EXPECT_EQ(w.ppAdd->text(), "Add");

  EXPECT_EQ(w.grpShowCandidates->title(), "Candidates");
  EXPECT_EQ(w.rb_none->text(), "None");
  EXPECT_EQ(w.rb_all->text(), "");  // no key: empty, not kept
  EXPECT_EQ(w.cbautoupdate->text(), "Auto");
  EXPECT_EQ(w.chkcolor->text(), "");
  EXPECT_EQ(w.btsolve->text(), "Solve it");
  EXPECT_EQ(w.btfirst->text(), "");
  EXPECT_EQ(w.disnote1->text(), "1");
  EXPECT_EQ(w.bt_clearcolor->text(), "  Clear  ");

  EXPECT_EQ(HintOf(w.btsolve), "Show Solution");
  EXPECT_EQ(w.btsolve->toolTip(), "Show Solution");
  EXPECT_EQ(HintOf(w.bt_clearcolor), "Remove colours");
  // A control without a ".hint" key ends with an empty hint.
  EXPECT_EQ(HintOf(w.rb_none), "");
  EXPECT_EQ(w.rb_none->toolTip(), "");
  EXPECT_TRUE(w.rb_none->property(kHintProperty).isValid());
  EXPECT_EQ(w.rb_none->statusTip(), "");

  EXPECT_TRUE(w.mnj1->isVisible());
  // A window parented to this one keeps its own texts.
  EXPECT_EQ(w.dialogCheckBox->text(), "Default Color");
  EXPECT_EQ(w.dialogGroupBox->title(), "Background");
  EXPECT_FALSE(w.dialogCheckBox->property(kHintProperty).isValid());
}

TEST(ApplyLanguageTest, TheBuiltInTableOnAWindow) {
  ShellTestWindow w;
  ApplyLanguage(&w, BuiltinJapanese());
  EXPECT_EQ(w.mnFile->title(), "ファイル");
  EXPECT_TRUE(w.n5->isSeparator());
  EXPECT_EQ(w.rb_none->text(), "普通");
  EXPECT_EQ(HintOf(w.btsolve), "正解を見る");
  EXPECT_EQ(w.btsolve->text(), "正解");
  EXPECT_EQ(w.bt_clearcolor->text(), "マーキング消去");
  EXPECT_EQ(HintOf(w.disnote1), "数字1を選択（キー 1）");
  EXPECT_EQ(w.mnj1->text(), "Tessvar ホームページ");
  EXPECT_TRUE(w.mnj1->isVisible());
}

TEST(ApplyLanguageTest, WindowFontFaceFollowsTheScriptAndSizesByKind) {
  const QString ui = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  for (const auto& [code, script, face] : {std::tuple{"ja", WindowScript::Japanese, QStringLiteral("MS Gothic")},
                                            std::tuple{"en", WindowScript::Latin, ui},
                                            std::tuple{"de", WindowScript::Latin, ui},
                                            std::tuple{"zh", WindowScript::Chinese, ui}}) {
    SCOPED_TRACE(code);
    EXPECT_EQ(ScriptOfLanguage(QString::fromLatin1(code)), script);
    SetWindowScript(script);
    ShellTestWindow w;
    const QFont otherWindow = w.dialogCheckBox->font();
    ApplyWindowFont(&w);
    EXPECT_EQ(w.font().family(), face);
    EXPECT_EQ(w.font().pointSize(), 9);
    EXPECT_EQ(w.statusBar()->font().family(), face);
    EXPECT_EQ(w.statusBar()->font().pointSize(), 9);
    // A label keeps its own size and weight; an ordinary label follows the window.
    EXPECT_EQ(w.ndtxt->font().family(), face);
    EXPECT_EQ(w.ndtxt->font().pointSize(), 14);
    EXPECT_TRUE(w.ndtxt->font().bold());
    EXPECT_EQ(w.plainLabel->font().family(), face);
    EXPECT_EQ(w.plainLabel->font().pointSize(), 9);
    EXPECT_EQ(w.menuBar()->font().pointSize(), 8);
    EXPECT_EQ(w.mnFile->font().family(), face);
    EXPECT_EQ(w.mnFile->font().pointSize(), 8);
    EXPECT_EQ(w.pp->font().pointSize(), 8);
    EXPECT_EQ(QToolTip::font().family(), face);
    EXPECT_EQ(QToolTip::font().pointSize(), 8);
    // Children without a font of their own inherit the window's.
    EXPECT_EQ(w.chkcolor->font().family(), face);
    EXPECT_EQ(w.chkcolor->font().pointSize(), 9);
    // Another window keeps its font.
    EXPECT_EQ(w.dialogCheckBox->font(), otherWindow);
  }
  SetWindowScript(WindowScript::Japanese);
}

TEST(ApplyLanguageTest, ChineseFaceFallsBackToAnInstalledSimplifiedChineseFont) {
  // The desktop's UI font comes first and need not have Han characters; a
  // face behind it must, in their Simplified forms.
  const QStringList families = WindowFontFamilies(WindowScript::Chinese);
  const QStringList installed = QFontDatabase::families();
  QString han;
  for (const QString& f : families.mid(1))
    if (installed.contains(f)) {
      han = f;
      break;
    }
  ASSERT_FALSE(han.isEmpty()) << families.join(", ").toStdString();
  const QFontMetrics metrics{QFont(han, 9)};
  for (QChar c : QStringLiteral("选择难度统计暂停")) EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
}

TEST(ApplyLanguageTest, MsGothicResolvesToAnInstalledJapaneseFont) {
  InstallJapaneseFontSubstitution();
  EXPECT_TRUE(QFont::substitutes("MS Gothic").contains("IPAGothic", Qt::CaseInsensitive));
  const QString family = QFontInfo(QFont("MS Gothic", 9)).family();
  EXPECT_EQ(family.toStdString(), "IPAGothic");
  // The resolved font has the glyphs of the built-in texts.
  const QFontMetrics metrics(QFont("MS Gothic", 9));
  for (QChar c : QString::fromStdString(BuiltinJapanese().LookupText("msg_puzzle_solved"))) {
    EXPECT_TRUE(metrics.inFont(c)) << static_cast<int>(c.unicode());
  }
}

TEST(ApplyLanguageTest, OtherWindowsSetTitleAndListedCaptionsUnconditionally) {
  QDialog frmsave;
  frmsave.setWindowTitle("Save Your Game");
  auto* layout = new QVBoxLayout(&frmsave);
  auto* label1 = new QLabel("Name");
  label1->setObjectName("Label1");
  auto* group = new QGroupBox("Level");
  group->setObjectName("RadioGroup1");
  group->setProperty(kRadioGroupProperty, true);
  auto* ok = new QPushButton("OK");
  ok->setObjectName("Button1");
  auto* cancel = new QPushButton("Cancel");
  cancel->setObjectName("Button2");
  for (QWidget* c : {static_cast<QWidget*>(label1), static_cast<QWidget*>(group), static_cast<QWidget*>(ok),
                     static_cast<QWidget*>(cancel)}) {
    layout->addWidget(c);
  }
  auto* menu = new QMenu(&frmsave);
  QAction* e1 = menu->addAction("Select All");
  e1->setObjectName("e1");

  const LanguageTable t = Table({"frmsave.caption=ゲームを保存", "frmsave.label1.caption=ゲーム名：",
                                 "frmsave.radiogroup1.caption=難易度", "frmsave.button1.caption=OK",
                                 "frmsave.e1.caption=すべて選択", "frmsave.radiogroup1.items[5]=未知・該当なし"});
  const QStringList missing =
      ApplyWindowTexts(&frmsave, "frmsave", {"Label1", "RadioGroup1", "Button1", "Button2", "e1", "Button9"}, t);
  EXPECT_EQ(missing, QStringList{"Button9"});
  EXPECT_EQ(frmsave.windowTitle(), "ゲームを保存");
  EXPECT_EQ(label1->text(), "ゲーム名：");
  EXPECT_EQ(group->title(), "難易度");
  EXPECT_EQ(ok->text(), "OK");
  EXPECT_EQ(cancel->text(), "");  // absent key: empty caption
  EXPECT_EQ(e1->text(), "すべて選択");
  EXPECT_EQ(TextOf(t, ItemKey("frmsave", "RadioGroup1", 5)), "未知・該当なし");
  EXPECT_EQ(CaptionKey("frmImport", "Label1"), "frmImport.Label1.caption");
  // Then the window font, radio groups included.
  EXPECT_EQ(frmsave.font().family(), "MS Gothic");
  EXPECT_EQ(group->font().pointSize(), 9);
  EXPECT_EQ(label1->font().family(), "MS Gothic");

  // A window whose title is not a table text keeps it.
  frmsave.setWindowTitle("Tessvar 4.8");
  ApplyWindowTexts(&frmsave, "frmsave", {}, t, WindowTitle::Keep);
  EXPECT_EQ(frmsave.windowTitle(), "Tessvar 4.8");
}

}  // namespace
