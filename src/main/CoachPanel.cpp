#include "main/CoachPanel.h"

#include <QAccessible>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/TPICSD33.h"
#include "controls/TPicNode.h"

CoachOverlay::CoachOverlay(TPICSD33* board) : QWidget(board), board_(board) {
  setObjectName("coachOverlay");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(board->rect());
  raise();
  hide();
}

void CoachOverlay::SetDrawing(CoachDrawing drawing) {
  if (drawing == drawing_) return;
  drawing_ = std::move(drawing);
  setGeometry(board_->rect());
  const bool any = !drawing_.tinted.empty() || !drawing_.framed.empty() || !drawing_.rings.empty() ||
                   !drawing_.strokes.empty() || !drawing_.causes.empty();
  setVisible(any);
  raise();
  update();
}

QRect CoachOverlay::CellRect(int cell) const {
  const TPicNode* node = board_->node(cell);
  return QRect(node->mapTo(board_, QPoint(0, 0)), node->size());
}

QRect CoachOverlay::CandidateRect(int cell, int digit) const {
  // Where the candidate stands in its cell, whether or not it is shown.
  const QRect c = CellRect(cell);
  const int side = c.width() / 3;
  return QRect(c.left() + ((digit - 1) % 3) * side, c.top() + ((digit - 1) / 3) * side, side, side);
}

void CoachOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  for (int cell : drawing_.tinted) p.fillRect(CellRect(cell), QColor(255, 190, 40, 70));
  p.setBrush(Qt::NoBrush);
  // The pattern: a two-colour frame reads on every background.
  for (int cell : drawing_.framed) {
    const QRect r = CellRect(cell).adjusted(2, 2, -3, -3);
    p.setPen(QPen(Qt::white, 4));
    p.drawRect(r);
    p.setPen(QPen(QColor(20, 60, 200), 2));
    p.drawRect(r);
  }
  for (const auto& [cell, digit] : drawing_.causes) {
    p.setPen(QPen(QColor(0, 130, 60), 1.5, Qt::DashLine));
    p.drawRect(CandidateRect(cell, digit).adjusted(1, 1, -1, -1));
  }
  // The digit to place: a ring; a candidate to remove: a stroke through it.
  for (const auto& [cell, digit] : drawing_.rings) {
    p.setPen(QPen(QColor(0, 140, 40), 2.5));
    p.drawEllipse(CandidateRect(cell, digit).adjusted(0, 0, -1, -1));
  }
  for (const auto& [cell, digit] : drawing_.strokes) {
    const QRect r = CandidateRect(cell, digit).adjusted(1, 1, -1, -1);
    p.setPen(QPen(QColor(210, 0, 0), 2.5));
    p.drawLine(r.bottomLeft(), r.topRight());
  }
}

CoachPanel::CoachPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("pnlCoach");
  setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(this);
  lblTitle = new QLabel(this);
  lblTitle->setObjectName("lblCoachTitle");
  QFont bold = lblTitle->font();
  bold.setBold(true);
  lblTitle->setFont(bold);
  lblText = new QLabel(this);
  lblText->setObjectName("lblCoachText");
  lblText->setWordWrap(true);
  lblText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  lblText->setTextFormat(Qt::PlainText);
  auto button = [this](const char* name) {
    auto* b = new QPushButton(this);
    b->setObjectName(name);
    // Worked from the keyboard by H and Escape: the board keeps the focus.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  btShowAll = button("btCoachShowAll");
  btShowAll->hide();
  btMore = button("btCoachMore");
  btClose = button("btCoachClose");
  layout->addWidget(lblTitle);
  layout->addWidget(lblText, 1);
  layout->addWidget(btShowAll);
  auto* row = new QHBoxLayout;
  row->addWidget(btMore);
  row->addWidget(btClose);
  layout->addLayout(row);
  setAccessibleName(QStringLiteral("coach"));
}

void CoachPanel::SetText(const QString& title, const QString& text) {
  lblTitle->setText(title);
  if (lblText->text() == text) return;
  lblText->setText(text);
  lblText->setAccessibleName(text);
  QAccessibleEvent changed(lblText, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
}

QString CoachPanel::Text() const { return lblText->text(); }
