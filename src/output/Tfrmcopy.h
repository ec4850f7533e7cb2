#pragma once
// The copy window: the main board as text in one of four layouts, shown in a
// fixed-pitch preview and copied to the clipboard.

#include <QDialog>
#include <array>

class Board;
class LanguageTable;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class Tfrmcopy : public QDialog {
  Q_OBJECT

 public:
  Tfrmcopy(const LanguageTable& table, const Board& board, QWidget* parent = nullptr);

  // The names of listed components that were not found (none, normally).
  QStringList SetTexts();
  // Before each showing: the documented size, layout 0 chosen. The main
  // window has given the board's empty open cells their free digits first.
  void Open();
  void RadioGroup1Click(int index);
  void Button1Click();  // Copy

  QGroupBox* RadioGroup1;
  std::array<QRadioButton*, 4> items{};
  QPlainTextEdit* memo1;
  QPushButton* Button1;
  QPushButton* Button2;

 private:
  const LanguageTable& table_;
  const Board& board_;
};
