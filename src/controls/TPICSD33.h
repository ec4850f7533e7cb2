#pragma once
// The board view: a black 422 x 422 panel with 81 TPicNode cells showing a
// Board model. The owning window decides what to show and calls one of the
// redraw operations; the board has no mouse or keyboard handling of its own
// and only passes the cells' mouse events on as signals.

#include <array>
#include <functional>

#include "controls/TPicNode.h"
#include "core/Board.h"
#include "core/BoardLook.h"

class TPICSD33 : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kBoardSize = 422;

  // Shows model when given (not owned; it must outlive the board), else a
  // board of its own.
  // font: the cells' font, given before they exist so that it is not sent
  // down to each of them afterwards; without it they take the parent's.
  explicit TPICSD33(QWidget* parent = nullptr, const Board* model = nullptr, const QFont* font = nullptr);

  const Board& model() const { return *model_; }
  // The board a view made without a model shows, which its owner fills.
  Board& ownBoard() { return ownBoard_; }

  TPicNode* node(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }
  TPicNode* node(int index) const { return cells_[static_cast<size_t>(index)]; }

  // Colours and font sizes. Setting them stores them: the owner redraws
  // when it wants the change to show.
  const BoardLook& look() const { return look_; }
  void setLook(const BoardLook& look) { look_ = look; }
  TColor errorcolor() const { return look_.errorcolor; }
  TColor highcolor() const { return look_.highcolor; }
  TColor FONTColor2() const { return look_.FONTColor2; }
  bool autotranzt() const { return autotranzt_; }
  void setautotranzt(bool on) { autotranzt_ = on; }

  // The board's own colour (black).
  TColor color() const { return kClBlack; }
  // UNFoucsColor2 in boxes 2, 4, 6 and 8, UNFoucsColor1 elsewhere.
  TColor BoxColour(int row, int col) const;

  void LayoutCells();
  // The redraw operations; each walks the 81 cells in reading order.
  void RedrawCells();
  void ShowValuesOnly();
  void ShowAllCandidates();
  void ShowCandidatesWith(int d);
  // Every cell's accessible name says where it is and what it holds; the
  // redraw operations call this, and so may an owner after a change.
  void UpdateAccessibleNames();
  // How a cell is named, in the owner's language; unnamed until set.
  void setCellNamer(std::function<QString(const Cell&)> namer);

  // The cell that holds the focus for the board: the owner's cursor, so
  // that a screen reader announces the cell the cursor moves to. While the
  // focus is on the board it moves with the cursor; the board stays one
  // stop for Tab. -1 (the default) keeps the focus on the board itself.
  void setFocusCell(int index);
  int focusCell() const { return focusCell_; }
  // Gives the board the focus, on its focus cell; nothing when it holds it
  // already, so that a click does not send the focus out and back (a
  // screen reader would announce the cell twice).
  void takeFocus(Qt::FocusReason reason);

  // Every cell's background and candidate panel backgrounds (k = 1..9),
  // and whether a right press on it asks for the owner's menu.
  void SetBackgrounds(const std::function<TColor(int)>& cell, const std::function<TColor(int, int)>& panel);
  void SetContextMenus(const std::function<bool(int)>& hasMenu);

  // The window-update lock: while it is held no cell repaints; the last
  // release repaints the cells that changed, together, once. Counted, so
  // nested holders are fine.
  void BeginUpdate();
  void EndUpdate();
  int updateLockDepth() const { return lockDepth_; }
  class UpdateLock {
   public:
    explicit UpdateLock(TPICSD33& board) : board_(board) { board_.BeginUpdate(); }
    ~UpdateLock() { board_.EndUpdate(); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

   private:
    TPICSD33& board_;
  };

  // The usual hover wiring: entering a cell or candidate panel switches its
  // frame on, leaving switches it off, each under the update lock. Owners
  // that show the frame call this once; the appearance preview does not.
  void WireHoverFrames();

 signals:
  // A mouse button went down on a cell (not on one of its candidate panels).
  void cellMouseDown(TPicNode* cell, Qt::MouseButton button);
  // A mouse button went down on candidate panel digit (1..9) of a cell.
  void candidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button);
  void cellEnter(TPicNode* cell);
  void cellLeave(TPicNode* cell);
  void candidateEnter(TPicNode* cell, int digit);
  void candidateLeave(TPicNode* cell, int digit);
  // A context-menu request (a right press) on a cell that has a context
  // menu, or on one of its candidate panels; the owner opens its menu.
  void cellContextMenu(TPicNode* cell, const QPoint& globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void ShowValuesBackground(TPicNode* c);
  void ShowValuesDigits(TPicNode* c);

  Board ownBoard_;
  const Board* model_;
  std::array<TPicNode*, kCells> cells_{};
  BoardLook look_;
  bool autotranzt_ = false;
  int lockDepth_ = 0;
  int focusCell_ = -1;
  std::function<QString(const Cell&)> namer_;
};
