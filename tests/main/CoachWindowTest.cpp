// The coach in the main window: its wiring (H, the tool button, the menu),
// the panel's place beside the board, and the drawing on the board.

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "core/StepLine.h"
#include "main/CoachPanel.h"
#include "main/FormFixture.h"

namespace {

class CoachWindowTest : public FormTest {
 protected:
  // A Very Easy deal whose row A has one open cell: a full house.
  void DealFullHouse() {
    Deal(LineWithBlanks({8, 20, 40}));
    SelectDigit(1);
  }
};

}  // namespace

TEST_F(CoachWindowTest, FourPressesOfHPlaceOneCorrectDigitAsOneLoggedStep) {
  DealFullHouse();
  const QSize documented = form->size();
  Key(Qt::Key_H);
  EXPECT_TRUE(form->coachPanel->isVisible());
  EXPECT_EQ(form->size().width(), documented.width() + CoachPanel::kWidth);
  // The panel stands right of the board and never covers it.
  EXPECT_GE(form->coachPanel->geometry().left(), form->Panel1->geometry().right());
  EXPECT_EQ(form->game.CoachLevel(), 1);
  EXPECT_FALSE(form->coachOverlay->isVisible());
  Key(Qt::Key_H);
  EXPECT_EQ(form->game.CoachLevel(), 2);
  EXPECT_EQ(form->coachOverlay->Drawing().tinted.size(), 9u);
  Key(Qt::Key_H);
  EXPECT_EQ(form->game.CoachLevel(), 3);
  EXPECT_EQ(form->coachOverlay->Drawing().rings, (std::vector<std::pair<int, int>>{{8, 3}}));
  const std::size_t steps = LogSize();
  Key(Qt::Key_H);
  EXPECT_EQ(form->game.CoachLevel(), 0);
  EXPECT_EQ(cell(1, 9).state, CellState::Placed);
  EXPECT_EQ(cell(1, 9).digits, "3");
  EXPECT_EQ(LogSize(), steps + 1);
  EXPECT_FALSE(form->coachOverlay->isVisible());

  // Escape closes the panel and the window takes its documented size again.
  Key(Qt::Key_Escape);
  EXPECT_FALSE(form->coachPanel->isVisible());
  EXPECT_EQ(form->size(), documented);
}

TEST_F(CoachWindowTest, AChangeEndsTheLadderAndTheButtonsWorkLikeTheKey) {
  DealFullHouse();
  form->btCoach->click();
  QTest::mouseClick(form->coachPanel->btMore, Qt::LeftButton);
  EXPECT_EQ(form->game.CoachLevel(), 2);
  EXPECT_TRUE(form->coachOverlay->isVisible());
  SelectDigit(5);  // a change of the digit
  EXPECT_EQ(form->game.CoachLevel(), 0);
  EXPECT_FALSE(form->coachOverlay->isVisible());
  EXPECT_EQ(form->coachPanel->Text(), Text("coach_press"));
  form->mnCoach->trigger();
  EXPECT_EQ(form->game.CoachLevel(), 1);
  QTest::mouseClick(form->coachPanel->btClose, Qt::LeftButton);
  EXPECT_FALSE(form->coachPanel->isVisible());
  EXPECT_EQ(form->game.CoachLevel(), 0);
}

TEST_F(CoachWindowTest, TheMoveIsDrawnWithARingAndStrokesOnTheBoard) {
  DealFullHouse();
  form->SelectMode(DisplayMode::All);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_H);
  QApplication::processEvents();
  // The ring around the 3 of A9: the drawing's green where no cell is green.
  const QImage shot = form->sd991->grab().toImage();
  const QRect a9(form->sd991->node(1, 9)->mapTo(form->sd991, QPoint(0, 0)), form->sd991->node(1, 9)->size());
  int ringPixels = 0;
  for (int y = a9.top(); y <= a9.bottom(); ++y)
    for (int x = a9.left(); x <= a9.right(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      ringPixels += c.green() > 100 && c.red() < 60 && c.blue() < 90;
    }
  EXPECT_GT(ringPixels, 10);
}

TEST_F(CoachWindowTest, PauseCoversTheBoardAndAnyKeyResumesDoingNothingElse) {
  DealFullHouse();
  Key(Qt::Key_P);
  EXPECT_TRUE(form->game.Paused());
  EXPECT_TRUE(form->pauseCover->isVisible());
  EXPECT_EQ(form->pauseCover->geometry(), form->Panel1->rect());  // the whole board, labels included
  EXPECT_TRUE(form->btPause->isChecked());
  const std::size_t steps = LogSize();
  Key(Qt::Key_5);  // resumes, and selects no digit
  EXPECT_FALSE(form->game.Paused());
  EXPECT_FALSE(form->pauseCover->isVisible());
  EXPECT_EQ(form->game.SelectedDigit(), 1);
  EXPECT_EQ(LogSize(), steps);
  // Our modal windows pause the game while they are open.
  bool pausedInside = false;
  dialogs.onModal = [&](QDialog*) {
    pausedInside = form->game.Paused();
    return 0;
  };
  form->mnAppearanceClick();
  EXPECT_TRUE(pausedInside);
  EXPECT_FALSE(form->game.Paused());
}
