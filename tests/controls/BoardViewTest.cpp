// The board view: layout, built-in properties, what each redraw shows, the
// hover frames, the update lock and the mouse signals.

#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "controls/TPICSD33.h"

namespace {

Cell& Put(TPICSD33& b, int row, int col, CellState state, const char* digits) {
  Cell& c = b.ownBoard().at(row, col);
  c.state = state;
  c.digits = digits;
  return c;
}

std::string ShownPanels(const TPicNode* c) {
  std::string s;
  for (int d = 1; d <= 9; ++d)
    if (c->panelShown(d)) s += static_cast<char>('0' + d);
  return s;
}

// Lets the event loop run until cond holds or timeoutMs have passed.
template <typename Cond>
bool WaitFor(Cond cond, int timeoutMs = 1000) {
  QDeadlineTimer deadline(timeoutMs);
  while (!cond()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

bool IsRed(QRgb p) { return qRed(p) == 255 && qGreen(p) == 0 && qBlue(p) == 0; }

TEST(BoardView, LayoutAndBuiltInProperties) {
  TPICSD33 b;
  EXPECT_EQ(b.size(), QSize(422, 422));
  const int starts[9] = {2, 48, 94, 142, 188, 234, 282, 328, 374};
  for (int n = 1; n <= 9; ++n) {
    EXPECT_EQ(b.node(1, n)->geometry(), QRect(starts[n - 1], 2, 46, 46)) << "column " << n;
    EXPECT_EQ(b.node(n, 1)->geometry(), QRect(2, starts[n - 1], 46, 46)) << "row " << n;
  }
  // Candidate panels are made only when needed: a new board has none.
  for (int i = 0; i < 81; ++i) EXPECT_FALSE(b.node(i / 9 + 1, i % 9 + 1)->hasPanels());
  const int offsets[3] = {2, 16, 30};
  for (int d = 1; d <= 9; ++d)
    EXPECT_EQ(b.node(5, 5)->panel(d)->geometry(), QRect(offsets[(d - 1) % 3], offsets[(d - 1) / 3], 13, 13));
  EXPECT_EQ(b.node(5, 5)->panel(7)->caption(), "7");

  EXPECT_EQ(b.look(), BoardLook());  // the component's own colours and sizes
  EXPECT_EQ(b.look().UNFoucsColor2, 16759739u);
  EXPECT_EQ(b.look().FONTColor3, 0x000080u);
  EXPECT_EQ(b.look().errorcolor, 732916u);
  EXPECT_EQ(b.model().nd, 0);
  EXPECT_FALSE(b.autotranzt());

  // Every cell starts Placed without digits, in its box colour, blank.
  for (int i = 0; i < kCells; ++i) {
    const TPicNode* c = b.node(i);
    EXPECT_EQ(c->data().state, CellState::Placed);
    EXPECT_TRUE(c->isBig());
    EXPECT_EQ(c->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(c->color(), IsEvenBox(c->row(), c->col()) ? 16759739u : 0xFFFFFFu);
    EXPECT_EQ(c->caption(), "");
    EXPECT_EQ(ShownPanels(c), "");
  }

  // The black board shows in the 2-pixel strips: column 4 starts at 142.
  const QImage img = b.grab().toImage();
  for (int x : {0, 1, 140, 141, 280, 281, 420, 421}) EXPECT_EQ(img.pixel(x, 100), qRgb(0, 0, 0)) << x;
  EXPECT_EQ(img.pixel(142, 100), qRgb(255, 255, 255));  // the bevel's highlight
  EXPECT_EQ(img.pixel(139, 100), qRgb(128, 128, 128));  // the bevel's shadow
}

TEST(BoardView, SingleCandidateIsBigInRedrawCellsButACandidateInShowAll) {
  TPICSD33 b;
  Put(b, 4, 4, CellState::Open, "7");
  const TPicNode* c = b.node(4, 4);

  b.RedrawCells();
  EXPECT_EQ(c->caption(), "7");
  EXPECT_EQ(c->cellFontSize(), b.look().FONTSize2);
  EXPECT_EQ(c->cellFontColor(), b.FONTColor2());
  EXPECT_EQ(ShownPanels(c), "");

  b.ShowAllCandidates();
  EXPECT_EQ(c->caption(), "");
  EXPECT_EQ(ShownPanels(c), "7");
  EXPECT_EQ(c->panel(7)->fontSize(), b.look().FONTSize3);
  EXPECT_EQ(c->panel(7)->fontColor(), b.look().FONTColor3);
}

TEST(BoardView, EmptyOpenCellIsBlankInEveryMode) {
  TPICSD33 b;
  Put(b, 2, 8, CellState::Open, "");
  const TPicNode* c = b.node(2, 8);
  auto blank = [&](const char* mode) {
    EXPECT_EQ(c->caption(), "") << mode;
    EXPECT_EQ(ShownPanels(c), "") << mode;
  };
  b.RedrawCells();
  blank("RedrawCells");
  b.ShowValuesOnly();
  blank("ShowValuesOnly");
  b.ShowAllCandidates();
  blank("ShowAllCandidates");
  for (int d = 1; d <= 9; ++d) {
    b.ShowCandidatesWith(d);
    blank("ShowCandidatesWith");
  }
}

TEST(BoardView, ShowCandidatesWithADigit) {
  TPICSD33 b;
  Put(b, 1, 1, CellState::Open, "1245");
  Put(b, 1, 2, CellState::Open, "2");
  Put(b, 1, 3, CellState::Open, "1349");
  Put(b, 1, 4, CellState::Given, "3");
  Put(b, 1, 5, CellState::Placed, "6");
  b.ShowAllCandidates();
  b.ShowCandidatesWith(3);
  EXPECT_EQ(ShownPanels(b.node(1, 1)), "");
  EXPECT_EQ(ShownPanels(b.node(1, 2)), "2");
  EXPECT_EQ(ShownPanels(b.node(1, 3)), "1349");
  EXPECT_EQ(b.node(1, 4)->caption(), "3");
  EXPECT_EQ(b.node(1, 4)->cellFontSize(), b.look().FONTSize1);
  EXPECT_EQ(b.node(1, 4)->cellFontColor(), b.look().FONTColor1);
  EXPECT_EQ(ShownPanels(b.node(1, 4)), "");
  EXPECT_EQ(b.node(1, 5)->caption(), "6");
  EXPECT_EQ(b.node(1, 5)->cellFontColor(), b.FONTColor2());
}

TEST(BoardView, ErrorColourSurvivesEveryRedrawUntilTheFlagClears) {
  TPICSD33 b;
  BoardLook look;
  look.errorcolor = 239;
  b.setLook(look);
  Put(b, 3, 3, CellState::Placed, "5").isError = true;
  Cell& open = Put(b, 7, 7, CellState::Open, "5");
  open.isError = true;  // a flag left from before the cell was opened
  const TPicNode* placed = b.node(3, 3);
  const TPicNode* o = b.node(7, 7);

  b.RedrawCells();
  EXPECT_EQ(placed->color(), 239u);
  EXPECT_EQ(o->caption(), "5");
  b.ShowValuesOnly();
  EXPECT_EQ(placed->color(), 239u);
  EXPECT_EQ(placed->caption(), "5");
  // ShowValuesOnly leaves an Open cell's caption to the error branch.
  EXPECT_EQ(o->caption(), "5");
  EXPECT_EQ(o->color(), 239u);
  b.ShowAllCandidates();
  EXPECT_EQ(placed->color(), 239u);
  b.ShowCandidatesWith(5);
  EXPECT_EQ(placed->color(), 239u);
  EXPECT_EQ(o->caption(), "");

  b.ownBoard().at(3, 3).isError = false;
  b.ownBoard().at(7, 7).isError = false;
  b.ShowValuesOnly();
  EXPECT_EQ(placed->color(), 0xFFFFFFu);
  EXPECT_EQ(o->color(), 0xFFFFFFu);  // box 9
  EXPECT_EQ(o->caption(), "");
}

TEST(BoardView, RedrawCellsGivesEveryCellItsStateColourAgain) {
  TPICSD33 b;
  TPicNode* c = b.node(1, 4);  // box 2
  c->setColor(0x123456);
  BoardLook look;
  look.UNFoucsColor2 = 16747403;
  b.setLook(look);
  Put(b, 1, 4, CellState::Open, "129").isError = true;
  b.RedrawCells();
  EXPECT_EQ(c->color(), look.errorcolor);
  // Once the conflict is gone, and after a change of box colour, the cell
  // and its panels show the box colour again.
  b.ownBoard().at(1, 4).isError = false;
  b.RedrawCells();
  EXPECT_EQ(c->color(), 16747403u);
  for (int d = 1; d <= 9; ++d) EXPECT_EQ(c->panel(d)->color(), 16747403u);
  // The display modes leave the panels' backgrounds alone.
  c->setcolor(0x00FFFF);
  b.ShowAllCandidates();
  EXPECT_EQ(c->panel(9)->color(), 0x00FFFFu);
}

TEST(BoardView, HoverFramesAreDrawnWhereDocumented) {
  TPICSD33 b;
  Put(b, 5, 5, CellState::Open, "5");
  b.ShowAllCandidates();
  TPicNode* c = b.node(5, 5);

  c->setIsEnter(true);
  QImage img = c->grab().toImage();
  ASSERT_EQ(img.size(), QSize(46, 46));
  for (int k = 1; k <= 44; ++k) {
    EXPECT_TRUE(IsRed(img.pixel(k, 1))) << "top " << k;
    EXPECT_TRUE(IsRed(img.pixel(k, 44))) << "bottom " << k;
    EXPECT_TRUE(IsRed(img.pixel(1, k))) << "left " << k;
    EXPECT_TRUE(IsRed(img.pixel(44, k))) << "right " << k;
  }
  for (int k = 0; k <= 45; ++k) {
    EXPECT_FALSE(IsRed(img.pixel(k, 0)) || IsRed(img.pixel(k, 45)) || IsRed(img.pixel(0, k)) ||
                 IsRed(img.pixel(45, k)))
        << "edge " << k;
    EXPECT_FALSE(IsRed(img.pixel(k, 2)) && k > 1 && k < 44) << "inside " << k;
  }
  c->setIsEnter(false);
  img = c->grab().toImage();
  EXPECT_FALSE(IsRed(img.pixel(1, 1)));

  // Candidate panel 5 sits at (16, 16); its frame runs on its top, left and
  // right one pixel in and along its bottom row.
  c->panel(5)->setIsEnter(true);
  img = c->grab().toImage();
  for (int k = 17; k <= 27; ++k) {
    EXPECT_TRUE(IsRed(img.pixel(k, 17))) << "top " << k;
    EXPECT_TRUE(IsRed(img.pixel(k, 28))) << "bottom " << k;
  }
  for (int k = 17; k <= 28; ++k) {
    EXPECT_TRUE(IsRed(img.pixel(17, k))) << "left " << k;
    EXPECT_TRUE(IsRed(img.pixel(27, k))) << "right " << k;
  }
  for (int k = 16; k <= 29; ++k) {
    EXPECT_FALSE(IsRed(img.pixel(k, 16))) << k;
    EXPECT_FALSE(IsRed(img.pixel(16, k))) << k;
    EXPECT_FALSE(IsRed(img.pixel(28, k))) << k;
    EXPECT_FALSE(IsRed(img.pixel(k, 29))) << k;
  }
  // A hidden panel draws nothing, hovered or not.
  Put(b, 5, 5, CellState::Open, "1");
  b.ShowAllCandidates();
  img = c->grab().toImage();
  EXPECT_FALSE(IsRed(img.pixel(17, 17)));
}

TEST(BoardView, PaintedColoursAndCaptionsReachThePixels) {
  TPICSD33 b;
  b.setFont(QFont("Arial"));
  Put(b, 1, 1, CellState::Given, "8").isError = true;
  Put(b, 1, 2, CellState::Open, "19");
  b.ShowAllCandidates();
  const QImage cell = b.node(1, 1)->grab().toImage();
  EXPECT_EQ(cell.pixel(10, 10), ToQColor(b.errorcolor()).rgb());
  // Some pixel of the big 8 is drawn near black on the error colour.
  bool digit = false;
  for (int y = 5; y < 41 && !digit; ++y)
    for (int x = 5; x < 41 && !digit; ++x) digit = qGray(cell.pixel(x, y)) < 60;
  EXPECT_TRUE(digit);

  b.node(1, 2)->setcolor(0x00FFFF);  // yellow candidates
  const QImage cand = b.node(1, 2)->grab().toImage();
  EXPECT_EQ(cand.pixel(3, 3), qRgb(255, 255, 0));    // panel 1
  EXPECT_EQ(cand.pixel(31, 31), qRgb(255, 255, 0));  // panel 9
  EXPECT_EQ(cand.pixel(17, 17), qRgb(255, 255, 255));  // hidden panel 5: the cell
}

class ShownBoard : public ::testing::Test {
 protected:
  void SetUp() override {
    board.setFont(QFont("Arial"));
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
  }
  // A point of the board in its window.
  QWindow* window() { return board.windowHandle(); }
  QPoint at(const TPicNode* c, QPoint inCell) { return c->geometry().topLeft() + inCell; }
  TPICSD33 board;
};

class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(ShownBoard, UpdateLockRepaintsTheChangedCellsOnceOnRelease) {
  TPicNode* changed = board.node(1, 1);
  TPicNode* other = board.node(9, 9);
  changed->panel(3);  // its panels made, as once candidates have been shown
  QTest::qWait(50);
  PaintCounter a(changed), z(other);
  {
    TPICSD33::UpdateLock outer(board);
    {
      TPICSD33::UpdateLock inner(board);
      changed->setCaption("1");
      changed->setColor(0x00FFFF);
      changed->panel(3)->setShown(true);
      changed->setIsEnter(true);
    }
    EXPECT_EQ(board.updateLockDepth(), 1);
    changed->setCaption("2");
    QTest::qWait(50);
    EXPECT_EQ(a.paints, 0);  // still held
  }
  EXPECT_EQ(board.updateLockDepth(), 0);
  EXPECT_TRUE(WaitFor([&] { return a.paints >= 1; }));
  QTest::qWait(50);
  EXPECT_EQ(a.paints, 1);
  EXPECT_EQ(z.paints, 0);
  // An unbalanced release is harmless.
  board.EndUpdate();
  EXPECT_EQ(board.updateLockDepth(), 0);
}

TEST_F(ShownBoard, MousePressesGoToTheCellOrToAShownCandidate) {
  Put(board, 2, 2, CellState::Open, "15");
  board.ShowAllCandidates();
  TPicNode* c = board.node(2, 2);
  QSignalSpy cells(&board, &TPICSD33::cellMouseDown);
  QSignalSpy cands(&board, &TPICSD33::candidateMouseDown);

  QTest::mouseClick(window(), Qt::LeftButton, {}, at(c, {23, 42}));  // below the panels
  ASSERT_EQ(cells.size(), 1);
  EXPECT_EQ(cells[0][0].value<TPicNode*>(), c);
  EXPECT_EQ(cells[0][1].value<Qt::MouseButton>(), Qt::LeftButton);

  QTest::mouseClick(window(), Qt::RightButton, {}, at(c, {22, 22}));  // panel 5
  EXPECT_EQ(cells.size(), 1);
  ASSERT_EQ(cands.size(), 1);
  EXPECT_EQ(cands[0][0].value<TPicNode*>(), c);
  EXPECT_EQ(cands[0][1].toInt(), 5);
  EXPECT_EQ(cands[0][2].value<Qt::MouseButton>(), Qt::RightButton);

  // Panel 9 is hidden: its place belongs to the cell.
  QTest::mouseClick(window(), Qt::LeftButton, {}, at(c, {36, 36}));
  EXPECT_EQ(cells.size(), 2);
  EXPECT_EQ(cands.size(), 1);

  board.setEnabled(false);
  QTest::mouseClick(window(), Qt::LeftButton, {}, at(c, {23, 42}));
  QTest::mouseClick(window(), Qt::LeftButton, {}, at(c, {22, 22}));
  EXPECT_EQ(cells.size(), 2);
  EXPECT_EQ(cands.size(), 1);
}

TEST_F(ShownBoard, ContextMenuRequestsOnlyFromCellsThatHaveOne) {
  Put(board, 3, 3, CellState::Open, "5");
  board.ShowAllCandidates();
  TPicNode* c = board.node(3, 3);
  QSignalSpy menus(&board, &TPICSD33::cellContextMenu);
  QSignalSpy cands(&board, &TPICSD33::candidateMouseDown);

  QTest::mouseClick(window(), Qt::RightButton, {}, at(c, {40, 40}));
  EXPECT_EQ(menus.size(), 0);

  c->setHasContextMenu(true);
  QTest::mouseClick(window(), Qt::RightButton, {}, at(c, {40, 40}));
  ASSERT_EQ(menus.size(), 1);
  EXPECT_EQ(menus[0][0].value<TPicNode*>(), c);
  // A right press on a candidate panel: the panel's press first, then the
  // cell's menu request (the owner decides whether it shows anything).
  QTest::mouseClick(window(), Qt::RightButton, {}, at(c, {22, 22}));
  EXPECT_EQ(cands.size(), 1);
  EXPECT_EQ(menus.size(), 2);
  QTest::mouseClick(window(), Qt::LeftButton, {}, at(c, {40, 40}));
  EXPECT_EQ(menus.size(), 2);
}

TEST_F(ShownBoard, HoverWiringFollowsThePointer) {
  board.WireHoverFrames();
  Put(board, 4, 4, CellState::Open, "5");
  board.ShowAllCandidates();
  TPicNode* c = board.node(4, 4);
  TPicNode* next = board.node(4, 5);
  QSignalSpy enters(&board, &TPICSD33::cellEnter);

  QTest::mouseMove(window(), at(c, {40, 40}));
  EXPECT_TRUE(WaitFor([&] { return c->isEnter(); }));
  EXPECT_EQ(enters.size(), 1);

  // Onto candidate 5: the cell counts as left.
  QTest::mouseMove(window(), at(c, {22, 22}));
  EXPECT_TRUE(WaitFor([&] { return c->panel(5)->isEnter(); }));
  EXPECT_TRUE(WaitFor([&] { return !c->isEnter(); }));
  // Back on the cell's own area.
  QTest::mouseMove(window(), at(c, {40, 22}));
  EXPECT_TRUE(WaitFor([&] { return c->isEnter(); }));
  EXPECT_FALSE(c->panel(5)->isEnter());
  // Straight from a panel into the next cell.
  QTest::mouseMove(window(), at(c, {22, 22}));
  EXPECT_TRUE(WaitFor([&] { return c->panel(5)->isEnter(); }));
  QTest::mouseMove(window(), at(next, {40, 40}));
  EXPECT_TRUE(WaitFor([&] { return next->isEnter(); }));
  QTest::qWait(20);
  EXPECT_FALSE(c->isEnter());
  EXPECT_FALSE(c->panel(5)->isEnter());

  board.setEnabled(false);
  const qsizetype before = enters.size();
  QTest::mouseMove(window(), at(c, {40, 40}));
  QTest::qWait(20);
  EXPECT_EQ(enters.size(), before);
  EXPECT_FALSE(c->isEnter());
}

}  // namespace
