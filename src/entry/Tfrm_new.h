#pragma once
// The puzzle editor: the player's own puzzle on a board of its own, taken
// over from the main board or imported from text, checked for its number of
// solutions and played as a new game. Made once and kept between showings.

#include <QDialog>

#include "core/Board.h"

class Game;
class LanguageTable;
class QPlainTextEdit;
class QPushButton;
class TfrmImport;
class TPICSD33;
class TPicNode;

class Tfrm_new : public QDialog {
  Q_OBJECT

 public:
  Tfrm_new(const LanguageTable& table, Game& game, QWidget* parent = nullptr);

  // The names of listed components that were not found (none, normally).
  QStringList SetTexts();
  Board& editor() { return editor_; }

  void Button5Click();  // Load Puzzle
  void Button6Click();  // Import
  void Button3Click();  // Clear Grid
  void Button1Click();  // Check Puzzle
  void Button2Click();  // Play Puzzle
  void BitBtn1Click();  // the web-solver address to the clipboard

  TPICSD33* sdnew;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button3;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button4;
  QPushButton* BitBtn1;
  QPlainTextEdit* memo2;
  TfrmImport* frmImport;

 signals:
  // Play replaced the main game with the editor's puzzle.
  void puzzlePlayed();

 private:
  void CellMouseDown(TPicNode* cell, Qt::MouseButton button);
  void CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button);

  const LanguageTable& table_;
  Game& game_;
  Board editor_;
};
