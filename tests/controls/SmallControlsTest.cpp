// The digit bar and the clock.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"

namespace {

TEST(DigitBar, EnterLeaveAndPress) {
  Tmousepb bar;
  QSignalSpy enter(&bar, &Tmousepb::OnMouseEnter);
  QSignalSpy leave(&bar, &Tmousepb::OnMouseLeave);
  QSignalSpy down(&bar, &Tmousepb::OnMouseDown);

  QEnterEvent in(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(&bar, &in);
  EXPECT_EQ(enter.size(), 1);
  EXPECT_EQ(leave.size(), 0);
  QEvent out(QEvent::Leave);
  QApplication::sendEvent(&bar, &out);
  EXPECT_EQ(leave.size(), 1);
  // The bar only reports; its owner changes the border (the main window's
  // test checks that wiring).
  EXPECT_EQ(bar.BorderWidth(), 1);

  QTest::mouseClick(&bar, Qt::RightButton);
  ASSERT_EQ(down.size(), 1);
  EXPECT_EQ(down[0][0].value<Qt::MouseButton>(), Qt::RightButton);
}

TEST(DigitBar, ColourBorderAndFill) {
  Tmousepb bar;
  bar.setOrientation(Qt::Vertical);
  bar.setRange(0, 9);
  bar.resize(11, 78);
  bar.setValue(3);
  bar.setBarColor(MakeTColor(0, 0, 255));
  QImage img = bar.grab().toImage();
  EXPECT_EQ(img.pixel(5, 76), qRgb(0, 0, 255));     // a third from the bottom
  EXPECT_EQ(img.pixel(5, 3), qRgb(255, 255, 255));  // the empty trough
  EXPECT_NE(img.pixel(0, 40), qRgb(255, 255, 255));  // the border

  bar.setValue(9);
  bar.setBarColor(MakeTColor(255, 0, 0));
  bar.setBorderWidth(0);
  EXPECT_EQ(bar.BarColor(), MakeTColor(255, 0, 0));
  img = bar.grab().toImage();
  for (QPoint p : {QPoint(0, 0), QPoint(5, 1), QPoint(10, 77), QPoint(5, 40)})
    EXPECT_EQ(img.pixel(p), qRgb(255, 0, 0)) << p.x() << "," << p.y();
}

TEST(Clock, CaptionsAndTicksThatTheOwnerCounts) {
  TTimeLabel clock;
  EXPECT_EQ(clock.text(), "0:00:00");
  EXPECT_EQ(clock.width(), 80);
  EXPECT_TRUE(clock.font().bold());
  EXPECT_EQ(clock.font().pixelSize(), 15);  // 11 points
  EXPECT_EQ(clock.alignment(), Qt::AlignCenter);
  EXPECT_EQ(clock.palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(clock.palette().color(QPalette::WindowText), QColor(0, 255, 0));
  EXPECT_FALSE(clock.timerenabled());

  // A tick is only reported: the owner counts (the main window's test
  // ticks the clock through its handler).
  QSignalSpy ticks(&clock, &TTimeLabel::OnTimer);
  clock.settimeinterval(100);
  clock.setMS(0);
  EXPECT_EQ(clock.text(), "0:0:0");
  clock.Tick();
  EXPECT_EQ(ticks.size(), 1);
  EXPECT_EQ(clock.MS(), 0);

  clock.setMS(60000);
  EXPECT_EQ(clock.text(), "0:1:0");
  clock.setMS(3723999);
  EXPECT_EQ(clock.text(), "1:2:3");
  clock.setMS(5 * 1000 + 7 * 60 * 1000);
  EXPECT_EQ(clock.text(), "0:7:5");
  EXPECT_EQ(TTimeLabel::Caption(100 * 3600 * 1000 + 12000), "100:0:12");
}

TEST(Clock, TheOwnedTimerTicks) {
  TTimeLabel clock;
  QSignalSpy ticks(&clock, &TTimeLabel::OnTimer);
  clock.settimeinterval(5);
  clock.settimerenabled(true);
  EXPECT_TRUE(clock.timerenabled());
  EXPECT_TRUE(ticks.wait(1000));
  clock.settimerenabled(false);
  EXPECT_FALSE(clock.timerenabled());
  const qsizetype n = ticks.size();
  QTest::qWait(30);
  EXPECT_EQ(ticks.size(), n);
}

}  // namespace
