// The peer of the start-up benchmark: the least a Qt Widgets program does
// to put a window on screen, then quit.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.resize(596, 560);
  window.show();
  QTimer::singleShot(0, &app, &QCoreApplication::quit);
  return QApplication::exec();
}
