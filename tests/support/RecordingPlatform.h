#pragma once
// A platform that keeps everything in the test: a clipboard of its own, a
// temporary folder and a "beside the program" folder of the test's choice,
// and a list of the documents the program asked to open.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "shell/Platform.h"

class RecordingPlatform : public Platform {
 public:
  RecordingPlatform() { SetAppPlatform(this); }
  ~RecordingPlatform() override { SetAppPlatform(nullptr); }

  QString TempFolder() const override { return temp.isEmpty() ? tempDir.path() + "/" : temp; }
  QString FindBesideProgram(const QString& name) const override {
    const QString path = beside.filePath(name);
    return QFile::exists(path) ? path : QString();
  }
  void OpenDocument(const QString& pathOrAddress) override { opened << pathOrAddress; }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  QString ClipboardText() const override { return clipboard; }

  QTemporaryDir tempDir;
  QTemporaryDir beside;
  QString temp;  // overrides tempDir when set
  QString clipboard;
  QStringList opened;
};
