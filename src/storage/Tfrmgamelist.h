#pragma once
// "Choose a sudoku": the stored games in a two-column grid (name, level),
// with Delete, Rename, OK (or a double-click) to open, and Cancel. Made once
// at start-up; each showing works on the saved games it is given.

#include <QDialog>
#include <functional>

#include "storage/GamesStore.h"

class LanguageTable;
class QPushButton;
class QTableWidget;
class GamesFile;

class Tfrmgamelist : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrmgamelist(const LanguageTable& table, QWidget* parent = nullptr);

  // Sets the texts from the active table and lists the games of store
  // (nullptr: none, and the window forgets the store it had).
  void FillGameList(GamesFile* games);
  // The name of the game in the selected row, "" for the empty row.
  std::string SelectedName() const;
  // The selected row's place in the store's list, -1 for the empty row.
  int SelectedEntry() const;

  void Button1Click();  // Delete
  void Button2Click();  // Rename
  void Button3Click();  // OK: open the selected game
  void Button4Click();  // Cancel

  // Puts a checked stored game on the main board.
  std::function<bool(const StoredGame&)> onOpen;  // false: nothing was opened

  QTableWidget* StringGrid1;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;

 private:
  void ApplyTexts();
  void SetRow(int row, const GameListEntry& entry);
  // Lists the store again, the given row selected (the rows follow the
  // entries' places, which a delete shifts).
  void Relist(int row);

  const LanguageTable& table_;
  GamesFile* games_ = nullptr;
};
