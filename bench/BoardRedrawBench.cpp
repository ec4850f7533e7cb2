// Board redraw benchmark: a full ShowAllCandidates redraw of a board whose 81
// cells all show nine candidates, with the repaint it causes (the board
// grabbed into a pixmap), median and worst over many runs, offscreen.
//
// usage: board_redraw_bench [--runs N] [--shots DIR]
//   --shots DIR  also writes PNGs of a mixed position in every redraw mode

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "controls/TPICSD33.h"
#include "core/Tfrm_sol.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Stats {
  double medianUs = 0, worstUs = 0;
};

Stats Summarise(std::vector<double> us) {
  std::sort(us.begin(), us.end());
  return {us[us.size() / 2], us.back()};
}

template <typename F>
Stats Time(int runs, F&& f) {
  std::vector<double> us;
  us.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto t0 = Clock::now();
    f(i);
    us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    // What the event loop would do between two clicks, outside the clock.
    QCoreApplication::processEvents();
  }
  return Summarise(std::move(us));
}

void Print(const char* what, const Stats& s) {
  std::printf("%-52s median %8.1f us   worst %8.1f us\n", what, s.medianUs, s.worstUs);
}

void SetMainBoardLook(TPICSD33& b) {
  // The main window's settings for its board.
  b.setFont(QFont(QStringLiteral("Arial")));
  b.setUNFoucsColor1(0xFFFFFF);
  b.setUNFoucsColor2(16747403);
  b.setFONTSize1(20);
  b.setFONTSize2(20);
  b.setFONTSize3(10);
  b.setFONTColor1(0);
  b.setFONTColor2(0xFF0000);
  b.setFONTColor3(13238272);
  b.seterrorcolor(239);
  b.sethighcolor(9813909);
}

// The test puzzle with its clues given, a few digits placed from its
// solution, one placed digit that clashes with a clue, every other cell open
// with its free digits.
void LoadMixedPosition(TPICSD33& b) {
  const std::string puzzle = Tfrm_sol::kTestPuzzle;
  const std::string solution = "426875913357291864819346257231687549574139628968452731742963185693518472185724396";
  Board& m = b.model();
  for (int i = 0; i < kCells; ++i) {
    Cell& c = m.cell(i);
    c.isError = false;
    if (puzzle[static_cast<size_t>(i)] != '*') {
      c.state = CellState::Given;
      c.digits = std::string(1, puzzle[static_cast<size_t>(i)]);
    } else {
      c.state = CellState::Open;
    }
  }
  for (int i : {0, 1, 2, 10, 20, 40, 60}) {
    m.cell(i).state = CellState::Placed;
    m.cell(i).digits = std::string(1, solution[static_cast<size_t>(i)]);
  }
  // Row 1 holds a clue 3 at column 9: a placed 3 at column 4 clashes.
  m.at(1, 4).state = CellState::Placed;
  m.at(1, 4).digits = "3";
  for (int i = 0; i < kCells; ++i)
    if (m.cell(i).isOpen()) m.cell(i).digits = m.FreeDigits(RowOf(i), ColOf(i));
  m.at(6, 5).digits = "5";  // an open cell with a single candidate
  m.at(9, 9).digits = "";   // and one with none
  m.MarkConflicts();
  b.node(3, 5)->setIsEnter(true);             // a hovered cell
  b.node(7, 2)->panel(4)->setIsEnter(true);   // and a hovered candidate
}

int WriteShots(const QString& dir) {
  QDir().mkpath(dir);
  TPICSD33 b;
  SetMainBoardLook(b);
  LoadMixedPosition(b);
  b.RedrawCells();
  struct Mode {
    const char* name;
    void (*run)(TPICSD33&);
  };
  const Mode modes[] = {
      {"RedrawCells", [](TPICSD33& x) { x.RedrawCells(); }},
      {"ShowValuesOnly", [](TPICSD33& x) { x.ShowValuesOnly(); }},
      {"ShowAllCandidates", [](TPICSD33& x) { x.ShowAllCandidates(); }},
      {"ShowCandidatesWith3", [](TPICSD33& x) { x.ShowCandidatesWith(3); }},
      {"HideCandidates", [](TPICSD33& x) {
         x.ShowAllCandidates();
         x.HideCandidates();
       }},
  };
  for (const Mode& mode : modes) {
    mode.run(b);
    const QString path = dir + "/board-" + mode.name + ".png";
    if (!b.grab().save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("wrote %s\n", qPrintable(path));
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int runs = 500;
  QString shots;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--runs") && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
    else if (!std::strcmp(argv[i], "--shots") && i + 1 < argc) shots = QString::fromLocal8Bit(argv[++i]);
  }
  if (!shots.isEmpty()) return WriteShots(shots);

  TPICSD33 b;
  SetMainBoardLook(b);
  for (int i = 0; i < kCells; ++i) {
    b.model().cell(i).state = CellState::Open;
    b.model().cell(i).digits = "123456789";
  }
  b.show();
  // Painting to the screen needs the window mapped.
  for (int i = 0; i < 1000 && !(b.windowHandle() && b.windowHandle()->isExposed()); ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  QPixmap pixmap(b.size());
  b.ShowAllCandidates();
  b.render(&pixmap);

  std::printf("board redraw, %d runs, platform %s\n", runs, qPrintable(QGuiApplication::platformName()));
  Print("ShowAllCandidates (nothing changes)", Time(runs, [&](int) { b.ShowAllCandidates(); }));
  Print("ShowAllCandidates after ShowValuesOnly (729 shown)", Time(runs, [&](int) {
          b.ShowValuesOnly();
          b.ShowAllCandidates();
        }));
  Print("repaint of the whole board (render)", Time(runs, [&](int) { b.render(&pixmap); }));
  Print("ShowAllCandidates + repaint", Time(runs, [&](int) {
          b.ShowAllCandidates();
          b.render(&pixmap);
        }));
  Print("ShowValuesOnly + ShowAllCandidates + repaint", Time(runs, [&](int) {
          b.ShowValuesOnly();
          b.ShowAllCandidates();
          b.render(&pixmap);
        }));
  Print("update lock held and released + repaint", Time(runs, [&](int) {
          {
            TPICSD33::UpdateLock lock(b);
            b.ShowAllCandidates();
          }
          b.render(&pixmap);
        }));
  Print("ShowValuesOnly + ShowAllCandidates + repaint() (screen)", Time(runs, [&](int) {
          b.ShowValuesOnly();
          b.ShowAllCandidates();
          b.repaint();
        }));
  Print("one cell changed under the lock + repaint() (screen)", Time(runs, [&](int i) {
          {
            TPICSD33::UpdateLock lock(b);
            b.model().at(5, 5).digits = i % 2 ? "123456789" : "1234";
            b.ShowAllCandidates();
          }
          b.repaint();
        }));
  Print("grab() into a new pixmap", Time(runs, [&](int) { (void)b.grab(); }));
  return 0;
}
