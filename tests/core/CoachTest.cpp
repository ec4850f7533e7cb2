#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "core/Coach.h"
#include "core/Generator.h"
#include "core/Tfrmtk.h"
#include "shell/BuiltinJapanese.h"
#include "shell/HintWords.h"

namespace {

// A game in progress on a bank line: the grader's first steps taken (a
// random number of them), then a few wrong candidates struck out by hand.
struct Position {
  Board board;
  std::string solution;
};

Position PartSolved(const std::string& line, GeneratorRandom& random) {
  Position p;
  Grid givens{};
  for (std::size_t i = 0; i < 81; ++i) {
    const char ch = line[i];
    p.solution += ch <= '9' ? ch : static_cast<char>('1' + (ch - 'A'));
    givens[i] = ch <= '9' ? static_cast<std::uint8_t>(ch - '0') : 0;
  }
  std::vector<GradeStep> log;
  Grade(givens, 4, &log);
  bool ok = false;
  GradeBoard g = GradeBoard::FromGivens(givens, &ok);
  const int taken = random.Below(static_cast<int>(log.size()) + 1);
  for (int k = 0; k < taken; ++k) ApplyStep(log[static_cast<std::size_t>(k)], g);
  for (int i = 0; i < kCells; ++i) {
    Cell& c = p.board.cell(i);
    c.state = givens[static_cast<std::size_t>(i)] ? CellState::Given : g.value(i) ? CellState::Placed : CellState::Open;
    c.digits.clear();
    for (int d = 1; d <= 9; ++d)
      if (g.value(i) == d || (g.has(i, d) && (p.solution[static_cast<std::size_t>(i)] == '0' + d || random.Below(100) >= 3)))
        c.digits += static_cast<char>('0' + d);
  }
  return p;
}

// Any full house, naked single or hidden single on the candidates shown
// (every cell of a unit open or not, a digit's places counted directly).
bool HasSingle(const Board& b) {
  for (int i = 0; i < kCells; ++i)
    if (b.cell(i).isOpen() && b.cell(i).digits.size() == 1) return true;
  for (const auto& unit : kUnitCells) {
    for (char d = '1'; d <= '9'; ++d) {
      int places = 0;
      bool placed = false;
      for (int c : unit) {
        const Cell& cell = b.cell(c);
        placed = placed || (!cell.isOpen() && cell.digits[0] == d);
        places += cell.isOpen() && cell.digits.find(d) != std::string::npos;
      }
      if (!placed && places == 1) return true;
    }
  }
  return false;
}

}  // namespace

// Positions of real games, in both modes: every placement is the solution
// digit of an open cell, every elimination a non-solution candidate the cell
// shows (or, with values only, is free for), and a board with a single never
// gets a harder technique.
TEST(Coach, EveryHintOnGamesInProgressIsSound) {
  const Tfrmtk bank;
  GeneratorRandom random(4808);
  std::map<std::string, int> seen;
  for (int level = 0; level < Tfrmtk::kLevels; ++level) {
    for (std::size_t n = 0; n < bank.list(level).size(); n += 10) {
      Position p = PartSolved(bank.list(level)[n], random);
      for (const bool valuesOnly : {false, true}) {
        Board shown = p.board;
        if (valuesOnly) shown.FillOpenCandidates();
        const Hint h = FindHint(p.board, {valuesOnly}, random.Below(2) ? p.solution : "");
        const std::string where = std::to_string(level) + ":" + std::to_string(n + 1) + (valuesOnly ? " values" : "");
        ++seen[h.TechniqueName()];
        if (h.kind == HintKind::Solved) continue;
        ASSERT_EQ(h.kind, HintKind::Step) << where;
        EXPECT_FALSE(h.placements.empty() && h.eliminations.empty()) << where;
        EXPECT_FALSE(h.cleanup) << where << ": the candidates shown are pruned";
        for (const CellDigit& x : h.placements) {
          EXPECT_TRUE(shown.cell(x.cell).isOpen()) << where;
          EXPECT_EQ(p.solution[static_cast<size_t>(x.cell)], '0' + x.digit) << where;
        }
        for (const CellDigit& x : h.eliminations) {
          EXPECT_NE(shown.cell(x.cell).digits.find(static_cast<char>('0' + x.digit)), std::string::npos) << where;
          EXPECT_NE(p.solution[static_cast<size_t>(x.cell)], '0' + x.digit) << where;
        }
        if (HasSingle(shown)) { EXPECT_LE(h.technique, Technique::HiddenSingle) << where; }
        EXPECT_EQ(h.needsCandidates, valuesOnly && h.technique > Technique::HiddenSingle) << where;
        // Every step is put into words: no key missing, no placeholder left.
        const HintTexts texts = HintWords(h, BuiltinJapanese());
        for (const std::string& text : {texts.nudge, texts.where, texts.move})
          EXPECT_TRUE(!text.empty() && text.find('{') == std::string::npos) << where << ": " << text;
      }
    }
  }
  // The sample reaches past the singles.
  EXPECT_GT(seen["Pointing"] + seen["Claiming"] + seen["Naked Pair"], 0);
}

// The player's work is checked in a fixed order, and the holder's solution,
// when it is one, is the one checked against.
TEST(Coach, ChecksComeBeforeStepsInOrder) {
  const std::string line = Tfrmtk().list(2).front();
  GeneratorRandom random(1);
  Position p = PartSolved(line, random);
  int open = -1, other = -1;
  for (int i = 0; i < kCells && other < 0; ++i)
    if (p.board.cell(i).isOpen()) (open < 0 ? open : other) = i;
  ASSERT_GE(other, 0);
  const auto solutionAt = [&](int i) { return p.solution[static_cast<size_t>(i)]; };
  const auto wrongAt = [&](int i) { return std::string(1, solutionAt(i) == '9' ? '1' : static_cast<char>(solutionAt(i) + 1)); };

  Board b = p.board;
  b.cell(open).digits = b.FreeDigits(RowOf(open), ColOf(open)) + "";  // free digits: nothing to clean up
  b.cell(other).digits.erase(b.cell(other).digits.find(solutionAt(other)), 1);
  EXPECT_EQ(FindHint(b, {}).kind, HintKind::MissingCandidate);
  EXPECT_EQ(FindHint(b, {}).cells, std::vector<int>{other});
  EXPECT_EQ(FindHint(b, {true}).kind, HintKind::Step) << "values only: the candidates are not the player's";
  b.cell(other).digits.clear();
  EXPECT_EQ(FindHint(b, {true}).kind, HintKind::Step) << "values only: an empty cell is no mistake";

  b.cell(open) = {RowOf(open), ColOf(open), wrongAt(open), false, CellState::Placed};
  const Hint wrong = FindHint(b, {});
  EXPECT_EQ(wrong.kind, HintKind::WrongDigit);
  EXPECT_EQ(wrong.cells, std::vector<int>{open});
  EXPECT_EQ(FindHint(b, {}, p.solution).kind, HintKind::WrongDigit);
  std::string notTheSolution = p.solution;
  notTheSolution[static_cast<size_t>(open)] = wrongAt(open)[0];
  EXPECT_EQ(FindHint(b, {}, notTheSolution).kind, HintKind::WrongDigit) << "a holder solution that is none is ignored";

  Board solved = p.board;
  for (int i = 0; i < kCells; ++i)
    if (solved.cell(i).isOpen()) solved.cell(i) = {RowOf(i), ColOf(i), std::string(1, solutionAt(i)), false, CellState::Placed};
  EXPECT_EQ(FindHint(solved, {}).kind, HintKind::Solved);
  solved.cell(open).digits = wrongAt(open);
  EXPECT_EQ(FindHint(solved, {}).kind, HintKind::WrongDigit);
}

// Every placeholder in the coach's texts of the three tables is one the
// words fill in: a misspelt one would reach the player as it is.
TEST(Coach, TextsUseOnlyKnownPlaceholders) {
  const std::set<std::string> known = {"n",     "digit",  "digits",  "cell",   "cells",  "place",   "remove",
                                       "nudge", "items",  "unit",    "unit2",  "units",  "bases",   "covers",
                                       "removed", "kept", "wings",   "targets", "first", "last",    "ends",
                                       "chain", "action", "technique"};
  const std::regex placeholder("\\{([^}]*)\\}");
  auto check = [&](const LanguageTable& t, const std::string& name) {
    for (const std::string& line : t.Lines()) {
      if (!line.starts_with("coach_")) continue;
      for (auto it = std::sregex_iterator(line.begin(), line.end(), placeholder); it != std::sregex_iterator(); ++it)
        EXPECT_TRUE(known.contains((*it)[1])) << name << ": " << line;
    }
  };
  check(BuiltinJapanese(), "built-in");
  for (const char* file : {"lang1.txt", "lang2.txt"}) {
    std::ifstream in(std::string(TESSVAR_LANG_DIR) + "/" + file, std::ios::binary);
    check(LanguageTable::FromFileBytes(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>())), file);
  }
}

// A cell as a screen reader hears it, in each table's words.
TEST(Coach, CellsAreSpokenInTheTablesLanguage) {
  auto shipped = [](const char* file) {
    std::ifstream in(std::string(TESSVAR_LANG_DIR) + "/" + file, std::ios::binary);
    return LanguageTable::FromFileBytes(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  };
  const LanguageTable tables[] = {BuiltinJapanese(), shipped("lang1.txt"), shipped("lang2.txt")};
  auto cell = [](int row, int col, CellState state, std::string digits) {
    Cell c;
    c.row = row;
    c.col = col;
    c.state = state;
    c.digits = std::move(digits);
    return c;
  };
  const struct {
    Cell cell;
    const char* ja;
    const char* en;
    const char* zh;
  } cases[] = {
      {cell(1, 3, CellState::Given, "6"), "A3、問題の数字 6", "A3, given 6", "A3，题目数字 6"},
      {cell(9, 1, CellState::Placed, "4"), "I1、記入 4", "I1, placed 4", "I1，已填 4"},
      {cell(5, 5, CellState::Open, ""), "E5、空き", "E5, empty", "E5，空"},
      {cell(2, 9, CellState::Open, "479"), "B9、候補 4 7 9", "B9, candidates 4 7 9", "B9，候选数 4 7 9"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CellSpokenName(c.cell, tables[0]), c.ja);
    EXPECT_EQ(CellSpokenName(c.cell, tables[1]), c.en);
    EXPECT_EQ(CellSpokenName(c.cell, tables[2]), c.zh);
  }
}
