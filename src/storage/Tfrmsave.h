#pragma once
// "Save Your Game": asks for a name and a level and stores the board in the
// saved games it is given (read afresh from games.dat for every use).

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "storage/DataFiles.h"

class LanguageTable;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Tfrmsave : public QDialog {
  Q_OBJECT

 public:
  Tfrmsave(const LanguageTable& table, GamesFile& games, QWidget* parent = nullptr);
  // The board to store: its level presets the level choice.
  void SetBoard(int level, std::string solution, std::vector<std::string> rows);
  int ItemIndex() const;

  void Button1Click();  // OK: store the game, then close
  void Button2Click();  // Cancel

  QLabel* Label1;
  QLineEdit* Edit1;
  QGroupBox* RadioGroup1;
  std::array<QRadioButton*, 6> items{};
  QPushButton* Button1;
  QPushButton* Button2;

 private:
  void StoreGame();

  const LanguageTable& table_;
  GamesFile& games_;
  std::string solution_;
  std::vector<std::string> rows_;
};

// Writes the saved games after a change; on failure the player is told, the
// store goes back to before and the result is false.
bool SaveGames(QWidget* parent, const LanguageTable& table, GamesFile& games, const GamesStore& before);
