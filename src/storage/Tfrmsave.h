#pragma once
// "Save Your Game": asks for a name and a level and stores the board in
// games.dat. It also holds the store itself (the file's lines), which the
// game list works on; a new one is made for every use, so the file is read
// afresh each time.

#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "storage/GamesStore.h"

class LanguageTable;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Tfrmsave : public QDialog {
  Q_OBJECT

 public:
  Tfrmsave(const LanguageTable& table, const QString& dataFolder, QWidget* parent = nullptr);

  // Reads games.dat into the store; a missing file is written empty.
  void LoadGames();
  // Writes the store to games.dat atomically. On failure the player is
  // told, the store goes back to before (what the file still holds) and
  // the result is false.
  bool SaveGames(const GamesStore& before);
  // The board to store: its level presets the level choice.
  void SetBoard(int level, std::string solution, std::vector<std::string> rows);
  int ItemIndex() const;
  QString FilePath() const;

  void Button1Click();  // OK: store the game, then close
  void Button2Click();  // Cancel

  GamesStore store;
  QLabel* Label1;
  QLineEdit* Edit1;
  QGroupBox* RadioGroup1;
  std::array<QRadioButton*, 6> items{};
  QPushButton* Button1;
  QPushButton* Button2;

 private:
  void StoreGame();

  const LanguageTable& table_;
  QString dataFolder_;
  bool readFailed_ = false;
  std::string solution_;
  std::vector<std::string> rows_;
};
