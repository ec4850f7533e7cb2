#pragma once
// The marking palette: the 16 standard colours in a grid of 16 x 1, 8 x 2,
// 4 x 4, 2 x 8 or 1 x 16 cells, with a foreground and a background choice
// picked by the left and the right mouse button or by keys.

#include <QWidget>

#include "controls/ControlColors.h"

class TColorGrid : public QWidget {
  Q_OBJECT
  Q_PROPERTY(GridOrder GridOrdering READ GridOrdering WRITE setGridOrdering)
  Q_PROPERTY(int ForegroundIndex READ ForegroundIndex WRITE setForegroundIndex)
  Q_PROPERTY(int BackgroundIndex READ BackgroundIndex WRITE setBackgroundIndex)
  Q_PROPERTY(bool ForegroundEnabled READ ForegroundEnabled WRITE setForegroundEnabled)
  Q_PROPERTY(bool BackgroundEnabled READ BackgroundEnabled WRITE setBackgroundEnabled)
  Q_PROPERTY(bool ClickEnablesColor READ ClickEnablesColor WRITE setClickEnablesColor)
  Q_PROPERTY(int Selection READ Selection WRITE setSelection)
  Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE setCtl3D)

 public:
  // The ordering's number n gives 16 >> n columns and 1 << n rows.
  enum GridOrder { go16x1 = 0, go8x2 = 1, go4x4 = 2, go2x8 = 3, go1x16 = 4 };
  Q_ENUM(GridOrder)

  static constexpr int kColours = 16;
  // Entries 0..7 and 12..19 of the default 20-colour palette.
  static TColor PaletteColour(int index);

  explicit TColorGrid(QWidget* parent = nullptr);

  GridOrder GridOrdering() const { return ordering_; }
  void setGridOrdering(GridOrder o);
  int columns() const { return kColours >> ordering_; }
  int rows() const { return 1 << ordering_; }
  // Whole cells only: width div columns by height div rows; the control
  // trims itself to whole cells when it gets its size.
  QSize cellSize() const;
  QRect cellRect(int index) const;
  // The cell under a point; points outside are clamped into the control.
  int cellAt(QPoint pos) const;

  int ForegroundIndex() const { return foreground_; }
  void setForegroundIndex(int index);
  int BackgroundIndex() const { return background_; }
  void setBackgroundIndex(int index);
  bool ForegroundEnabled() const { return foregroundEnabled_; }
  void setForegroundEnabled(bool on);
  bool BackgroundEnabled() const { return backgroundEnabled_; }
  void setBackgroundEnabled(bool on);
  bool ClickEnablesColor() const { return clickEnables_; }
  void setClickEnablesColor(bool on) { clickEnables_ = on; }
  int Selection() const { return selection_; }
  void setSelection(int index);
  // Cells drawn with a 3-D frame (default) or a black outline.
  bool Ctl3D() const { return ctl3D_; }
  void setCtl3D(bool on);

  // The colours at the two indices (black for no choice).
  TColor ForegroundColor() const { return PaletteColour(foreground_); }
  TColor BackgroundColor() const { return PaletteColour(background_); }

  // "FG", "BG", "FB" or nothing, as drawn on cell index.
  QString labelOf(int index) const;
  // The label colour for a cell colour: each part 0 where the cell's part is
  // 128 or more, else 255.
  static TColor LabelColour(TColor cell);

  QSize sizeHint() const override { return size(); }

 signals:
  // ForegroundIndex or BackgroundIndex changed.
  void OnChange();
  void OnClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void trim();
  // A choice made by a click or key: a disabled one is only switched on
  // again with ClickEnablesColor; otherwise only the selection moves.
  void pickForeground(int index);
  void pickBackground(int index);

  GridOrder ordering_ = go4x4;
  int foreground_ = 0;
  int background_ = 15;
  bool foregroundEnabled_ = true;
  bool backgroundEnabled_ = true;
  bool clickEnables_ = false;
  bool ctl3D_ = true;
  int selection_ = 0;
  Qt::MouseButton dragButton_ = Qt::NoButton;
  bool trimming_ = false;
};
