#include "shell/AtomicFile.h"

#include <QFile>

#include "core/FileWrite.h"

QString WriteFileAtomically(const QString& path, const std::string& bytes) {
  return QString::fromStdString(WriteFileReplacing(QFile::encodeName(path).toStdString(), bytes));
}

bool ReadWholeFile(const QString& path, std::string& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = file.readAll();
  if (file.error() != QFileDevice::NoError) return false;
  bytes.assign(data.constData(), static_cast<size_t>(data.size()));
  return true;
}
