#pragma once
// The puzzle editor: the player's own puzzle on a board of its own, taken
// over from the main board or imported from text, checked for its number of
// solutions and played as a new game. Made once and kept between showings.

#include <QDialog>
#include <functional>
#include <string>

#include "core/Board.h"
#include "core/Tfrm_sol.h"
#include "entry/PuzzleEditor.h"

class LanguageTable;
class QPlainTextEdit;
class QPushButton;
class TfrmImport;
class TPICSD33;
class TPicNode;

class Tfrm_new : public QDialog {
  Q_OBJECT

 public:
  // mainBoard is the board Load Puzzle copies (the main window's game).
  Tfrm_new(const LanguageTable& table, const Board& mainBoard, QWidget* parent = nullptr);

  // The names of listed components that were not found (none, normally).
  QStringList SetTexts();
  Board& editor() { return editor_; }
  const EditorSession& session() const { return session_; }

  void Button5Click();  // Load Puzzle
  void Button6Click();  // Import
  void Button3Click();  // Clear Grid
  void Button1Click();  // Check Puzzle; with one solution also its level and hardest technique
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
  // Play: the editor's board and its solution ("" when unknown) for the main
  // window to play; false when it did not replace its game (the editor
  // then stays open).
  std::function<bool(const Board& puzzle, const std::string& solution)> onPlay;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The editor's keys while its board has the focus: arrows, 1..9, Delete.
  bool BoardKey(int key);
  // After a press: the cells redrawn, the cursor and focus where they are.
  void ShowEditor();
  QString GradeText() const;
  void CellMouseDown(TPicNode* cell, Qt::MouseButton button);
  void CandidateMouseDown(TPicNode* cell, int digit, Qt::MouseButton button);

  const LanguageTable& table_;
  const Board& mainBoard_;
  Tfrm_sol solver_;
  Board editor_;
  EditorSession session_{editor_};
  bool cursorShown_ = false;
};
