#pragma once
// The Multiple Solutions Viewer: two solutions of a puzzle, one above the
// other, in a read-only text.

#include <QDialog>

class LanguageTable;
class QPlainTextEdit;
class QPushButton;

class TFrmdas : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmdas(const LanguageTable& table, QWidget* parent = nullptr);

  // Fills the text from two 81-digit solutions.
  void ShowSolutions(const std::string& first, const std::string& other);

  QPlainTextEdit* Memo1;
  QPushButton* Button1;

 private:
  const LanguageTable& table_;
};
