// Start-up: the application title, the main window, then the message loop.

#include <QApplication>
#include <QScreen>

#include "app/FirstFrame.h"
#include "app/FontConfigWarmup.h"
#include "main/TForm1.h"
#include "shell/WindowFont.h"
#include "storage/DataFiles.h"

#include <cstdlib>
#include <string>

namespace {

// The data folder as the platform seam will name it, without Qt: the scale
// must be set before the application object exists.
std::string DataFolderBeforeQt() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  std::string base = xdg && xdg[0] == '/' ? xdg : std::string(std::getenv("HOME") ? std::getenv("HOME") : "") + "/.local/share";
  return base + "/tessvar/";
}

}  // namespace

int main(int argc, char** argv) {
  // Tools > Size: Qt scales the whole window; the desktop's own scaling
  // applies on top.
  if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
    const int scale = DataFiles(DataFolderBeforeQt()).ReadScale();
    if (scale != 100) qputenv("QT_SCALE_FACTOR", QByteArray::number(scale / 100.0));
  }
  FontConfigWarmup fonts;
  QApplication app(argc, argv);
  fonts.Join();
  QApplication::setApplicationName("Tessvar");
  QApplication::setApplicationDisplayName(QStringLiteral("Tessvar") + QStringLiteral(" 4.8"));
  // The face of the language the window will speak, before its controls
  // exist: changed afterwards, it would travel down to every one of them.
  SetWindowScript(ScriptOfLanguage(
      QString::fromStdString(TForm1::StartLanguage(DataFiles(DataFolderBeforeQt()).ReadLanguage()))));
  TForm1 form;
  form.LoadSettings();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    form.move(screen->availableGeometry().center() - form.rect().center());
  form.show();
  // A restart for a new size continues the game it closed.
  if (qEnvironmentVariableIsSet("TESSVAR_CONTINUE")) {
    qunsetenv("TESSVAR_CONTINUE");
    form.mnContinueClick();
  }
  if (qEnvironmentVariableIsSet("TESSVAR_QUIT_AFTER_FIRST_FRAME")) new QuitAfterFirstFrame(&app);
  return QApplication::exec();
}
