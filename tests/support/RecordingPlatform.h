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

  QString TempFolder(QString* why = nullptr) const override {
    if (why && !tempRefusal.isEmpty()) *why = tempRefusal;
    if (!tempRefusal.isEmpty()) return {};
    return temp.isEmpty() ? tempDir.path() + "/" : temp;
  }
  QString FindBesideProgram(const QString& name) const override {
    const QString path = beside.filePath(name);
    return QFile::exists(path) ? path : QString();
  }
  void OpenDocument(const QString& pathOrAddress, std::function<void()> failed = {}) override {
    opened << pathOrAddress;
    if (openFails && failed) failed();
  }
  void SetClipboardText(const QString& text) override { clipboard = text; }
  QString ClipboardText() const override { return clipboard; }

  QTemporaryDir tempDir;
  QTemporaryDir beside;
  QString temp;  // overrides tempDir when set
  QString tempRefusal;     // when set, the private folder is refused with it
  bool openFails = false;  // no program opens a document
  QString clipboard;
  QStringList opened;
};
