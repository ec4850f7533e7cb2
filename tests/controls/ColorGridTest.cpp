// The marking palette: orderings, labels, mouse and keys.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/TColorGrid.h"

namespace {

TEST(ColorGrid, OrderingsAndTrimmedSize) {
  TColorGrid g;
  EXPECT_EQ(g.GridOrdering(), TColorGrid::go4x4);
  EXPECT_EQ(g.size(), QSize(100, 100));
  EXPECT_EQ(g.cellSize(), QSize(25, 25));

  g.setGridOrdering(TColorGrid::go8x2);
  EXPECT_EQ(g.columns(), 8);
  EXPECT_EQ(g.rows(), 2);
  EXPECT_EQ(g.cellSize(), QSize(12, 50));
  EXPECT_EQ(g.size(), QSize(96, 100));
  // Index 11 is at column 3 of row 1.
  EXPECT_EQ(g.cellRect(11), QRect(36, 50, 12, 50));
  EXPECT_EQ(g.cellAt(QPoint(36 + 6, 50 + 25)), 11);
  // And painted there in yellow.
  const QImage img = g.grab().toImage();
  EXPECT_EQ(img.pixel(36 + 3, 50 + 3), qRgb(255, 255, 0));

  g.setGridOrdering(TColorGrid::go16x1);
  EXPECT_EQ(g.columns(), 16);
  EXPECT_EQ(g.rows(), 1);
  g.setGridOrdering(TColorGrid::go1x16);
  EXPECT_EQ(g.columns(), 1);
  EXPECT_EQ(g.rows(), 16);

  // The main window's palette.
  TColorGrid m;
  m.resize(96, 100);
  EXPECT_EQ(m.size(), QSize(96, 100));
  EXPECT_EQ(m.cellSize(), QSize(24, 25));
  m.show();
  m.resize(99, 103);
  EXPECT_EQ(m.size(), QSize(96, 100));
}

TEST(ColorGrid, ColoursLabelsAndLabelColours) {
  EXPECT_EQ(TColorGrid::PaletteColour(1), MakeTColor(128, 0, 0));
  EXPECT_EQ(TColorGrid::PaletteColour(7), MakeTColor(192, 192, 192));
  EXPECT_EQ(TColorGrid::PaletteColour(11), MakeTColor(255, 255, 0));
  EXPECT_EQ(TColorGrid::PaletteColour(14), MakeTColor(0, 255, 255));
  EXPECT_EQ(TColorGrid::LabelColour(MakeTColor(255, 255, 0)), MakeTColor(0, 0, 255));
  EXPECT_EQ(TColorGrid::LabelColour(MakeTColor(128, 128, 128)), MakeTColor(0, 0, 0));
  EXPECT_EQ(TColorGrid::LabelColour(MakeTColor(0, 0, 128)), MakeTColor(255, 255, 0));
  EXPECT_EQ(TColorGrid::LabelColour(MakeTColor(127, 0, 0)), MakeTColor(255, 255, 255));

  TColorGrid g;
  g.setForegroundIndex(11);
  g.setBackgroundIndex(4);
  EXPECT_EQ(g.ForegroundColor(), MakeTColor(255, 255, 0));
  EXPECT_EQ(g.labelOf(11), "FG");
  EXPECT_EQ(g.labelOf(4), "BG");
  EXPECT_EQ(g.labelOf(5), "");
  g.setBackgroundIndex(11);
  EXPECT_EQ(g.labelOf(11), "FB");
  g.setBackgroundEnabled(false);
  EXPECT_EQ(g.labelOf(11), "FG");
  g.setForegroundEnabled(false);
  EXPECT_EQ(g.labelOf(11), "");

  // The FG label on yellow is drawn in blue.
  TColorGrid h;
  h.setForegroundIndex(11);
  const QImage img = h.grab().toImage();
  const QRect r = h.cellRect(11);
  bool blue = false;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) blue = blue || img.pixel(x, y) == qRgb(0, 0, 255);
  EXPECT_TRUE(blue);
}

TEST(ColorGrid, MouseButtons) {
  TColorGrid g;  // 4 x 4 cells of 25 pixels
  QSignalSpy changes(&g, &TColorGrid::OnChange);
  QSignalSpy clicks(&g, &TColorGrid::OnClick);

  QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(60, 10));
  EXPECT_EQ(g.ForegroundIndex(), 2);
  EXPECT_EQ(g.Selection(), 2);
  QTest::mouseMove(&g, QPoint(60, 60));  // dragging keeps choosing
  EXPECT_EQ(g.ForegroundIndex(), 10);
  QTest::mouseMove(&g, QPoint(-30, 500));  // clamped into the control
  EXPECT_EQ(g.ForegroundIndex(), 12);
  QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(-30, 500));
  EXPECT_EQ(changes.size(), 3);
  EXPECT_EQ(clicks.size(), 1);

  QTest::mouseClick(&g, Qt::RightButton, {}, QPoint(90, 90));
  EXPECT_EQ(g.BackgroundIndex(), 15);
  QTest::mouseClick(&g, Qt::RightButton, {}, QPoint(10, 35));
  EXPECT_EQ(g.BackgroundIndex(), 4);
  EXPECT_EQ(clicks.size(), 3);

  // As in the main window: the right button only moves the selection.
  g.setBackgroundEnabled(false);
  changes.clear();
  QTest::mouseClick(&g, Qt::RightButton, {}, QPoint(35, 35));
  EXPECT_EQ(g.Selection(), 5);
  EXPECT_EQ(g.BackgroundIndex(), 4);
  EXPECT_EQ(changes.size(), 0);
  // Unless a click may switch the choice back on.
  g.setClickEnablesColor(true);
  QTest::mouseClick(&g, Qt::RightButton, {}, QPoint(35, 35));
  EXPECT_TRUE(g.BackgroundEnabled());
  EXPECT_EQ(g.BackgroundIndex(), 5);
  EXPECT_EQ(changes.size(), 1);
}

TEST(ColorGrid, Keys) {
  TColorGrid g;  // 4 x 4
  auto key = [&](Qt::Key k) { QTest::keyClick(&g, k); };
  g.setSelection(15);
  key(Qt::Key_Right);
  EXPECT_EQ(g.Selection(), 0);
  key(Qt::Key_Left);
  EXPECT_EQ(g.Selection(), 15);
  key(Qt::Key_Space);
  EXPECT_EQ(g.Selection(), 0);
  key(Qt::Key_Up);  // from the first cell to the last
  EXPECT_EQ(g.Selection(), 15);
  key(Qt::Key_Down);  // from the last cell to the first
  EXPECT_EQ(g.Selection(), 0);
  g.setSelection(2);
  key(Qt::Key_Up);  // top row: the previous column's bottom cell
  EXPECT_EQ(g.Selection(), 13);
  key(Qt::Key_Up);
  EXPECT_EQ(g.Selection(), 9);
  g.setSelection(13);
  key(Qt::Key_Down);  // bottom row: the next column's top cell
  EXPECT_EQ(g.Selection(), 2);
  key(Qt::Key_End);
  EXPECT_EQ(g.Selection(), 15);
  key(Qt::Key_Home);
  EXPECT_EQ(g.Selection(), 0);

  QSignalSpy changes(&g, &TColorGrid::OnChange);
  QSignalSpy clicks(&g, &TColorGrid::OnClick);
  g.setSelection(6);
  key(Qt::Key_F);
  EXPECT_EQ(g.ForegroundIndex(), 6);
  key(Qt::Key_B);
  EXPECT_EQ(g.BackgroundIndex(), 6);
  EXPECT_EQ(changes.size(), 2);
  EXPECT_EQ(clicks.size(), 2);

  g.setForegroundEnabled(false);
  g.setSelection(7);
  key(Qt::Key_F);
  EXPECT_EQ(g.ForegroundIndex(), 6);
  g.setClickEnablesColor(true);
  key(Qt::Key_F);
  EXPECT_TRUE(g.ForegroundEnabled());
  EXPECT_EQ(g.ForegroundIndex(), 7);

  // In 8 x 2 the rows are 8 long.
  g.setGridOrdering(TColorGrid::go8x2);
  g.setSelection(3);
  key(Qt::Key_Down);
  EXPECT_EQ(g.Selection(), 11);
  key(Qt::Key_Down);
  EXPECT_EQ(g.Selection(), 4);
}

}  // namespace
