#pragma once
// A light panel that paints its own background, bevel, centred caption and
// the red hover frame from plain members. Setting a member to the value it
// already has does not repaint, so a redraw of the whole board only repaints
// the panels that really change.
//
// A panel can leave its painting to the panel it sits in (the candidate
// panels of a cell): the owner then draws it at its place, and showing or
// hiding it is a flag, not a change of the widget's visibility. That keeps a
// board of 810 panels to 81 painters and spares Qt's show/hide machinery on
// every redraw.

#include <QFont>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include "controls/ControlColors.h"

class Tmousepanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool isEnter READ isEnter WRITE setIsEnter)
  Q_PROPERTY(bool isBig READ isBig WRITE setIsBig)
  Q_PROPERTY(QString caption READ caption WRITE setCaption)
  Q_PROPERTY(uint color READ color WRITE setColor)
  Q_PROPERTY(uint fontColor READ fontColor WRITE setFontColor)
  Q_PROPERTY(int fontSize READ fontSize WRITE setFontSize)
  Q_PROPERTY(bool shown READ shown WRITE setShown)

 public:
  explicit Tmousepanel(QWidget* parent = nullptr);

  bool isEnter() const { return isEnter_; }
  void setIsEnter(bool on);
  bool isBig() const { return isBig_; }
  void setIsBig(bool on);

  const QString& caption() const { return caption_; }
  void setCaption(const QString& text);
  // Background colour, 0x00BBGGRR.
  TColor color() const { return color_; }
  void setColor(TColor c);
  TColor fontColor() const { return fontColor_; }
  void setFontColor(TColor c);
  // In points; 0 keeps the size of the inherited font.
  int fontSize() const { return fontSize_; }
  void setFontSize(int points);
  // The font the caption is drawn in.
  const QFont& paintFont() const { return paintFont_; }

  // Cells have the 1-pixel raised bevel, candidate panels none.
  bool bevel() const { return bevel_; }
  void setBevel(bool on);

  // Painted by the Tmousepanel it sits in (see above).
  bool paintedByOwner() const { return paintedByOwner_; }
  void setPaintedByOwner(bool on);
  // For a panel painted by its owner: drawn and taking the mouse. A panel
  // that is not shown lets the mouse through to its owner.
  bool shown() const { return shown_; }
  void setShown(bool on);

  // The frame drawn while isEnter is true, in widget pixels (both corners on
  // the frame line).
  QRect hoverFrame() const;

  // Draws the panel with its top-left corner at origin. An owner that draws
  // several panels passes the same PaintState to each, so that the font and
  // pen are only set when they change.
  struct PaintState {
    const QFont* font = nullptr;
    TColor pen = 0xFFFFFFFF;
  };
  void paintPanel(QPainter& p, QPoint origin, PaintState& state);

 signals:
  void mouseDown(Qt::MouseButton button);
  void mouseEnter();
  void mouseLeave();

 protected:
  // Asks for the panel to be drawn again. A panel painted by its owner asks
  // the owner.
  virtual void requestRepaint();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void refreshFont();
  bool captionVisible() const { return captionVisible_; }

  QString caption_ = QStringLiteral(" ");
  QFont paintFont_;
  QStaticText text_;
  QSizeF textSize_;
  bool textDirty_ = true;
  bool captionVisible_ = false;
  TColor color_ = kClWhite;
  TColor fontColor_ = kClBlack;
  int fontSize_ = 0;
  bool isEnter_ = false;
  bool isBig_ = false;
  bool bevel_ = true;
  bool paintedByOwner_ = false;
  bool shown_ = true;
};
