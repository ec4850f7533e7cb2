// New Game > Practice: games whose hardest technique is the one chosen.

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>

#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/HintWords.h"
#include "shell/LanguageEvents.h"

void TForm1::CreatePracticeMenu(QMenu* newGame) {
  newGame->addSeparator()->setObjectName("N22");
  mnPractice = newGame->addMenu("Practice");
  mnPractice->setObjectName("mnPractice");
  // Only techniques with puzzles: a rare one the generator hardly finds is
  // not offered rather than offered empty.
  for (Technique t : game.PracticeTechniques()) {
    QAction* a = mnPractice->addAction(QString::fromLatin1(TechniqueName(t)));
    // Named by key, so tests and screenshots find it; no ".caption" key
    // exists for it, so the language routine leaves its text to us.
    a->setObjectName(QString::fromStdString("mnPractice_" + std::string(TechniqueStem(t))));
    connect(a, &QAction::triggered, this, [this, t] { NewPractice(t); });
    practiceItems.emplace_back(t, a);
  }
  mnPractice->menuAction()->setEnabled(!practiceItems.empty());
  connect(&AppLanguageEvents(), &LanguageEvents::changed, this, &TForm1::NamePracticeItems);
}

void TForm1::NamePracticeItems() {
  for (const auto& [t, a] : practiceItems) a->setText(TextOf(lst1, TechniqueKeyStem(t)));
}

void TForm1::NewPractice(Technique t) {
  StartNewGame([&] { return game.NewPractice(t); });
}

void TForm1::ShowPracticeCaption() {
  const std::string argument = game.LevelCaptionArgument();
  if (argument.empty()) {
    ndtxt->setToolTip(HintOf(ndtxt));
    return;
  }
  const QString full = TextOf(lst1, game.LevelCaption()).arg(TextOf(lst1, argument));
  const int room = ndtxt->width() - ndtxt->indent() - 2 * ndtxt->margin();
  ndtxt->setText(QFontMetrics(ndtxt->font()).elidedText(full, Qt::ElideRight, room));
  ndtxt->setToolTip(full);
}
