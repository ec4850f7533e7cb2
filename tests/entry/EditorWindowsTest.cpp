// The puzzle editor and the import window, driven as the player drives them.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/TPICSD33.h"
#include "entry/ImportText.h"
#include "entry/PuzzleEditor.h"
#include "entry/TfrmImport.h"
#include "entry/Tfrm_new.h"
#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "support/RecordingPlatform.h"
#include "support/GameTestAccess.h"

namespace {

const std::string kSparse = "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*";

class EditorTest : public FormTest {
 protected:
  Tfrm_new& editor() { return *form->frm_new; }
  TfrmImport& import() { return *form->frm_new->frmImport; }
  // Opens the editor from the tool bar; inside it, act runs as the player.
  void InEditor(const std::function<void()>& act) {
    dialogs.onModal = [&](QDialog* d) {
      if (d == form->frm_new) act();
      return QDialog::Accepted;
    };
    form->btimport->click();
    dialogs.onModal = nullptr;
  }
  // The import window opened from the editor: text typed, then OK.
  void Import(const QString& text) {
    dialogs.onModal = [&](QDialog*) {
      import().memo2->setPlainText(text);
      import().Button1->click();
      return QDialog::Accepted;
    };
    editor().Button6->click();
    dialogs.onModal = nullptr;
  }
  // The editor's own digits, "*" for every open cell.
  std::string Placed() {
    std::string out;
    for (int i = 0; i < 81; ++i) {
      const Cell& c = editor().editor().cell(i);
      out += c.isOpen() ? '*' : c.digits[0];
    }
    return out;
  }
  RecordingPlatform platform;
};

}  // namespace

TEST_F(EditorTest, PlayReplacesTheGameWithTheEditorsPuzzle) {
  Deal(LineWithBlanks({0, 1}));
  form->chkcolor->setChecked(true);
  Key(Qt::Key_F2);
  InEditor([&] {
    Import(QString::fromStdString(kSparse));
    editor().Button1->click();  // Check
    editor().Button2->click();  // Play
  });
  EXPECT_EQ(dialogs.shown, (QStringList{"modal:frm_new", "modal:frmImport", "info:" + Text("msg_frm_new_onesolve") + "\n専門級 — 最も難しいテクニック：スカイスクレイパー"}));
  EXPECT_EQ(board().PuzzleString(), kSparse);
  EXPECT_EQ(form->game.Level(), 5);
  EXPECT_EQ(form->ndtxt->text(), "  " + Text("msg_frm_new_unknow"));
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_TRUE(form->rb_none->isChecked());
  EXPECT_FALSE(form->chkcolor->isChecked());
  EXPECT_TRUE(form->disnote[0]->isChecked());
  EXPECT_EQ(form->game.ElapsedMs(), 0);
  EXPECT_TRUE(form->sd991->isEnabled());
  // The solution is known: the hint fills from it.
  form->btShowhint->click();
  EXPECT_EQ(cell(9, 9).digits, kSolution.substr(80));
}

TEST_F(EditorTest, PlayStaysOnNoSolutionAndAsksOnSeveral) {
  Deal(LineWithBlanks({0}));
  const std::string before = BoardToStep(board());
  InEditor([&] {
    Import("55");  // invalid: the editor keeps its cleared grid
    EXPECT_EQ(Placed(), std::string(81, '*'));
    Import(QString::fromStdString("55" + std::string(79, '.')));
    editor().Button1->click();
    editor().Button2->click();
    EXPECT_TRUE(editor().editor().at(1, 1).isError);
    Import(QString::fromStdString("5" + std::string(80, '0')));
    editor().Button1->click();
    dialogs.answers = {false};
    editor().Button2->click();
  });
  EXPECT_EQ(dialogs.shown.mid(1), (QStringList{"modal:frmImport", "info:" + Text("msg_frm_new_invalid_format") + "\n81 マス中 2 マスが見つかりました。",
                                               "modal:frmImport", "info:" + Text("msg_frm_new_nosolve2"),
                                               "info:" + Text("msg_frm_new_nosolve"), "modal:frmImport",
                                               "info:" + Text("msg_frm_new_twosolve2"),
                                               "confirm:" + Text("msg_frm_new_twosolve")}));
  EXPECT_EQ(BoardToStep(board()), before);  // the game went on untouched
  // Yes plays it, with no solution digits in the holder.
  InEditor([&] {
    dialogs.answers = {true};
    editor().Button2->click();
  });
  EXPECT_EQ(board().PuzzleString(), "5" + std::string(80, '*'));
  for (int i = 1; i < 81; ++i) EXPECT_EQ(GameTestAccess::QJ1(form->game).node(i).digit, 0) << i;
  EXPECT_EQ(form->game.Level(), 5);
}

TEST_F(EditorTest, EditorKeepsItsGridAndTakesOverTheMainBoard) {
  Deal(SparseLine());
  Put(1, 1, CellState::Open, "4");  // reduced to one candidate
  std::string taken;  // every one-character cell of the main board
  for (int i = 0; i < 81; ++i) taken += board().cell(i).digits.size() == 1 ? board().cell(i).digits[0] : '*';
  ASSERT_EQ(taken.substr(0, 15), "4*******3**72**");
  InEditor([&] {
    // Candidate press places, a cell press takes back.
    form->frm_new->sdnew->candidateMouseDown(editor().sdnew->node(5, 5), 7, Qt::LeftButton);
    form->frm_new->sdnew->cellMouseDown(editor().sdnew->node(5, 5), Qt::RightButton);  // only the left button acts
    EXPECT_EQ(editor().editor().at(5, 5).digits, "7");
    EXPECT_EQ(editor().sdnew->updateLockDepth(), 0);
  });
  InEditor([&] {
    EXPECT_EQ(editor().editor().at(5, 5).digits, "7");  // kept between showings
    form->frm_new->sdnew->cellMouseDown(editor().sdnew->node(5, 5), Qt::LeftButton);
    EXPECT_TRUE(editor().editor().at(5, 5).isOpen());
    editor().Button5->click();
    EXPECT_EQ(Placed(), taken);
    editor().BitBtn1->click();
    EXPECT_EQ(platform.clipboard.toStdString(),
              std::string(kWebSolverPage) + "?bd=" + EditorPuzzleString(editor().editor()));
    dialogs.answers = {false};
    editor().Button3->click();  // Clear, answered No
    EXPECT_EQ(Placed(), taken);
    dialogs.answers = {true};
    editor().Button3->click();
    EXPECT_EQ(Placed(), std::string(81, '*'));
    editor().Button4->click();
  });
  EXPECT_TRUE(platform.clipboard.startsWith(QString(kWebSolverPage) + "?bd=4*******3**72"));
  const QString address = platform.clipboard;
  EXPECT_EQ(editor().memo2->toPlainText(), address);
  EXPECT_TRUE(platform.opened.isEmpty());
  EXPECT_EQ(dialogs.shown.count("confirm:" + Text("msg_frm_new_clear")), 2);
}

TEST_F(EditorTest, WindowsFindEveryComponentTheirTextsName) {
  EXPECT_EQ(editor().SetTexts(), QStringList());
  EXPECT_EQ(import().SetTexts(), QStringList());
  EXPECT_EQ(editor().Button2->text(), Text("frm_new.button2.caption"));
  EXPECT_EQ(import().e3->text(), Text("frmimport.e3.caption"));
}

TEST_F(EditorTest, ImportWindowExamplesMenuAndPasteLimit) {
  TfrmImport& w = import();
  w.Button6->click();  // Example 4
  EXPECT_EQ(w.memo2->toPlainText().toStdString(), ImportExampleText(4));
  EXPECT_EQ(w.Label1->text(), Text("msg_frmImport_cand"));
  EXPECT_EQ(w.Button6->text(), Text("frmimport.button6.caption"));
  EXPECT_TRUE(w.memo2->font().fixedPitch());
  w.e1->trigger();
  w.e2->trigger();  // Copy: lines joined by line feeds
  EXPECT_EQ(platform.clipboard.toStdString(), ImportExampleText(4));
  w.e4->trigger();
  EXPECT_TRUE(w.memo2->toPlainText().isEmpty());
  platform.clipboard = QString::fromStdString(ImportExampleText(2));
  w.e3->trigger();
  EXPECT_EQ(w.memo2->toPlainText().toStdString(), ImportExampleText(2));
  // Ctrl+V takes the same path.
  w.e4->trigger();
  QTest::keyClick(w.memo2, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(w.memo2->toPlainText().toStdString(), ImportExampleText(2));
  // A paste over 1 MB is refused and leaves the text as it was.
  platform.clipboard = QString(TfrmImport::kMaxPasteBytes + 1, '1');
  w.e3->trigger();
  EXPECT_EQ(w.memo2->toPlainText().toStdString(), ImportExampleText(2));
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_import_toolarge"));

  // OK with the candidate example: cells exactly as written, singles placed.
  w.Button6->click();
  w.Button1->click();
  const Board& e = editor().editor();
  EXPECT_EQ(e.at(1, 1).state, CellState::Placed);
  EXPECT_EQ(e.at(1, 2).digits, "13789");
  EXPECT_EQ(e.at(1, 2).state, CellState::Open);
  // Cancel changes nothing.
  w.Button3->click();
  w.Button2->click();
  EXPECT_EQ(e.at(1, 2).digits, "13789");
}

TEST_F(EditorTest, TheBoardIsWorkedFromTheKeyboard) {
  InEditor([&] {
    TPICSD33* board = editor().sdnew;
    auto key = [&](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
      QTest::keyClick(board, static_cast<Qt::Key>(k), m);
    };
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_TRUE(board->node(4, 4)->cursorMark());
    EXPECT_EQ(board->focusCell(), IndexOf(4, 4));
    key(Qt::Key_6);
    EXPECT_EQ(editor().editor().at(4, 4).digits, "6");
    EXPECT_EQ(editor().editor().at(4, 5).digits, "12345789");
    key(Qt::Key_Right);
    key(Qt::Key_7);
    key(Qt::Key_Delete);
    EXPECT_TRUE(editor().editor().at(4, 5).isOpen());
    // Ctrl+Z reaches the editor from wherever its focus is.
    QTest::keyClick(editor().Button1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor().editor().at(4, 5).digits, "7");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Placed(), std::string(81, '*'));
    // The cells are named in the player's language.
    EXPECT_EQ(board->node(1, 1)->accessibleName(), QString::fromUtf8("A1、候補 1 2 3 4 5 6 7 8 9"));
  });
}
