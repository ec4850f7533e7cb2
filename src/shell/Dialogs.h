#pragma once
// Every message box, question, input box, file and colour dialog and every
// modal window goes through this interface: the program shows Qt dialogs,
// tests answer from a script and record what was asked.

#include <QColor>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // An information box with OK.
  virtual void Information(QWidget* parent, const QString& text) = 0;
  // A confirmation box with Yes and No; true for Yes.
  virtual bool Confirm(QWidget* parent, const QString& text) = 0;
  // File dialogs; an empty result means cancelled.
  virtual QString SaveFileName(QWidget* parent, const QString& folder) = 0;
  virtual QString OpenFileName(QWidget* parent, const QString& folder) = 0;
  // A one-line input box; nothing when cancelled.
  virtual std::optional<QString> InputText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& initial) = 0;
  virtual std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) = 0;
  // Shows a window modally and returns its result code.
  virtual int ShowModal(QDialog* dialog) = 0;
};

// The dialogs the program uses; Qt's own unless a test installs others.
Dialogs& AppDialogs();
// Installs d (not owned); nullptr restores Qt's dialogs.
void SetAppDialogs(Dialogs* d);
// The title of Qt's confirmation boxes (the looked-up "msg_title_confirm").
void SetConfirmTitle(const QString& title);

class LanguageTable;
// After writing PATH: when WHY (the writer's reason) is not empty, tells the
// player that PATH could not be written and why ("msg_writefailed" of TABLE).
// Returns whether the file was written.
bool ReportWrite(QWidget* parent, const LanguageTable& table, const QString& path, const QString& why);
// Opens a document with the desktop's program; when none can, tells the
// player its path ("msg_openfailed"), so it can be opened by hand.
void OpenDocumentOrSay(QWidget* parent, const LanguageTable& table, const QString& target);
