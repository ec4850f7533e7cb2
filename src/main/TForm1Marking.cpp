// Marking paint: laid over the board's natural colours after every redraw,
// remembered in the marking table.

#include "controls/TPICSD33.h"
#include "main/TForm1.h"

TColor TForm1::NaturalCellColour(int row, int col) const {
  const Cell& c = sd991->model().at(row, col);
  TColor colour = sd991->BoxColour(row, col);
  const int d = SelectedDigit();
  if (!c.isOpen() && d != 0 && c.digits == std::string(1, static_cast<char>('0' + d))) colour = sd991->highcolor();
  if (c.isError) colour = sd991->errorcolor();
  return colour;
}

void TForm1::StoreMarking() {
  auto remembered = [this](TColor c) {
    // Board colours are not paint: a cell that shows one holds none.
    const bool board = c == sd991->errorcolor() || c == sd991->highcolor() || c == sd991->UNFoucsColor1() ||
                       c == sd991->UNFoucsColor2();
    return board ? kNoMarking : c;
  };
  for (int i = 0; i < kCells; ++i) {
    TPicNode* cell = sd991->node(i);
    marking.at(cell->row(), cell->col(), 0) = remembered(cell->color());
    for (int k = 1; k <= 9; ++k) marking.at(cell->row(), cell->col(), k) = remembered(cell->panel(k)->color());
  }
}

void TForm1::ApplyMarkingColours(bool reset) {
  TPICSD33::UpdateLock lock(*sd991);
  for (int i = 0; i < kCells; ++i) {
    TPicNode* cell = sd991->node(i);
    const TColor natural = NaturalCellColour(cell->row(), cell->col());
    cell->setColor(natural);
    cell->setcolor(natural);
  }
  if (reset) marking.Reset();
}

void TForm1::ReapplyMarking() {
  TPICSD33::UpdateLock lock(*sd991);
  ApplyMarkingColours(false);
  for (int i = 0; i < kCells; ++i) {
    TPicNode* cell = sd991->node(i);
    if (const TColor c = marking.at(cell->row(), cell->col(), 0); c != kNoMarking) cell->setColor(c);
    for (int k = 1; k <= 9; ++k)
      if (const TColor c = marking.at(cell->row(), cell->col(), k); c != kNoMarking) cell->panel(k)->setColor(c);
  }
  ClearCheckHighlight();
}

void TForm1::SpeedButton1Click() { ApplyMarkingColours(true); }
