// Board redraw benchmark: a full ShowAllCandidates redraw of a board whose 81
// cells all show nine candidates, with the repaint it causes (the board
// grabbed into a pixmap), median and worst over many runs, offscreen.
//
// usage: board_redraw_bench [--runs N] [--shots DIR]
//   --shots DIR  also writes PNGs of a mixed position in every redraw mode

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "controls/FrmSol.h"
#include "controls/TColorGrid.h"
#include "controls/TPICSD33.h"
#include "controls/TSD33.h"
#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"
#include "core/Tfrm_sol.h"

namespace {

using Clock = std::chrono::steady_clock;

// Wall time, and the thread's CPU time, which a busy machine disturbs less.
double CpuMicros() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}

struct Stats {
  double medianUs = 0, worstUs = 0, cpuMedianUs = 0;
};

template <typename F>
Stats Time(int runs, F&& f) {
  std::vector<double> us, cpu;
  us.reserve(static_cast<size_t>(runs));
  cpu.reserve(static_cast<size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const double c0 = CpuMicros();
    const auto t0 = Clock::now();
    f(i);
    us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    cpu.push_back(CpuMicros() - c0);
    // What the event loop would do between two clicks, outside the clock.
    QCoreApplication::processEvents();
  }
  std::sort(us.begin(), us.end());
  std::sort(cpu.begin(), cpu.end());
  return {us[us.size() / 2], us.back(), cpu[cpu.size() / 2]};
}

void Print(const char* what, const Stats& s) {
  std::printf("%-56s median %7.0f us  worst %7.0f us  cpu median %7.0f us\n", what, s.medianUs, s.worstUs,
              s.cpuMedianUs);
}

void SetMainBoardLook(TPICSD33& b) {
  // The main window's settings for its board.
  b.setFont(QFont(QStringLiteral("Arial")));
  b.setLook(BoardLook::MainBoard());
}

// The test puzzle with its clues given, a few digits placed from its
// solution, one placed digit that clashes with a clue, every other cell open
// with its free digits.
void LoadMixedPosition(TPICSD33& b) {
  const std::string puzzle = Tfrm_sol::kTestPuzzle;
  const std::string solution = "426875913357291864819346257231687549574139628968452731742963185693518472185724396";
  Board& m = b.ownBoard();
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

bool Save(QWidget& w, const QString& path) {
  if (!w.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("wrote %s\n", qPrintable(path));
  return true;
}

// The small controls as the main window and the bench set them up.
int WriteControlShots(const QString& dir) {
  TColorGrid palette;
  palette.resize(96, 100);
  palette.setBackgroundEnabled(false);
  palette.setSelection(1);
  palette.setForegroundIndex(11);
  if (!Save(palette, dir + "/palette.png")) return 1;

  QWidget bars;
  bars.resize(9 * 13, 80);
  const int values[9] = {0, 1, 3, 5, 9, 7, 9, 2, 8};
  for (int d = 0; d < 9; ++d) {
    auto* bar = new Tmousepb(&bars);
    bar->setOrientation(Qt::Vertical);
    bar->setRange(0, 9);
    bar->setGeometry(d * 13, 1, 11, 78);
    bar->setValue(values[d]);
    bar->setBarColor(values[d] == 9 ? MakeTColor(255, 0, 0) : MakeTColor(0, 0, 255));
    if (d == 2) bar->setBorderWidth(0);  // under the mouse
  }
  if (!Save(bars, dir + "/digit-bars.png")) return 1;

  TTimeLabel clock;
  if (!Save(clock, dir + "/clock-built-in.png")) return 1;
  clock.resize(77, 22);
  clock.setMS(3723000);
  if (!Save(clock, dir + "/clock-1h02m03s.png")) return 1;

  FrmSol bench;
  bench.Edit1->setText("5*******3**72*******9****5**3**********1***2**68***7******63********8***1*5****9*");
  bench.btsettableClick();
  bench.so->setCellText(2, 1, "5");  // a clash with the 5 in row 1
  if (!Save(bench, dir + "/frm_sol.png")) return 1;
  return 0;
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
  return WriteControlShots(dir);
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
    b.ownBoard().cell(i).state = CellState::Open;
    b.ownBoard().cell(i).digits = "123456789";
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
            b.ownBoard().at(5, 5).digits = i % 2 ? "123456789" : "1234";
            b.ShowAllCandidates();
          }
          b.repaint();
        }));
  Print("grab() into a new pixmap", Time(runs, [&](int) { (void)b.grab(); }));
  return 0;
}
