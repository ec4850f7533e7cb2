// Start-up: the application title, the main window, then the message loop.

#include <QApplication>
#include <QScreen>

#include "app/FirstFrame.h"
#include "app/FontConfigWarmup.h"
#include "main/TForm1.h"

int main(int argc, char** argv) {
  FontConfigWarmup fonts;
  QApplication app(argc, argv);
  fonts.Join();
  QApplication::setApplicationName("Tessvar");
  QApplication::setApplicationDisplayName(QStringLiteral("Tessvar") + QStringLiteral(" 4.8"));
  TForm1 form;
  form.LoadSettings();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  if (qEnvironmentVariableIsSet("TESSVAR_QUIT_AFTER_FIRST_FRAME")) new QuitAfterFirstFrame(&app);
  return QApplication::exec();
}
