// The copy and print windows, help and the about box, through the main window.

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "main/FormFixture.h"
#include "output/CopyText.h"
#include "output/PrintPage.h"
#include "output/Tfrmcopy.h"
#include "output/Tfrmprintselect.h"
#include "shell/AtomicFile.h"
#include "shell/BuiltinJapanese.h"
#include "shell/Platform.h"
#include "shell/Tfrm_about.h"
#include "support/RecordingPlatform.h"

namespace {

class OutputTest : public FormTest {
 protected:
  // Opens a window from the main window; inside it, act runs as the player.
  void Open(const std::function<void()>& open, const std::function<void(QDialog*)>& act) {
    dialogs.onModal = [&](QDialog* d) {
      act(d);
      return QDialog::Accepted;
    };
    open();
    dialogs.onModal = nullptr;
  }
  QString PagePath() const { return platform.TempFolder() + "print_temp.htm"; }
  std::string ReadPage() const {
    QFile f(PagePath());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll().toStdString();
  }
  RecordingPlatform platform;
};

}  // namespace

TEST_F(OutputTest, CopyPreparesEmptyCellsAndCopiesTheChosenLayout) {
  Deal(LineWithBlanks({0, 1, 80}));
  Put(9, 9, CellState::Open, "");  // emptied with a right click in None mode
  Put(1, 2, CellState::Open, "2");  // reduced to one candidate
  const size_t steps = LogSize();
  for (int layout = 0; layout < 4; ++layout) {
    Open([&] { form->btcopy->click(); },
         [&](QDialog* d) {
           auto* w = static_cast<Tfrmcopy*>(d);
           EXPECT_EQ(w->size(), QSize(725, 309));
           EXPECT_TRUE(w->items[0]->isChecked());
           EXPECT_EQ(cell(9, 9).digits, "6");  // its free digits, stored on the board
           EXPECT_EQ(w->memo1->toPlainText().toStdString(), CopyLayoutText(board(), CopyLayout::NoCandidate));
           w->items[static_cast<size_t>(layout)]->click();
           w->Button1->click();
         });
    EXPECT_EQ(platform.clipboard.toStdString(), CopyLayoutText(board(), static_cast<CopyLayout>(layout)));
  }
  EXPECT_EQ(platform.clipboard.toStdString(), std::string("0") + "0" + kSolution.substr(2, 78) + "0");
  EXPECT_EQ(node(9, 9)->data().digits, "6");
  EXPECT_EQ(LogSize(), steps);
  // Close copies nothing.
  platform.clipboard.clear();
  Open([&] { form->mnCopyPuzzleToClipboard->trigger(); },
       [&](QDialog* d) { static_cast<Tfrmcopy*>(d)->Button2->click(); });
  EXPECT_TRUE(platform.clipboard.isEmpty());
  EXPECT_EQ(form->frmcopy->items[0]->text(), Text("frmcopy.radiogroup1.items[0]"));
}

TEST_F(OutputTest, WindowsFindEveryComponentTheirTextsName) {
  EXPECT_EQ(form->frmcopy->SetTexts(), QStringList());
  EXPECT_EQ(form->frmprintselect->SetTexts(), QStringList());
  EXPECT_EQ(form->frmprintselect->windowTitle(), "Tessvar 4.8");
  EXPECT_EQ(form->frmprintselect->pg2Items[1]->text(), Text("frmprintselect.pg2.items[1]"));
}

TEST_F(OutputTest, PrintWritesThePageAndOpensItEachTime) {
  Deal(LineWithBlanks({0, 1}));
  Put(1, 2, CellState::Placed, "2");
  Put(1, 1, CellState::Open, "");
  Open([&] { form->btprintableBoard->click(); },
       [&](QDialog* d) {
         auto* w = static_cast<Tfrmprintselect*>(d);
         EXPECT_TRUE(w->RadioButton1->isChecked());
         EXPECT_TRUE(w->pg2Items[0]->isChecked());
         w->SpeedButton1->click();
         EXPECT_EQ(w->result(), QDialog::Rejected);  // OK does not close it
         w->RadioButton2->setChecked(true);
         w->pg2Items[2]->setChecked(true);
         w->SpeedButton1->click();
       });
  EXPECT_EQ(platform.opened, (QStringList{PagePath(), PagePath()}));
  // The second print replaced the first: With Candidates on A2.
  Tfrmprint expected(PrintStyle::Candidates, PaperSize::A2);
  expected.PrepareTemplate(form->lst1.LookupText(kPrintHeadingKey), form->lst1.LookupText(kPrintBylineKey));
  std::string page;
  for (const std::string& line : expected.Generate(board())) page += line + "\r\n";
  EXPECT_EQ(ReadPage(), page);
  EXPECT_NE(page.find("color: blue; width: 115px"), std::string::npos);
  // The heading follows the table active at OK.
  form->lst1 = LanguageTable(std::vector<std::string>{"frmprintselect.sudoku=<h1>Other</h1>"});
  form->frmprintselect->SpeedButton1->click();
  EXPECT_NE(ReadPage().find("\r\n<h1>Other</h1>\r\n"), std::string::npos);
}

TEST_F(OutputTest, PrintReportsAWriteFailureAndOpensNothing) {
  Deal(LineWithBlanks({0}));
  QFile blocker(platform.tempDir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  platform.temp = blocker.fileName() + "/";
  form->CreateOtherWindows();
  form->frmprintselect->SpeedButton1->click();
  EXPECT_TRUE(platform.opened.isEmpty());
  ASSERT_FALSE(dialogs.shown.isEmpty());
  const QString shown = dialogs.shown.last();
  EXPECT_TRUE(shown.startsWith("info:")) << shown.toStdString();
  EXPECT_TRUE(shown.contains(PagePath())) << shown.toStdString();
  EXPECT_FALSE(shown.contains("%2")) << shown.toStdString();
}

TEST_F(OutputTest, HelpAndAboutOpenTheHelpPageOfTheActiveLanguage) {
  // Without a help page nothing happens.
  form->mnContent->trigger();
  form->mnj1->trigger();
  EXPECT_TRUE(platform.opened.isEmpty());
  QFile page(platform.beside.filePath("help-" + form->LanguageCode() + ".html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  form->mnContent->trigger();
  form->mnj1->trigger();
  EXPECT_EQ(platform.opened, (QStringList{page.fileName(), page.fileName()}));

  platform.opened.clear();
  Open([&] { form->mnAbout->trigger(); },
       [&](QDialog* d) {
         auto* about = static_cast<Tfrm_about*>(d);
         EXPECT_EQ(about->windowTitle(), Text("frm_about.caption"));
         EXPECT_EQ(about->lbl1->text(), "Tessvar 4.8");
         EXPECT_EQ(about->lbl2->text(), QFileInfo(page.fileName()).canonicalFilePath());
         EXPECT_TRUE(about->lbl1->font().bold());
         EXPECT_TRUE(about->lbl2->font().underline());
         QTest::mouseClick(about->lbl2, Qt::LeftButton);
       });
  EXPECT_EQ(platform.opened, QStringList{page.fileName()});
  // Made anew each time, so it shows the table active at that moment; a
  // real address opens as it stands.
  form->lst1 = LanguageTable(std::vector<std::string>{"frm_about.lbl2.caption=https://example.net/x"});
  Open([&] { form->mnAbout->trigger(); },
       [&](QDialog* d) {
         auto* about = static_cast<Tfrm_about*>(d);
         EXPECT_EQ(about->lbl2->text(), "https://example.net/x");
         EXPECT_EQ(about->Button1->text(), "");
         about->lbl2Click();
       });
  EXPECT_EQ(platform.opened.last(), "https://example.net/x");
  EXPECT_EQ(dialogs.modal.size(), 2u);

  // No program opens the page: the player is told where it is.
  platform.openFails = true;
  form->lst1 = BuiltinJapanese();
  dialogs.shown.clear();
  form->mnContent->trigger();
  EXPECT_EQ(dialogs.shown, QStringList{"info:" + Text("msg_openfailed").arg(page.fileName())});
}

// The build puts the help pages beside the program, as the installed tree does.
TEST(HelpPages, ShipBesideTheProgramForEveryLanguage) {
  for (const char* code : {"ja", "en", "zh"}) {
    const QString path = AppPlatform().FindBesideProgram(QStringLiteral("help-%1.html").arg(code));
    ASSERT_FALSE(path.isEmpty()) << code;
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    for (const char* anchor : {"id=\"play\"", "id=\"modes\"", "id=\"marking\"", "id=\"log\"", "id=\"editor\"",
                               "id=\"files\"", "lastgame.dat", "print_temp.htm"})
      EXPECT_TRUE(text.contains(anchor)) << code << " " << anchor;
  }
}

// The page goes to a folder only the player can use; someone else's folder
// or a planted link there is refused, and a link at the page's name is
// replaced, never followed.
TEST(PrivateTempFolder, IsThePlayersOwnOrRefused) {
  QTemporaryDir runtime;
  const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  Platform real;
  QString why;
  const QString folder = real.TempFolder(&why);
  ASSERT_EQ(folder, runtime.path() + "/tessvar/") << why.toStdString();
  EXPECT_EQ(QFileInfo(folder).permissions() & 0x0077, QFileDevice::Permissions()) << "open to others";

  QTemporaryDir elsewhere;
  QFile victim(elsewhere.filePath("victim"));
  ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
  victim.write("mine");
  victim.close();
  ASSERT_TRUE(QFile::link(victim.fileName(), folder + "print_temp.htm"));
  ASSERT_TRUE(WriteFileAtomically(folder + "print_temp.htm", "page").isEmpty());
  ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
  EXPECT_EQ(victim.readAll(), "mine");

  ASSERT_TRUE(QDir(folder).removeRecursively());
  ASSERT_TRUE(QFile::link(elsewhere.path(), runtime.path() + "/tessvar"));
  EXPECT_EQ(real.TempFolder(&why), "");
  EXPECT_EQ(why, "not a folder");
  QFile::remove(runtime.path() + "/tessvar");
  ASSERT_TRUE(QDir().mkdir(runtime.path() + "/tessvar"));
  QFile::setPermissions(runtime.path() + "/tessvar", QFileDevice::Permissions(0x7755));
  EXPECT_EQ(real.TempFolder(&why), "");
  EXPECT_EQ(why, "open to other users");
  qputenv("XDG_RUNTIME_DIR", saved);
}
