// Check Error's count in the status bar, and the names and roles screen
// readers are given for the digit bars and the tool-bar separators.

#include <QAccessible>

#include "main/FormFixture.h"

namespace {

QAccessibleInterface* Accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }

}  // namespace

TEST_F(FormTest, CheckErrorCountsTheWrongPlacedDigitsInTheStatusBar) {
  Deal(LineWithBlanks({0, 1, 80}));
  form->btcheck->click();
  EXPECT_EQ(form->sbNotice->text(), "間違った数字はありません");
  SelectDigit(9);
  LeftClick(1, 1);
  LeftClick(1, 2);
  form->btcheck->click();
  EXPECT_EQ(form->sbNotice->text(), "間違った数字：2 個");
}

TEST_F(FormTest, DigitBarsAreNamedAndSeparatorsAreNoButtons) {
  Deal(LineWithBlanks({0, 1, 80}));
  QAccessibleInterface* bar = Accessible(form->ProgressBar[3]);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->text(QAccessible::Name), "4：9 個中 8 個配置");
  SelectDigit(4);
  LeftClick(1, 1);
  EXPECT_EQ(bar->text(QAccessible::Name), "4：9 個中 9 個配置");
  EXPECT_EQ(Accessible(form->ProgressBar[5])->text(QAccessible::Name), "6：9 個中 8 個配置");
  for (const char* name : {"ToolButton17", "ToolButton18", "ToolButton3", "ToolButton13", "ToolButton10"}) {
    auto* separator = form->findChild<QToolButton*>(name);
    ASSERT_NE(separator, nullptr) << name;
    EXPECT_EQ(Accessible(separator)->role(), QAccessible::Separator) << name;
  }
  EXPECT_EQ(Accessible(form->btcheck)->role(), QAccessible::Button);
}
