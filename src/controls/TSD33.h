#pragma once
// The small 9 x 9 edit board: 81 one-line edit cells that show a SmallBoard
// model. Typing accepts only 1..9, "." and Backspace; after every change the
// board marks a conflicting pair and lays the cells out and colours them.

#include <QLineEdit>
#include <QWidget>
#include <array>

#include "controls/ControlColors.h"
#include "core/SmallBoard.h"

// A cell of the small board (this TNode belongs to the small board, not to
// the puzzle holder).
class TSD33Node : public QLineEdit {
  Q_OBJECT

 public:
  TSD33Node(int row, int col, QWidget* parent);

  int row() const { return row_; }
  int col() const { return col_; }
  // What the layout pass set, for anyone who wants to see what is drawn.
  TColor background() const { return background_; }
  int fontSizePoints() const { return fontSize_; }
  TColor fontColor() const { return fontColor_; }
  void setLook(TColor background, int fontSize, TColor fontColor);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int row_, col_;
  TColor background_ = kClWhite;
  int fontSize_ = 0;
  TColor fontColor_ = kClBlack;
};

class TSD33 : public QWidget {
  Q_OBJECT
  Q_PROPERTY(uint UNFoucsColor1 READ UNFoucsColor1 WRITE setUNFoucsColor1)
  Q_PROPERTY(uint UNFoucsColor2 READ UNFoucsColor2 WRITE setUNFoucsColor2)
  Q_PROPERTY(uint FoucsColor1 READ FoucsColor1 WRITE setFoucsColor1)
  Q_PROPERTY(uint FoucsColor2 READ FoucsColor2 WRITE setFoucsColor2)
  Q_PROPERTY(int width2 READ width2 WRITE setwidth2)
  Q_PROPERTY(int FONTSize1 READ FONTSize1 WRITE setFONTSize1)
  Q_PROPERTY(int FONTSize2 READ FONTSize2 WRITE setFONTSize2)
  Q_PROPERTY(int FONTSize3 READ FONTSize3 WRITE setFONTSize3)
  Q_PROPERTY(uint FONTColor1 READ FONTColor1 WRITE setFONTColor1)
  Q_PROPERTY(uint FONTColor2 READ FONTColor2 WRITE setFONTColor2)
  Q_PROPERTY(uint FONTColor3 READ FONTColor3 WRITE setFONTColor3)
  Q_PROPERTY(int nd READ nd WRITE setNd)

 public:
  static constexpr TColor kErrorColour = MakeTColor(255, 0, 0);

  // Shows model when given (not owned; it must outlive the board), else a
  // model of its own.
  explicit TSD33(QWidget* parent = nullptr, SmallBoard* model = nullptr);

  SmallBoard& model() { return *model_; }
  const SmallBoard& model() const { return *model_; }
  TSD33Node* node(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }

  TColor UNFoucsColor1() const { return unFocusColor1_; }
  void setUNFoucsColor1(TColor c) { unFocusColor1_ = c; }
  TColor UNFoucsColor2() const { return unFocusColor2_; }
  void setUNFoucsColor2(TColor c) { unFocusColor2_ = c; }
  TColor FoucsColor1() const { return focusColor1_; }
  void setFoucsColor1(TColor c) { focusColor1_ = c; }
  TColor FoucsColor2() const { return focusColor2_; }
  void setFoucsColor2(TColor c) { focusColor2_ = c; }
  int width2() const { return width2_; }
  // Sets width and height to the value and lays the cells out.
  void setwidth2(int side);
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
  int nd() const { return nd_; }
  void setNd(int level) { nd_ = level; }

  // Places, colours and fonts every cell from the model (error flag, kind,
  // text length).
  void LayoutCells();
  // The model's conflict marking, then the layout pass.
  void MarkConflicts();
  bool DuplicateFree() const { return model_->DuplicateFree(); }
  // After the model changed behind the board's back: every cell's text from
  // the model, then conflict marking and layout, as after typing.
  void ShowModel();
  // Empties the text of all 81 cells.
  void Clear();
  void setCellText(int row, int col, const QString& text);

 signals:
  // A cell's text changed by typing (after marking and layout).
  void cellChanged(int row, int col);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void cellEdited(TSD33Node* c, const QString& text);

  SmallBoard ownModel_;
  SmallBoard* model_;
  std::array<TSD33Node*, kCells> cells_{};

  TColor unFocusColor1_ = kClWhite;
  TColor unFocusColor2_ = 16759739;
  TColor focusColor1_ = 12043517;
  TColor focusColor2_ = 14538713;
  int width2_ = 442;
  int fontSize1_ = 25;
  int fontSize2_ = 25;
  int fontSize3_ = 12;
  TColor fontColor1_ = kClBlack;
  TColor fontColor2_ = kClBlue;
  TColor fontColor3_ = kClBlue;
  int nd_ = 0;
};
