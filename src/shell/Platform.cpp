#include "shell/Platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
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

QString Platform::TempFolder(QString* why) const {
  // Qt's runtime location is $XDG_RUNTIME_DIR, or a 0700 folder of its own
  // that it checks when the variable is unset.
  const QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  const QString folder = QDir::cleanPath(base + "/tessvar");
  const QByteArray path = QFile::encodeName(folder);
  auto refuse = [&](const QString& reason) {
    if (why) *why = reason;
    return QString();
  };
  if (base.isEmpty()) return refuse(QStringLiteral("no runtime folder"));
  if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
  // Never a folder someone else made or a link someone planted.
  struct stat st {};
  if (::lstat(path.constData(), &st) != 0) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
  if (!S_ISDIR(st.st_mode)) return refuse(QStringLiteral("not a folder"));
  if (st.st_uid != ::geteuid()) return refuse(QStringLiteral("owned by another user"));
  if ((st.st_mode & 077) != 0) return refuse(QStringLiteral("open to other users"));
  return folder + "/";
}

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

void Platform::OpenDocument(const QString& pathOrAddress, std::function<void()> failed) {
  const QUrl url = QFileInfo(pathOrAddress).isAbsolute() ? QUrl::fromLocalFile(pathOrAddress)
                                                         : QUrl::fromUserInput(pathOrAddress);
  // Qt's openUrl reports success once xdg-open has started; its exit status
  // is what says whether a program took the document.
  auto* process = new QProcess(QCoreApplication::instance());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  auto done = [process, failed](bool ok) {
    if (!ok && failed) failed();
    process->deleteLater();
  };
  QObject::connect(process, &QProcess::errorOccurred, process, [done](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) done(false);
  });
  QObject::connect(process, &QProcess::finished, process, [done](int code, QProcess::ExitStatus status) {
    done(status == QProcess::NormalExit && code == 0);
  });
  process->start(QStringLiteral("xdg-open"), {url.toString()});
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
