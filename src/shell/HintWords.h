#pragma once
// The three texts of a hint, each telling more than the one before: the
// nudge (what to look for), where (the technique with its unit and digit)
// and the move (the whole step as a sentence a player can follow). They are
// made from language-table texts with named placeholders such as {cell}.

#include <string>

#include "core/Board.h"
#include "core/Coach.h"
#include "shell/LanguageTable.h"

struct HintTexts {
  std::string nudge;
  std::string where;
  std::string move;
};

HintTexts HintWords(const Hint& hint, const LanguageTable& table);

// A cell as a screen reader says it, in the table's words: where it is and
// what it holds ("A3, given 6", "A1, candidates 4 7").
std::string CellSpokenName(const Cell& cell, const LanguageTable& table);

// The key stem of a technique's texts: "coach_hiddensingle", ...; the name
// is the stem's own key, the texts add "_nudge", "_where" and "_move".
std::string HintKeyStem(const Hint& hint);
// The same for a step of the technique: "coach_" and its TechniqueStem.
std::string TechniqueKeyStem(Technique t);
