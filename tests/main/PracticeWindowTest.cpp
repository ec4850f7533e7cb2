// New Game > Practice: its place, its items' names in each language, and an
// item dealing a practice game whose technique the level label names.

#include <QAction>

#include "main/FormFixture.h"

namespace {

// Pointing lines (the first two of the practice bank); the draws pick the second.
const std::string kPointing1 =
    "162CIHDGEDHGAFE2CI93E74BFHAEIA4GC8F26DCB8I1E77BHE1F3IDHED93AGBFBGFHED9ACC1IFBGE48";
const std::string kPointing2 =
    "9HC7ABEDFE16HDCGBIDBGFI5CHAFIHE3A2GD7DE2HF1ICAC2D79FE82GA9F84C58FDCEGIA2CEIAB4H6G";

QAction* Item(TForm1& form, const char* stem) {
  return form.findChild<QAction*>(QString("mnPractice_") + stem);
}

}  // namespace

TEST_F(FormTest, PracticeMenuFollowsTheDocumentedItemsAndTheLanguage) {
  QMenu* newGame = form->findChild<QMenu*>("mnNewGame");
  ASSERT_NE(newGame, nullptr);
  const auto actions = newGame->actions();
  ASSERT_EQ(actions.size(), 9);
  EXPECT_EQ(actions[7]->objectName(), "N22");
  EXPECT_TRUE(actions[7]->isSeparator());
  ASSERT_NE(actions[8]->menu(), nullptr);
  EXPECT_EQ(actions[8]->menu()->objectName(), "mnPractice");
  // One item per technique with puzzles, easiest first.
  QStringList names;
  for (QAction* a : actions[8]->menu()->actions()) names << a->objectName();
  EXPECT_EQ(names, (QStringList{"mnPractice_pointing", "mnPractice_claiming", "mnPractice_nakedpair",
                                "mnPractice_hiddenpair", "mnPractice_nakedtriple", "mnPractice_hiddentriple",
                                "mnPractice_nakedquad", "mnPractice_hiddenquad", "mnPractice_xwing",
                                "mnPractice_skyscraper", "mnPractice_twostringkite", "mnPractice_xywing",
                                "mnPractice_xyzwing", "mnPractice_wwing", "mnPractice_swordfish",
                                "mnPractice_simplecolouring", "mnPractice_jellyfish", "mnPractice_xcycle",
                                "mnPractice_xchain", "mnPractice_xychain", "mnPractice_aic"}));
  EXPECT_EQ(Item(*form, "remotepairs"), nullptr);  // none within the limit
  // Named in the active language, and again after a change.
  EXPECT_EQ(actions[8]->text(), "テクニックの練習");
  EXPECT_EQ(Item(*form, "pointing")->text(), "ポインティング");
  ASSERT_TRUE(form->SetLanguage("en", false));
  EXPECT_EQ(actions[8]->text(), "Practice");
  EXPECT_EQ(Item(*form, "pointing")->text(), "Pointing");
  EXPECT_EQ(Item(*form, "xwing")->text(), "X-Wing");
  ASSERT_TRUE(form->SetLanguage("zh", false));
  EXPECT_EQ(actions[8]->text(), "技巧练习");
  EXPECT_EQ(Item(*form, "pointing")->text(), "宫区块");
}

TEST_F(FormTest, APracticeItemDealsAPracticeGameThatTheLabelNames) {
  ASSERT_TRUE(form->SetLanguage("en", false));
  Tfrmtk bank({{kPointing1}, {kPointing1}, {kPointing1}, {kPointing1}, {kPointing1}});
  bank.SetPractice(Technique::Pointing, {kPointing1, kPointing2});
  bank.SetPractice(Technique::AlternatingInferenceChain, {kPointing1});
  form->game.SetBank(bank);
  form->game.SetRandom(std::make_unique<ScriptedRandom>(std::deque<int>{1}));
  Item(*form, "pointing")->trigger();
  EXPECT_EQ(form->game.PracticeTechnique(), Technique::Pointing);
  EXPECT_EQ(form->game.Level(), 2);
  EXPECT_TRUE(form->sd991->isEnabled());
  std::string givens;
  for (char ch : kPointing2) givens += ch <= '9' ? ch : '0';
  EXPECT_EQ(board().GetGivens(), givens);
  EXPECT_EQ(form->ndtxt->text(), "Practice: Pointing");
  EXPECT_EQ(form->ndtxt->toolTip(), "Practice: Pointing");
  // A name too long for the label is shortened there and whole in its tip.
  Item(*form, "aic")->trigger();
  EXPECT_EQ(form->game.PracticeTechnique(), Technique::AlternatingInferenceChain);
  EXPECT_EQ(form->ndtxt->toolTip(), "Practice: Alternating Inference Chain");
  EXPECT_TRUE(form->ndtxt->text().startsWith("Practice: Alt")) << form->ndtxt->text().toStdString();
  EXPECT_TRUE(form->ndtxt->text().endsWith(QChar(0x2026))) << form->ndtxt->text().toStdString();
  // A bank game says its level again, without a tip.
  form->mnLevel[3]->trigger();
  EXPECT_EQ(form->game.PracticeTechnique(), std::nullopt);
  EXPECT_EQ(form->ndtxt->text(), "Level: Tough");
  EXPECT_EQ(form->ndtxt->toolTip(), "");
}
