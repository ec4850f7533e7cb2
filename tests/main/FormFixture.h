#pragma once
// A main window with a known puzzle bank and no shuffling, its dialogs
// answered by a script.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <deque>

#include "controls/TColorGrid.h"
#include "controls/TPICSD33.h"
#include "support/GameTestAccess.h"
#include "support/TestClock.h"
#include "controls/TTimeLabel.h"
#include "controls/Tmousepb.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "support/ScriptedDialogs.h"
#include "support/ScriptedRandom.h"
#include "support/TestPuzzles.h"
#include "support/GameTestAccess.h"
#include "support/TestClock.h"

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<TForm1>();
    form->CreateOtherWindows();
    // With every draw 0 the 200 shuffle passes swap columns 1 and 2 back and
    // forth, so a dealt line reaches the board unchanged.
    form->game.SetRandom(std::make_unique<ScriptedRandom>());
    form->game.SetClockSource(clock.Source());
    form->show();
  }

  // Deals a puzzle as the Very Easy command does, from a one-puzzle bank.
  void Deal(const std::string& line) {
    form->game.SetBank(Tfrmtk({{line, line}, {line, line}, {line, line}, {line, line}, {line, line}}));
    form->NewGame(0);
  }

  Board& board() { return GameTestAccess::board(form->game); }
  Cell& cell(int row, int col) { return board().at(row, col); }
  TPicNode* node(int row, int col) { return form->sd991->node(row, col); }
  void Put(int row, int col, CellState s, const std::string& digits) {
    cell(row, col).state = s;
    cell(row, col).digits = digits;
  }
  void LeftClick(int row, int col) { QTest::mousePress(node(row, col), Qt::LeftButton); }
  void RightClick(int row, int col) { form->CellMouseDown(node(row, col), Qt::RightButton); }
  void ClickCandidate(int row, int col, int d, Qt::MouseButton b) { form->CandidateMouseDown(node(row, col), d, b); }
  void SelectDigit(int d) { form->FormKeyDown(Qt::Key_0 + d, Qt::NoModifier); }
  void Key(int key) { QTest::keyClick(form.get(), static_cast<Qt::Key>(key)); }
  size_t LogSize() const { return GameTestAccess::steps(form->game).memostep.size(); }
  QString Text(const char* key) const { return QString::fromStdString(form->lst1.LookupText(key)); }
  bool Enabled(QToolButton* b) const { return b->isEnabled(); }

  ScriptedDialogs dialogs;
  TestClock clock;
  std::unique_ptr<TForm1> form;
};
