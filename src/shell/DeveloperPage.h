#pragma once
// The developer page `pgc1`: dumps the main window's captions as the
// skeleton of a language file and loads a language table into the active
// one. Players never see it: it exists only when the environment variable
// TESSVAR_DEVELOPER is set to 1, and then the main window offers it (its
// owner creates the page with the main window, the active table and the
// routine that re-applies the table to the main window).

#include <QString>
#include <QTabWidget>
#include <functional>
#include <optional>

#include "shell/LanguageTable.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// True when TESSVAR_DEVELOPER=1: the developer pages are offered.
bool DeveloperModeEnabled();

// Appends to table, in this order: name + ".caption=" + caption for every
// menu item, every group box and every tool button (separators, which have
// no text in Qt, as "-"); then name + ".hint=" + hint for every tool button;
// then name + ".caption=" + caption for every radio button, check box and
// speed button (component kinds as in shell/ApplyLanguage.h).
void DumpCaptionKeys(QWidget* window, LanguageTable& table);

// Writes the table atomically (a temporary file renamed over the old one),
// UTF-8 without byte-order mark, CR LF after every line; creates the folder
// when it is missing. False when the file could not be written.
bool WriteLanguageFile(const LanguageTable& table, const QString& path);

// The table in a language file; nothing when it cannot be read.
std::optional<LanguageTable> ReadLanguageFile(const QString& path);

class DeveloperPage : public QTabWidget {
  Q_OBJECT

 public:
  // mainWindow: the window whose captions are dumped; active: the table the
  // buttons change (it must outlive the page); reapply: runs ApplyLanguage
  // on the main window after a load.
  DeveloperPage(QWidget* mainWindow, LanguageTable& active, std::function<void()> reapply,
                QWidget* parent = nullptr);

  // "Save": DumpCaptionKeys on the main window, then the whole active table
  // to DumpPath().
  void btn1Click();
  // "Load English", "Load Chinese": lang1.txt / lang2.txt from beside the
  // program into the active table, replacing it, then reapply. A missing or
  // unreadable file is reported and leaves the table as it was.
  void btn2Click();
  void btn3Click();
  // "Load Japan": the built-in table into the active table, then reapply.
  void btn4Click();

  // The data folder's "all.txt".
  static QString DumpPath();

  QPushButton* btn1;
  QPushButton* btn2;
  QPushButton* btn3;
  QPushButton* btn4;
  QPlainTextEdit* lst1;      // the active table
  QPlainTextEdit* lstlang3;  // the built-in table

 private:
  void LoadFile(const QString& name);
  void ShowActiveTable();

  QWidget* mainWindow_;
  LanguageTable& active_;
  std::function<void()> reapply_;
  QLabel* status_;
};
