// The main window: start-up, dealing, restart, the clock and solving.

#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "main/FormFixture.h"
#include "core/StepLine.h"
#include "support/GameTestAccess.h"

namespace {

QRect Geometry(QWidget* w) {
  auto* main = static_cast<QMainWindow*>(w->window());
  return QRect(w->mapTo(main->centralWidget(), QPoint(0, 0)), w->size());
}

}  // namespace

TEST_F(FormTest, StartUpState) {
  EXPECT_EQ(form->windowTitle().toStdString(), "Tessvar 4.8");
  EXPECT_EQ(form->centralWidget()->size(), QSize(596, 539));
  EXPECT_FALSE(form->sd991->isEnabled());
  EXPECT_EQ(node(5, 5)->caption(), "");
  for (QToolButton* b : {form->btStartBranch, form->btAccept, form->btRejectBranch, form->btfirst, form->btback,
                         form->btnext, form->btlast})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_TRUE(form->rb_none->isChecked());
  EXPECT_TRUE(form->cbautoupdate->isChecked());
  EXPECT_FALSE(form->chkcolor->isChecked());
  EXPECT_EQ(form->colorgrid1->ForegroundIndex(), 11);
  EXPECT_FALSE(form->colorgrid1->BackgroundEnabled());
  EXPECT_FALSE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(form->TimeLabel1->text(), "0:0:0");
  EXPECT_FALSE(form->WC_Label->isVisible());
  // Commands that need a puzzle wait for one; the board shows its real
  // colours from the first paint.
  for (QToolButton* b : {form->btRestart, form->btsolve, form->btcheck, form->btShowhint})
    EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
  EXPECT_EQ(node(1, 4)->color(), 16747403u);
  EXPECT_EQ(node(1, 1)->color(), kClWhite);
  // The data folder and its replay folder exist and are the current directory.
  EXPECT_TRUE(QDir(form->dataFolder + "replay").exists());
  EXPECT_EQ(QDir::current().absolutePath() + "/", form->dataFolder);
  EXPECT_TRUE(form->dataFolder.endsWith("/tessvar/"));
  // Built-in language applied.
  EXPECT_EQ(form->rb_none->text().toStdString(), "普通");
  EXPECT_EQ(HintOf(form->btsolve).toStdString(), "正解を見る");
  EXPECT_EQ(form->menuBar()->actions().first()->text().toStdString(), "ファイル");
}

// What a wrong number in the layout would break: a control that covers
// another or is cut off by the window's edge, a button too small for its
// digit, a board that no longer holds its cells.
TEST_F(FormTest, ControlsFitTheWindowWithoutOverlapping) {
  const QRect window(QPoint(0, 0), form->centralWidget()->size());
  std::vector<std::pair<QString, QRect>> placed;
  for (QWidget* w : std::initializer_list<QWidget*>{form->ToolBar1, form->Panel1, form->grpShowCandidates,
                                                    form->grpColorPanel, form->ToolBar2, form->sb1})
    placed.emplace_back(w->objectName(), Geometry(w));
  for (Tmousepb* bar : form->ProgressBar) placed.emplace_back(bar->objectName(), Geometry(bar));
  for (size_t i = 0; i < placed.size(); ++i) {
    EXPECT_TRUE(window.contains(placed[i].second)) << placed[i].first.toStdString();
    for (size_t j = i + 1; j < placed.size(); ++j)
      EXPECT_FALSE(placed[i].second.intersects(placed[j].second))
          << placed[i].first.toStdString() << " / " << placed[j].first.toStdString();
  }
  // Inside their frames.
  EXPECT_TRUE(Geometry(form->Panel1).contains(Geometry(form->sd991)));
  EXPECT_EQ(form->sd991->size(), QSize(422, 422));
  for (QWidget* w : std::initializer_list<QWidget*>{form->colorgrid1, form->chkcolor, form->bt_clearcolor})
    EXPECT_TRUE(Geometry(form->grpColorPanel).contains(Geometry(w))) << w->objectName().toStdString();
  for (size_t k = 0; k < form->disnote.size(); ++k) {
    EXPECT_TRUE(Geometry(form->grpShowCandidates).contains(Geometry(form->disnote[k]))) << k;
    EXPECT_GE(form->disnote[k]->width(), form->disnote[k]->fontMetrics().horizontalAdvance("9"));
    for (size_t j = k + 1; j < form->disnote.size(); ++j)
      EXPECT_FALSE(Geometry(form->disnote[k]).intersects(Geometry(form->disnote[j]))) << k << " / " << j;
  }
  // The four menus, in order, with their items.
  const auto menus = form->menuBar()->actions();
  ASSERT_GE(menus.size(), 4);
  QStringList names;
  for (int k = 0; k < 4; ++k) names << menus[k]->menu()->objectName();
  EXPECT_EQ(names, (QStringList{"mnFile", "mnNewGame", "mnTools", "mnHelp"}));
  // New Game: the documented seven, then a separator and Practice.
  EXPECT_EQ(menus[1]->menu()->actions().size(), 9);
  EXPECT_EQ(menus[1]->menu()->actions()[6]->objectName(), "mnDisplayYourGameList2");
}

TEST_F(FormTest, NewGameDealsTheLevel) {
  Deal(SparseLine());
  EXPECT_TRUE(form->sd991->isEnabled());
  EXPECT_EQ(form->ndtxt->text(), Text("msg_ndtxt_veryeasy"));
  EXPECT_TRUE(form->rb_none->isChecked());
  EXPECT_TRUE(form->disnote[0]->isChecked());
  EXPECT_TRUE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(form->TimeLabel1->MS(), 0);
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  // Candidates are not shown in mode None.
  EXPECT_FALSE(node(1, 1)->panelShown(1));
  EXPECT_EQ(node(1, 9)->caption(), "3");
  // Each level has its command and label.
  for (int level = 0; level < 5; ++level) {
    form->btCreate[static_cast<size_t>(level)]->click();
    EXPECT_EQ(form->game.Level(), level);
    form->mnLevel[static_cast<size_t>(level)]->trigger();
    EXPECT_EQ(form->game.Level(), level);
  }
  EXPECT_EQ(form->ndtxt->text().toStdString(), "レベル：最高級");
  EXPECT_TRUE(dialogs.shown.isEmpty());  // no question is asked
}

TEST_F(FormTest, NewGameOverAHalfPlayedOneResetsEverything) {
  Deal(LineWithBlanks({0, 1, 2, 40, 80}));
  SelectDigit(4);
  LeftClick(1, 1);                     // a placed 4
  form->chkcolor->setChecked(true);
  LeftClick(5, 5);                     // paint
  form->chkcolor->setChecked(false);
  form->TimeLabel1->setMS(5000);
  ASSERT_GT(LogSize(), 1u);
  ASSERT_NE(GameTestAccess::marking(form->game).at(5, 5, 0), kNoMarking);

  form->btCreate[1]->click();
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_EQ(node(5, 5)->color(), kClWhite);  // the middle box's colour, unpainted
  EXPECT_EQ(form->TimeLabel1->MS(), 0);
  EXPECT_EQ(node(1, 1)->caption(), "");
  EXPECT_FALSE(form->WC_Label->isVisible());
  EXPECT_FALSE(form->btback->isEnabled());
}

TEST_F(FormTest, RestartAskedYesAndNo) {
  Deal(SparseLine());
  SelectDigit(3);
  LeftClick(1, 1);
  LeftClick(1, 2);  // two 3s in row 1 with the clue 3: a conflict
  ASSERT_TRUE(board().HasConflict());
  form->TimeLabel1->setMS(7000);
  const std::string before = BoardToStep(board());
  const size_t lines = LogSize();

  dialogs.answers = {false};
  form->btRestart->click();
  EXPECT_EQ(dialogs.shown.last(), "confirm:" + Text("msg_restart"));
  EXPECT_EQ(BoardToStep(board()), before);
  EXPECT_EQ(LogSize(), lines);
  EXPECT_EQ(form->TimeLabel1->MS(), 7000);

  form->StartBranch();
  dialogs.answers = {true};
  form->btRestart->click();
  // The two 3s are candidates again, from the clues only.
  EXPECT_EQ(cell(1, 1).digits, "24568");
  EXPECT_EQ(cell(1, 2).digits, "12458");
  EXPECT_EQ(LogSize(), 1u);
  EXPECT_EQ(form->TimeLabel1->MS(), 0);
  EXPECT_TRUE(form->TimeLabel1->timerenabled());
  EXPECT_EQ(form->ndtxt->text(), Text("msg_ndtxt_veryeasy"));
  // Restart closes the branch: the buttons are as at the start of a game.
  EXPECT_TRUE(form->btStartBranch->isEnabled());
  EXPECT_FALSE(form->btAccept->isEnabled());
  EXPECT_FALSE(form->btRejectBranch->isEnabled());
}

TEST_F(FormTest, ClockShowsTheTimeOfItsSourceWhateverTheTicks) {
  Deal(SparseLine());
  // Lime on black, also inside the tool bar.
  const QImage shown = form->TimeLabel1->grab().toImage();
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(0, 0, 0));
  bool lime = false;
  for (int y = 0; y < shown.height(); ++y)
    for (int x = 0; x < shown.width(); ++x) lime = lime || shown.pixelColor(x, y) == QColor(0, 255, 0);
  EXPECT_TRUE(lime);
  // Through the clock's own signal, as its timer ticks; ticks only redraw,
  // so a machine too busy to tick keeps the right time.
  clock.Advance(60000);
  form->TimeLabel1->Tick();
  EXPECT_EQ(form->TimeLabel1->text(), "0:1:0");
  clock.Advance(3540000);
  form->TimeLabel1->Tick();
  EXPECT_EQ(form->TimeLabel1->text(), "1:0:0");
}

TEST_F(FormTest, SolvingByCellClickAnnouncesAndStopsTheClock) {
  Deal(LineWithBlanks({0}));
  form->StartBranch();
  SelectDigit(4);
  LeftClick(1, 1);
  EXPECT_TRUE(form->WC_Label->isVisible());
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_Puzzlesolved"));
  EXPECT_EQ(Text("msg_Puzzlesolved").toStdString(), "パズルは解きました。おめでとう！");
  EXPECT_FALSE(form->TimeLabel1->timerenabled());
  for (QToolButton* b : {form->btStartBranch, form->btAccept, form->btRejectBranch}) EXPECT_FALSE(b->isEnabled());
  // Stepping back keeps the marker and the stopped clock.
  form->btback->click();
  EXPECT_TRUE(form->WC_Label->isVisible());
  EXPECT_FALSE(form->TimeLabel1->timerenabled());
}

TEST_F(FormTest, SolvingByCandidateAnnouncesOnceAndAgainOnTheNextClick) {
  Deal(LineWithBlanks({0, 1}));
  Key(Qt::Key_F2);
  ClickCandidate(1, 1, 4, Qt::LeftButton);
  EXPECT_FALSE(form->WC_Label->isVisible());
  ClickCandidate(1, 2, 2, Qt::LeftButton);
  EXPECT_TRUE(form->WC_Label->isVisible());
  EXPECT_EQ(dialogs.shown.count("info:" + Text("msg_puzzle_solved")), 1);
  EXPECT_FALSE(form->TimeLabel1->timerenabled());
  EXPECT_TRUE(form->btStartBranch->isEnabled());  // a candidate click keeps the branch buttons
  // A click on a clue in mode None announces it again.
  Key(Qt::Key_F1);
  LeftClick(5, 5);
  EXPECT_EQ(dialogs.shown.last(), "info:" + Text("msg_Puzzlesolved"));
}

TEST_F(FormTest, AFullGridThatBreaksNoRuleIsSolvedEvenIfItDiffersFromTheSolution) {
  // Rows 1 and 2 of columns 1..3 swapped against the holder's solution.
  std::string other = kSolution;
  for (int c = 0; c < 3; ++c) std::swap(other[static_cast<size_t>(c)], other[static_cast<size_t>(9 + c)]);
  Deal(LineWithBlanks({0}));
  GameTestAccess::QJ1(form->game).SetSolution(other);  // the holder now disagrees with what will be placed
  SelectDigit(4);
  LeftClick(1, 1);
  EXPECT_TRUE(form->WC_Label->isVisible());
}

TEST_F(FormTest, DigitBarsCountPlacedAndGivenDigits) {
  Deal(LineWithBlanks({0, 9, 18, 27}));  // column 1: 4, 3, 8, 2 open
  EXPECT_EQ(form->ProgressBar[3]->value(), 8);
  EXPECT_EQ(form->ProgressBar[6]->value(), 9);
  EXPECT_EQ(form->ProgressBar[6]->BarColor(), MakeTColor(255, 0, 0));
  EXPECT_EQ(form->ProgressBar[3]->BarColor(), MakeTColor(0, 0, 255));
  SelectDigit(7);
  LeftClick(1, 1);  // a tenth 7 leaves the bar at 9
  EXPECT_EQ(form->ProgressBar[6]->value(), 9);
  // Clicking bar 6 selects digit 6 like the key.
  emit form->ProgressBar[5]->OnMouseDown(Qt::LeftButton);
  EXPECT_EQ(form->game.SelectedDigit(), 6);
  EXPECT_TRUE(form->disnote[5]->isChecked());
  // The border follows the mouse.
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(form->ProgressBar[2], &enter);
  EXPECT_EQ(form->ProgressBar[2]->BorderWidth(), 0);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form->ProgressBar[2], &leave);
  EXPECT_EQ(form->ProgressBar[2]->BorderWidth(), 1);
}

TEST_F(FormTest, DigitRowKeysSelectWhateverTheLayoutPrintsOnThem) {
  Deal(SparseLine());
  // AZERTY: the key of 2 gives "é" without Shift; its key code is the digit row's.
  QKeyEvent eacute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, 11, 0, 0, QStringLiteral("é"));
  QApplication::sendEvent(form.get(), &eacute);
  EXPECT_EQ(form->game.SelectedDigit(), 2);
  QKeyEvent shifted(QEvent::KeyPress, Qt::Key_7, Qt::ShiftModifier, 16, 0, 0, QStringLiteral("7"));
  QApplication::sendEvent(form.get(), &shifted);
  EXPECT_EQ(form->game.SelectedDigit(), 7);
  // The keypad is not the digit row.
  QKeyEvent keypad(QEvent::KeyPress, Qt::Key_3, Qt::KeypadModifier, 89, 0, 0, QStringLiteral("3"));
  QApplication::sendEvent(form.get(), &keypad);
  EXPECT_EQ(form->game.SelectedDigit(), 7);
}

TEST_F(FormTest, StatusHintsClearWhenThePointerLeaves) {
  Deal(SparseLine());
  QEvent enter(QEvent::Enter), leave(QEvent::Leave);
  QApplication::sendEvent(form->btsolve, &enter);
  EXPECT_EQ(form->sb1Panel->text(), HintOf(form->btsolve));
  QApplication::sendEvent(form->btsolve, &leave);  // onto the bar, which has no hint
  EXPECT_EQ(form->sb1Panel->text(), "");
  emit form->sd991->cellEnter(node(1, 1));
  EXPECT_FALSE(form->sb1Panel->text().isEmpty());
  emit form->sd991->cellLeave(node(1, 1));
  EXPECT_EQ(form->sb1Panel->text(), "");
  QApplication::sendEvent(form->chkcolor, &enter);
  QApplication::sendEvent(form.get(), &leave);  // out of the window
  EXPECT_EQ(form->sb1Panel->text(), "");
}
