// Marking paint and the hint's yellow, laid over the board's natural colours
// after every redraw.

#include "controls/TPICSD33.h"
#include "main/TForm1.h"

void TForm1::ApplyBackgrounds() {
  TPICSD33::UpdateLock lock(*sd991);
  sd991->SetBackgrounds([this](int i) { return game.CellBackground(i); },
                        [this](int i, int k) { return game.PanelBackground(i, k); });
  if (const int hint = game.HintCell(); hint >= 0) sd991->node(hint)->setColor(Game::kHintColour);
}

void TForm1::SpeedButton1Click() {
  game.ClearMarking();
  ApplyBackgrounds();
}
