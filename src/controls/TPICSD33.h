#pragma once
// The board view: a black 422 x 422 panel with 81 TPicNode cells showing a
// Board model. The owning window decides what to show and calls one of the
// redraw operations; the board has no mouse or keyboard handling of its own
// and only passes the cells' mouse events on as signals.

#include <array>

#include "controls/TPicNode.h"
#include "core/Board.h"

class TPICSD33 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(uint UNFoucsColor1 READ UNFoucsColor1 WRITE setUNFoucsColor1)
  Q_PROPERTY(uint UNFoucsColor2 READ UNFoucsColor2 WRITE setUNFoucsColor2)
  Q_PROPERTY(uint FoucsColor1 READ FoucsColor1 WRITE setFoucsColor1)
  Q_PROPERTY(uint FoucsColor2 READ FoucsColor2 WRITE setFoucsColor2)
  Q_PROPERTY(int FONTSize1 READ FONTSize1 WRITE setFONTSize1)
  Q_PROPERTY(int FONTSize2 READ FONTSize2 WRITE setFONTSize2)
  Q_PROPERTY(int FONTSize3 READ FONTSize3 WRITE setFONTSize3)
  Q_PROPERTY(uint FONTColor1 READ FONTColor1 WRITE setFONTColor1)
  Q_PROPERTY(uint FONTColor2 READ FONTColor2 WRITE setFONTColor2)
  Q_PROPERTY(uint FONTColor3 READ FONTColor3 WRITE setFONTColor3)
  Q_PROPERTY(int nd READ nd WRITE setNd)
  Q_PROPERTY(uint errorcolor READ errorcolor WRITE seterrorcolor)
  Q_PROPERTY(uint highcolor READ highcolor WRITE sethighcolor)
  Q_PROPERTY(bool autotranzt READ autotranzt WRITE setautotranzt)

 public:
  static constexpr int kBoardSize = 422;

  explicit TPICSD33(QWidget* parent = nullptr);

  Board& model() { return board_; }
  const Board& model() const { return board_; }

  TPicNode* node(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }
  TPicNode* node(int index) const { return cells_[static_cast<size_t>(index)]; }

  // Published properties; colours are 0x00BBGGRR. Setting one stores it:
  // the owner redraws when it wants the change to show.
  TColor UNFoucsColor1() const { return unFocusColor1_; }
  void setUNFoucsColor1(TColor c) { unFocusColor1_ = c; }
  TColor UNFoucsColor2() const { return unFocusColor2_; }
  void setUNFoucsColor2(TColor c) { unFocusColor2_ = c; }
  TColor FoucsColor1() const { return focusColor1_; }
  void setFoucsColor1(TColor c) { focusColor1_ = c; }
  TColor FoucsColor2() const { return focusColor2_; }
  void setFoucsColor2(TColor c) { focusColor2_ = c; }
  int FONTSize1() const { return fontSize1_; }
  void setFONTSize1(int s) { fontSize1_ = s; }
  int FONTSize2() const { return fontSize2_; }
  void setFONTSize2(int s) { fontSize2_ = s; }
  int FONTSize3() const { return fontSize3_; }
  void setFONTSize3(int s) { fontSize3_ = s; }
  TColor FONTColor1() const { return fontColor1_; }
  void setFONTColor1(TColor c) { fontColor1_ = c; }
  TColor FONTColor2() const { return fontColor2_; }
  void setFONTColor2(TColor c) { fontColor2_ = c; }
  TColor FONTColor3() const { return fontColor3_; }
  void setFONTColor3(TColor c) { fontColor3_ = c; }
  int nd() const { return board_.nd; }
  void setNd(int level) { board_.nd = level; }
  TColor errorcolor() const { return errorColor_; }
  void seterrorcolor(TColor c) { errorColor_ = c; }
  TColor highcolor() const { return highColor_; }
  void sethighcolor(TColor c) { highColor_ = c; }
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
  void HideCandidates();

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

 private:
  void ShowValuesBackground(TPicNode* c);
  void ShowValuesDigits(TPicNode* c);

  Board board_;
  std::array<TPicNode*, kCells> cells_{};

  TColor unFocusColor1_ = 0xFFFFFF;
  TColor unFocusColor2_ = 16759739;
  TColor focusColor1_ = 12043517;
  TColor focusColor2_ = 14538713;
  int fontSize1_ = 25;
  int fontSize2_ = 25;
  int fontSize3_ = 12;
  TColor fontColor1_ = 0;
  TColor fontColor2_ = 0xFF0000;
  TColor fontColor3_ = 0x000080;
  TColor errorColor_ = 732916;
  TColor highColor_ = 11654065;
  bool autotranzt_ = false;
  int lockDepth_ = 0;
};
