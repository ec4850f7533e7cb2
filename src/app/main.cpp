// Start-up: the application title, the main window, then the message loop.

#include <QApplication>
#include <QScreen>

#include "main/TForm1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tessvar");
  QApplication::setApplicationDisplayName(QStringLiteral("Tessvar") + QStringLiteral(" 4.8"));
  TForm1 form;
  form.CreateOtherWindows();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  return QApplication::exec();
}
