// The solver's developer bench.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "controls/FrmSol.h"
#include "controls/TSD33.h"
#include "core/Tfrm_sol.h"
#include "support/ScriptedDialogs.h"

namespace {

std::string Shown(const TSD33* so) {
  std::string s;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const QString t = so->node(r, c)->text();
      s += t.size() == 1 ? t.toStdString() : std::string("[") + t.toStdString() + "]";
    }
  return s;
}

TEST(FrmSol, WindowAndSetTable) {
  FrmSol w;
  EXPECT_EQ(w.objectName(), "frm_sol");
  EXPECT_EQ(w.windowTitle(), "frm_sol");
  EXPECT_EQ(w.so->size(), QSize(400, 400));
  EXPECT_EQ(w.Edit1->text(),
            "********3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*");
  EXPECT_EQ(w.btsettable->text(), "Set Table");
  EXPECT_EQ(w.Button1->text(), "solver");
  EXPECT_EQ(w.Button2->text(), "show da");
  EXPECT_EQ(w.Button3->text(), "clear");

  w.Edit1->setText("55");
  QTest::mouseClick(w.btsettable, Qt::LeftButton);
  EXPECT_EQ(w.board().at(1, 1).text, "5");
  EXPECT_EQ(w.so->node(1, 3)->text(), "123456789");
  EXPECT_EQ(w.so->node(1, 1)->background(), TSD33::kErrorColour);
  EXPECT_EQ(w.so->node(1, 2)->background(), TSD33::kErrorColour);

  QTest::mouseClick(w.Button3, Qt::LeftButton);
  std::string empty;
  for (int i = 0; i < 81; ++i) empty += "[]";
  EXPECT_EQ(Shown(w.so), empty);
  EXPECT_EQ(w.board().at(1, 1).text, "");
}

TEST(FrmSol, SolverRunsOffTheWindowAndShowsTheGrid) {
  ScriptedDialogs dialogs;
  FrmSol w;
  QSignalSpy done(&w, &FrmSol::solveFinished);

  QTest::mouseClick(w.Button1, Qt::LeftButton);
  EXPECT_TRUE(w.solving());
  EXPECT_FALSE(w.Button1->isEnabled());
  EXPECT_FALSE(w.btsettable->isEnabled());
  ASSERT_TRUE(done.wait(10000));
  EXPECT_EQ(done[0][0].toInt(), 0);
  EXPECT_TRUE(w.Button1->isEnabled());
  EXPECT_EQ(dialogs.shown, QStringList{"info:OK"});
  EXPECT_EQ(Shown(w.so),
            "426875913357291864819346257231687549574139628968452731742963185693518472185724396");
  EXPECT_EQ(w.engine().GridText(),
            "426875913357291864819346257231687549574139628968452731742963185693518472185724396");

  QTest::mouseClick(w.Button3, Qt::LeftButton);
  QTest::mouseClick(w.Button2, Qt::LeftButton);  // "show da" shows the grid again
  EXPECT_EQ(Shown(w.so),
            "426875913357291864819346257231687549574139628968452731742963185693518472185724396");

  // A full grid is not solved: the message, then the text itself.
  const std::string full = "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
  w.Edit1->setText(QString::fromStdString(full));
  QTest::mouseClick(w.Button1, Qt::LeftButton);
  ASSERT_TRUE(done.wait(10000));
  EXPECT_EQ(done[1][0].toInt(), 1);
  EXPECT_EQ(dialogs.shown.last(), "info:解不出来");
  EXPECT_EQ(Shown(w.so), full);
}

TEST(FrmSol, ClosingTheWindowDuringASearchIsSafe) {
  ScriptedDialogs dialogs;
  {
    FrmSol w;
    QTest::mouseClick(w.Button1, Qt::LeftButton);
  }
  QTest::qWait(200);  // the search's result has nowhere to go
  EXPECT_TRUE(dialogs.shown.isEmpty());
}

}  // namespace
