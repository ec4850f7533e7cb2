#include "shell/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

QString WriteFileAtomically(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    const QString why = file.errorString();
    file.cancelWriting();
    return why;
  }
  if (!file.commit()) return file.errorString().isEmpty() ? QStringLiteral("cannot replace the file") : file.errorString();
  return {};
}

bool ReadWholeFile(const QString& path, std::string& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  return true;
}
