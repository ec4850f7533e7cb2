// The coach: the hint ladder in its panel and on the board, the first
// mistake of the log and the solving path.

#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

#include "controls/TPICSD33.h"
#include "main/CoachPanel.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/Dialogs.h"
#include "shell/HintWords.h"
#include "storage/GamesStore.h"

namespace {

std::vector<int> UnitCells(int unit) {
  std::vector<int> cells;
  for (int k = 0; k < 9; ++k) {
    if (unit < 9) cells.push_back(unit * 9 + k);
    else if (unit < 18) cells.push_back(k * 9 + unit - 9);
    else cells.push_back(((unit - 18) / 3 * 3 + k / 3) * 9 + (unit - 18) % 3 * 3 + k % 3);
  }
  return cells;
}

// What the board shows at a level of the ladder.
CoachDrawing DrawingOf(const Hint& h, int level, const Board& board) {
  CoachDrawing d;
  if (level < 2) return d;
  std::vector<int> units = h.units;
  if (units.empty() && !h.cells.empty()) units = {18 + (RowOf(h.cells.front()) - 1) / 3 * 3 + (ColOf(h.cells.front()) - 1) / 3};
  for (int u : units)
    for (int c : UnitCells(u)) d.tinted.push_back(c);
  if (level < 3) return d;
  switch (h.kind) {
    case HintKind::Step:
      d.framed = h.pattern;
      for (const CellDigit& c : h.chain) d.causes.emplace_back(c.cell, c.digit);
      if (h.chain.empty())
        for (int cell : h.pattern)
          for (int digit : h.digits)
            if (board.cell(cell).isOpen() && board.cell(cell).digits.find(static_cast<char>('0' + digit)) != std::string::npos)
              d.causes.emplace_back(cell, digit);
      for (const CellDigit& p : h.placements) d.rings.emplace_back(p.cell, p.digit);
      for (const CellDigit& e : h.eliminations) d.strokes.emplace_back(e.cell, e.digit);
      break;
    case HintKind::MissingCandidate:
      for (std::size_t i = 0; i < h.cells.size() && i < h.digits.size(); ++i) d.rings.emplace_back(h.cells[i], h.digits[i]);
      d.framed = h.cells;
      break;
    case HintKind::WrongDigit:
    case HintKind::Stuck:
      d.framed = h.cells;
      break;
    case HintKind::Invalid:
    case HintKind::Solved:
      break;
  }
  return d;
}

}  // namespace

void TForm1::CreateCoach() {
  coachPanel = new CoachPanel(centralWidget());
  coachPanel->setGeometry(kCoachLeft, 31, CoachPanel::kWidth - 6, 458);
  coachPanel->hide();
  coachOverlay = new CoachOverlay(sd991);
  connect(coachPanel->btMore, &QPushButton::clicked, this, &TForm1::btCoachClick);
  connect(coachPanel->btClose, &QPushButton::clicked, this, &TForm1::CloseCoach);
  connect(coachPanel->btShowAll, &QPushButton::clicked, this, [this] { SelectMode(DisplayMode::All); });
}

void TForm1::SetClientWidth(int width) {
  centralWidget()->setFixedWidth(width);
  sb1->setFixedWidth(width);
  setFixedSize(width, height());
}

void TForm1::OpenCoachPanel() {
  if (coachPanel->isVisible()) return;
  // The window grows to the right: the panel never covers the board.
  SetClientWidth(kCoachLeft + CoachPanel::kWidth);
  coachPanel->show();
}

void TForm1::CloseCoach() {
  game.EndCoach();
  coachNote_.clear();
  coachOverlay->SetDrawing({});
  if (!coachPanel->isVisible()) return;
  coachPanel->hide();
  SetClientWidth(kCoachLeft);
}

void TForm1::btCoachClick() {
  if (!game.InProgress()) return;
  OpenCoachPanel();
  const GameOutcome outcome = game.CoachNext();
  coachNote_ = outcome.message.starts_with("coach_") ? TextOf(lst1, outcome.message) : QString();
  Refresh();
  if (!outcome.message.starts_with("coach_")) Announce(outcome);
  if (outcome.solved) mnSolvingPathClick();
}

void TForm1::ShowCoach() {
  if (!coachPanel) return;
  const int level = game.CoachLevel();
  if (mistakeCell_ >= 0) {
    // The first mistake stays framed until the next change.
    CoachDrawing frame;
    frame.framed = {mistakeCell_};
    coachOverlay->SetDrawing(frame);
    mistakeCell_ = -1;
    return;
  }
  coachOverlay->SetDrawing(DrawingOf(game.CoachHint(), level, game.board()));
  if (!coachPanel->isVisible()) return;
  const Hint& hint = game.CoachHint();
  QString text = TextOf(lst1, "coach_press");
  if (level > 0) {
    const HintTexts words = HintWords(hint, lst1);
    text = QString::fromStdString(level == 1 ? words.nudge : level == 2 ? words.where : words.move);
    const bool appliable = hint.kind != HintKind::Solved && hint.kind != HintKind::Invalid && !hint.needsCandidates;
    if (level == 3 && appliable) text += "\n\n" + TextOf(lst1, "coach_apply");
  }
  if (!coachNote_.isEmpty()) text += "\n\n" + coachNote_;
  const QString title = TextOf(lst1, "coach_title") + (level > 0 ? QStringLiteral("  %1/3").arg(level) : QString());
  coachPanel->SetText(title, text);
  coachPanel->btMore->setText(TextOf(lst1, level == 0 ? "coach_hint" : level < 3 ? "coach_more" : "coach_move"));
  coachPanel->btClose->setText(TextOf(lst1, "coach_close"));
  coachPanel->btShowAll->setText(TextOf(lst1, "coach_showall"));
  coachPanel->btShowAll->setVisible(level > 0 && hint.needsCandidates);
}

void TForm1::mnFirstMistakeClick() {
  if (!game.InProgress()) return;
  Mistake m;
  const bool found = game.GoToFirstMistake(&m);
  QString text;
  if (game.QJ1().GetSolution().empty())
    text = TextOf(lst1, "coach_mistake_nosolution");
  else if (!found)
    text = TextOf(lst1, "coach_mistake_none");
  else
    text = TextOf(lst1, m.removed ? "coach_mistake_removed" : "coach_mistake_wrong")
               .arg(m.step)
               .arg(m.digit)
               .arg(QString::fromStdString(CellName(m.cell)));
  game.EndCoach();
  OpenCoachPanel();
  coachNote_ = text;
  mistakeCell_ = found ? m.cell : -1;
  Refresh();
}

void TForm1::mnSolvingPathClick() {
  if (!game.InProgress()) return;
  const GradeResult r = game.SolvingPath();
  QString text;
  if (r.outcome == GradeResult::Outcome::Invalid) {
    text = TextOf(lst1, "coach_path_invalid");
  } else {
    QStringList uses;
    for (int t = 0; t < kTechniqueCount; ++t) {
      if (r.uses[static_cast<std::size_t>(t)] == 0) continue;
      Hint step;
      step.kind = HintKind::Step;
      step.technique = static_cast<Technique>(t);
      uses << QStringLiteral("%1 ×%2").arg(TextOf(lst1, HintKeyStem(step))).arg(r.uses[static_cast<std::size_t>(t)]);
    }
    if (r.outcome == GradeResult::Outcome::Stuck) {
      text = TextOf(lst1, "coach_path_stuck");
    } else {
      Hint hardest;
      hardest.kind = HintKind::Step;
      hardest.technique = static_cast<Technique>(r.hardest);
      text = TextOf(lst1, "coach_path_level")
                 .arg(TextOf(lst1, GameListLevelKey(r.level)), TextOf(lst1, HintKeyStem(hardest)));
    }
    if (!uses.isEmpty()) text += "\n" + uses.join(TextOf(lst1, "coach_list_separator"));
  }
  AppDialogs().Information(this, TextOf(lst1, "coach_path_title") + "\n\n" + text);
}
