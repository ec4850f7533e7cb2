// The peer of the start-up benchmark: the least a Qt Widgets program does
// to put a window on screen, then quit once it is painted. With an argument,
// the window also shows that text: any window with text first pays for the
// font set-up.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "app/FirstFrame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(596, 560);
  if (argc > 1) (new QLabel(QString::fromLocal8Bit(argv[1]), &window))->move(8, 8);
  window.show();
  new QuitAfterFirstFrame(&app);
  return QApplication::exec();
}
