// One cell click on the main board, from the mouse press to the end of the
// board's repaint, with every cell and candidate panel on show (mode All).
// Alternates placing a candidate and taking it back, so the board stays the
// same from one measured click to the next.
//
// usage: click_bench [clicks]

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/TPICSD33.h"
#include "main/TForm1.h"

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The game now keeps files (recovery, last game): a private data folder
  // keeps the bench away from the player's own.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
  QApplication app(argc, argv);
  const int clicks = argc > 1 ? std::atoi(argv[1]) : 2000;
  TForm1 form;
  form.show();
  // A sparse deal: many open cells, most candidate panels visible.
  form.NewGame(4);
  form.FormKeyDown(Qt::Key_F2, Qt::NoModifier);
  QApplication::processEvents();

  std::vector<double> us;
  us.reserve(static_cast<size_t>(clicks));
  int done = 0;
  for (int i = 0; done < clicks; i = (i + 1) % 81) {
    TPicNode* cell = form.sd991->node(i);
    if (cell->data().state != CellState::Open || cell->data().digits.size() < 2) continue;
    const int d = cell->data().digits[0] - '0';
    for (int k = 0; k < 2 && done < clicks; ++k, ++done) {
      const auto t0 = std::chrono::steady_clock::now();
      if (k == 0)
        QTest::mousePress(cell->panel(d), Qt::LeftButton);  // place the candidate
      else
        QTest::mousePress(cell, Qt::LeftButton);  // take it back
      form.sd991->repaint();
      us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
  }
  std::sort(us.begin(), us.end());
  double sum = 0;
  for (double u : us) sum += u;
  std::printf("cell click to repainted board (mode All, %zu clicks): median %.0f us, 90%% %.0f us, worst %.0f us, "
              "mean %.0f us\n",
              us.size(), us[us.size() / 2], us[us.size() * 9 / 10], us.back(), sum / static_cast<double>(us.size()));
  return 0;
}
