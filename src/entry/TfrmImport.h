#pragma once
// The import window: a text typed or pasted in one of the four import
// layouts fills the editor's board on OK. The pop-up menu of the text area
// is the paste path, through the platform's clipboard.

#include <QDialog>
#include <QPlainTextEdit>

class Board;
class LanguageTable;
class QLabel;
class QMenu;
class QPushButton;

// The text area: every paste (menu, keys, drag and drop) goes through one
// handler, which refuses a text too large to lay out.
class ImportTextArea : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

 signals:
  void pasteRequested();
  void tooLarge();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
};

class TfrmImport : public QDialog {
  Q_OBJECT

 public:
  // A paste larger than this is refused with "msg_import_toolarge".
  static constexpr qsizetype kMaxPasteBytes = 1024 * 1024;

  TfrmImport(const LanguageTable& table, Board& editor, QWidget* parent = nullptr);

  // The names of listed components that were not found (none, normally).
  QStringList SetTexts();
  void Button1Click();                  // OK
  void ExampleClick(int example);       // Example 1..4
  void e1Click();                       // Select All
  void e2Click();                       // Copy
  void e3Click();                       // Paste
  void e4Click();                       // Clear

  QLabel* Label1;
  QLabel* Label2;
  ImportTextArea* memo2;
  QMenu* pm;
  QAction* e1;
  QAction* e2;
  QAction* e3;
  QAction* e4;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;

 private:
  void RefusePaste();

  const LanguageTable& table_;
  Board& editor_;
};
