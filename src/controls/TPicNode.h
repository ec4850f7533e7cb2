#pragma once
// A cell of the board: a 46 x 46 panel with a big caption and nine 13 x 13
// candidate panels. Its data (row, col, digits, isError, state) is the board
// model's Cell; the cell widget only shows it.
//
// The candidate panels are made when a candidate is first shown or a panel
// is first asked for: until then they would only be hidden, and a window
// that starts with 729 fewer widgets appears sooner.

#include <array>

#include "controls/Tmousepanel.h"
#include "core/Board.h"

class TPicNode : public Tmousepanel {
  Q_OBJECT

  // mouseEnter / mouseLeave of a cell mean the pointer is over the cell's
  // own area, not over one of its candidate panels.

 public:
  static constexpr int kSize = 46;
  static constexpr int kPanelSize = 13;

  TPicNode(const Cell& data, QWidget* parent);

  const Cell& data() const { return *data_; }
  int row() const { return data_->row; }
  int col() const { return data_->col; }

  // Candidate panel d (1..9), made with its eight siblings if need be.
  Tmousepanel* panel(int d) const;
  // True when candidate panel d is set to show (whether or not the cell
  // itself is on screen at the moment).
  bool panelShown(int d) const { return hasPanels() && panel(d)->shown(); }
  bool hasPanels() const { return panels_[0] != nullptr; }
  // The background of candidate panel d (also before the panels exist).
  void setPanelColor(int d, TColor c);

  // The cell's own big caption font (the board sets these directly).
  void setCellFontSize(int points) { Tmousepanel::setFontSize(points); }
  void setCellFontColor(TColor c) { Tmousepanel::setFontColor(c); }
  int cellFontSize() const { return Tmousepanel::fontSize(); }
  TColor cellFontColor() const { return Tmousepanel::fontColor(); }

  // The operations on all nine candidate panels.
  void setcolor(TColor c);
  void setFontSize(int points);
  void setFontColor(TColor c);
  void Hide();
  void Show();
  // Panel d visible exactly when the digit d occurs in the cell's digits.
  void showhxs();

  // Whether a context-menu request on this cell (a right press on it or on
  // one of its panels) is passed on to the owner as contextMenuRequested.
  bool hasContextMenu() const { return hasContextMenu_; }
  // The keyboard cursor's frame, drawn inside the hover frame's place.
  bool cursorMark() const { return cursorMark_; }
  void setCursorMark(bool on);
  void setHasContextMenu(bool on) { hasContextMenu_ = on; }

  // While the board's update lock is held, repaint requests are only
  // noted; the board flushes them when the lock is released.
  void setDeferRepaint(bool on) { deferRepaint_ = on; }
  // Repaints the cell if a request was noted.
  void flushRepaint();

 signals:
  void contextMenuRequested(const QPoint& globalPos);
  // The mouse on candidate panel d.
  void candidateMouseDown(int d, Qt::MouseButton button);
  void candidateEnter(int d);
  void candidateLeave(int d);

 protected:
  void requestRepaint() override;
  void paintEvent(QPaintEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void setPanelVisible(int d, bool on);
  void makePanels() const;

  const Cell* data_;
  mutable std::array<Tmousepanel*, 9> panels_{};
  // What the panels take when they are made.
  std::array<TColor, 9> panelColors_;
  int panelFontSize_ = 0;
  TColor panelFontColor_;
  bool hasContextMenu_ = false;
  bool cursorMark_ = false;
  bool deferRepaint_ = false;
  bool repaintPending_ = false;
  // Hover follows the desktop convention that a control is left when the
  // pointer moves onto a control inside it: over a candidate panel the cell
  // counts as left, back on the cell's own area it counts as entered again.
  bool overSelf_ = false;
  bool reenterPending_ = false;
};
