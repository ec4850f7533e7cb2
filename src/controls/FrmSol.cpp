#include "controls/FrmSol.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <mutex>
#include <thread>

#include "controls/TSD33.h"
#include "core/Tfrm_sol.h"
#include "shell/Dialogs.h"

// The link from a running search back to its window. The window cuts it
// when it goes, so a search that outlives it posts nothing.
struct FrmSol::Pending {
  std::mutex mutex;
  FrmSol* window = nullptr;
};

FrmSol::FrmSol(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("frm_sol"));
  setWindowTitle(QStringLiteral("frm_sol"));

  so = new TSD33(this, &board_);
  so->setObjectName(QStringLiteral("so"));
  so->setwidth2(400);
  so->setFixedSize(400, 400);
  Edit1 = new QLineEdit(QString::fromLatin1(Tfrm_sol::kTestPuzzle), this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setCursorPosition(0);
  auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
  };
  btsettable = button("btsettable", "Set Table");
  Button1 = button("Button1", "solver");
  Button2 = button("Button2", "show da");
  Button3 = button("Button3", "clear");

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btsettable, Button1, Button2, Button3}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(so);
  layout->addWidget(Edit1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(btsettable, &QPushButton::clicked, this, &FrmSol::btsettableClick);
  connect(Button1, &QPushButton::clicked, this, &FrmSol::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &FrmSol::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &FrmSol::Button3Click);
}

FrmSol::~FrmSol() {
  if (pending_) {
    std::lock_guard lock(pending_->mutex);
    pending_->window = nullptr;
  }
}

FrmSol* FrmSol::Open(QWidget* parent) {
  static QPointer<FrmSol> window;
  if (!window) window = new FrmSol(parent);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void FrmSol::btsettableClick() {
  board_.SetTable(Edit1->text().toStdString());
  so->ShowModel();
}

void FrmSol::Button1Click() {
  if (solving_) return;
  setBusy(true);
  pending_ = std::make_shared<Pending>();
  pending_->window = this;
  // The search runs on a copy of the engine: the program's engine stays free
  // for the windows, and the grid is brought back when the search ends.
  std::thread([pending = pending_, text = Edit1->text().toStdString()] {
    Tfrm_sol worker;
    const Tfrm_sol::SolveResult r = worker.SolveFromText(text);
    std::lock_guard lock(pending->mutex);
    if (FrmSol* w = pending->window)
      QMetaObject::invokeMethod(
          w, [w, status = r.status, result = r.text] { w->solveDone(status, result); }, Qt::QueuedConnection);
  }).detach();
}

void FrmSol::solveDone(int status, const std::string& text) {
  pending_.reset();
  // The grid as the search left it: its values, the candidates recomputed.
  engine_.FillGrid(text);
  engine_.FindPossibilities();
  setBusy(false);
  if (status == 1)
    AppDialogs().Information(this, QStringLiteral("解不出来"));
  else if (status == 2)
    AppDialogs().Information(this, QStringLiteral("不能计算，至少有1个格子无候选数"));
  else
    AppDialogs().Information(this, QStringLiteral("OK"));
  Button2Click();
  emit solveFinished(status);
}

void FrmSol::Button2Click() {
  for (int i = 1; i <= Tfrm_sol::GridSize; ++i)
    for (int j = 1; j <= Tfrm_sol::GridSize; ++j)
      board_.at(i, j).text = std::string(1, static_cast<char>('0' + engine_.cell(i, j).value));
  so->ShowModel();
}

void FrmSol::Button3Click() { so->Clear(); }

void FrmSol::setBusy(bool busy) {
  solving_ = busy;
  for (QPushButton* b : {btsettable, Button1, Button2, Button3}) b->setEnabled(!busy);
  if (busy)
    setCursor(Qt::BusyCursor);
  else
    unsetCursor();
}
