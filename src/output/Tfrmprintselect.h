#pragma once
// The print style window: Normal or With Candidates on one of three paper
// sizes. OK writes the main board as print_temp.htm to the temporary folder
// and has the desktop open it; the window stays open for another print.

#include <QDialog>
#include <array>

#include "output/PrintPage.h"

class Board;
class LanguageTable;
class QGroupBox;
class QPushButton;
class QRadioButton;

class Tfrmprintselect : public QDialog {
  Q_OBJECT

 public:
  Tfrmprintselect(const LanguageTable& table, const Board& board, QWidget* parent = nullptr);

  // The names of listed components that were not found (none, normally).
  QStringList SetTexts();
  // The page's path in the temporary folder.
  // The page's path in the private folder; empty (with the reason) when
  // that folder cannot be used.
  static QString PagePath(QString* why = nullptr);
  void SpeedButton1Click();  // OK

  QGroupBox* RadioGroup1;
  QRadioButton* RadioButton1;
  QRadioButton* RadioButton2;
  QGroupBox* pg2;
  std::array<QRadioButton*, 3> pg2Items{};
  QPushButton* SpeedButton1;
  QPushButton* SpeedButton2;

 private:
  const LanguageTable& table_;
  const Board& board_;
};
