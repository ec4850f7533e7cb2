#pragma once
// The solver's developer bench (caption "frm_sol"): the small board `so`
// showing the engine's duplicate-test board, the puzzle text `Edit1` and four
// buttons. Players never see it; the main window opens it in developer mode.

#include <QWidget>
#include <memory>

#include "core/SmallBoard.h"
#include "core/Tfrm_sol.h"

class QLineEdit;
class QPushButton;
class TSD33;

class FrmSol : public QWidget {
  Q_OBJECT

 public:
  // The bench has an engine and a board of its own: nothing of a game.
  explicit FrmSol(QWidget* parent = nullptr);
  ~FrmSol() override;

  // Shows the one bench window (made on first use), raised.
  static FrmSol* Open(QWidget* parent = nullptr);

  const Tfrm_sol& engine() const { return engine_; }
  const SmallBoard& board() const { return board_; }

  TSD33* so;
  QLineEdit* Edit1;
  QPushButton* btsettable;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;

  // "Set Table": Edit1 into so, as the duplicate test loads a puzzle.
  void btsettableClick();
  // "solver": SolveFromText(Edit1) off the user-interface thread (the
  // search for clashing digits can run for minutes); the buttons are off
  // and the cursor busy until it ends, then the status message and the
  // solver grid in so.
  void Button1Click();
  // "show da": every solver cell's value in so ("0" when empty).
  void Button2Click();
  // "clear": empties all 81 cells of so.
  void Button3Click();

  bool solving() const { return solving_; }

 signals:
  // Button1's search has ended and its result is shown.
  void solveFinished(int status);

 private:
  struct Pending;
  void solveDone(int status, const std::string& text);
  void setBusy(bool busy);

  Tfrm_sol engine_;
  SmallBoard board_;
  std::shared_ptr<Pending> pending_;
  bool solving_ = false;
};
