#pragma once
// The coach in the main window: a panel beside the board with the hint's
// text and its buttons, and a drawing over the board that shows where the
// hint is (units tinted) and then the step itself (pattern cells framed,
// the digit to place ringed, each candidate to remove struck through, so
// that the marks read without their colours).

#include <QFrame>
#include <QWidget>
#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class TPICSD33;

// What the drawing shows; empty draws nothing.
struct CoachDrawing {
  std::vector<int> tinted;                    // cells of the hint's units
  std::vector<int> framed;                    // pattern cells, wrong cells, the branch cell
  std::vector<std::pair<int, int>> causes;    // (cell, digit) candidates the step rests on
  std::vector<std::pair<int, int>> rings;     // (cell, digit) to place or to put back
  std::vector<std::pair<int, int>> strokes;   // (cell, digit) to remove
  bool operator==(const CoachDrawing&) const = default;
};

class CoachOverlay : public QWidget {
  Q_OBJECT

 public:
  explicit CoachOverlay(TPICSD33* board);
  void SetDrawing(CoachDrawing drawing);
  const CoachDrawing& Drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect CellRect(int cell) const;
  QRect CandidateRect(int cell, int digit) const;

  TPICSD33* board_;
  CoachDrawing drawing_;
};

class CoachPanel : public QFrame {
  Q_OBJECT

 public:
  static constexpr int kWidth = 220;
  explicit CoachPanel(QWidget* parent);

  // The text, read out by screen readers when it changes.
  void SetText(const QString& title, const QString& text);
  QString Text() const;

  QLabel* lblTitle;
  QLabel* lblText;
  QPushButton* btMore;
  QPushButton* btShowAll;  // only when a step needs candidates on the board
  QPushButton* btClose;
};
