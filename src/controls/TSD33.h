#pragma once
// The small 9 x 9 edit board: 81 one-line edit cells that show a SmallBoard
// model. Typing accepts only 1..9, "." and Backspace; after every change the
// board marks a conflicting pair and lays the cells out and colours them.

#include <QLineEdit>
#include <QWidget>
#include <array>

#include "controls/ControlColors.h"
#include "core/BoardLook.h"
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
  Q_PROPERTY(int width2 READ width2 WRITE setwidth2)
  Q_PROPERTY(int nd READ nd WRITE setNd)

 public:
  static constexpr TColor kErrorColour = MakeTColor(255, 0, 0);

  // Shows model when given (not owned; it must outlive the board), else a
  // model of its own.
  explicit TSD33(QWidget* parent = nullptr, SmallBoard* model = nullptr);

  SmallBoard& model() { return *model_; }
  const SmallBoard& model() const { return *model_; }
  TSD33Node* node(int row, int col) const { return cells_[static_cast<size_t>(IndexOf(row, col))]; }

  // Colours and font sizes; the owner lays the cells out again to show a change.
  const BoardLook& look() const { return look_; }
  void setLook(const BoardLook& look) { look_ = look; }
  int width2() const { return width2_; }
  // Sets width and height to the value and lays the cells out.
  void setwidth2(int side);
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

  BoardLook look_;
  int width2_ = 442;
  int nd_ = 0;
};
