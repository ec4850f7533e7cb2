#include "shell/Platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QUrl>

#ifndef TESSVAR_INSTALL_DATADIR
#define TESSVAR_INSTALL_DATADIR "/usr/local/share/tessvar"
#endif

QString Platform::DataFolder() const {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.local/share";
  return QDir::cleanPath(base + "/tessvar") + "/";
}

QString Platform::TempFolder() const { return QDir::tempPath() + "/"; }

QString Platform::ProgramFolder() const { return QCoreApplication::applicationDirPath() + "/"; }

QString Platform::FindBesideProgram(const QString& name) const {
  // Beside the program (a build tree), then the share folder of the prefix
  // the program sits in (a moved install), then the configured one.
  for (const QString& dir : {ProgramFolder(), ProgramFolder() + "../share/tessvar/",
                             QStringLiteral(TESSVAR_INSTALL_DATADIR "/")}) {
    const QString path = dir + name;
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

void Platform::OpenDocument(const QString& pathOrAddress) {
  const QUrl url = QFileInfo(pathOrAddress).isAbsolute() ? QUrl::fromLocalFile(pathOrAddress)
                                                         : QUrl::fromUserInput(pathOrAddress);
  QDesktopServices::openUrl(url);
}

void Platform::SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

QString Platform::ClipboardText() const { return QGuiApplication::clipboard()->text(); }

namespace {
Platform* installed = nullptr;
}

Platform& AppPlatform() {
  static Platform real;
  return installed ? *installed : real;
}

void SetAppPlatform(Platform* p) { installed = p; }
