#include "shell/HintWords.h"

#include <algorithm>
#include <map>

namespace {

using Vars = std::map<std::string, std::string, std::less<>>;

// Replaces every "{name}" of vars; other braces stay as they are.
std::string Fill(const std::string& text, const Vars& vars) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string::npos;
    if (close != std::string::npos) {
      const auto it = vars.find(std::string_view(text).substr(i + 1, close - i - 1));
      if (it != vars.end()) {
        out += it->second;
        i = close + 1;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

// "A", "A and B", "A, B and C", with the table's words.
std::string List(const std::vector<std::string>& items, const LanguageTable& t) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += t.LookupText(i + 1 == items.size() ? "coach_and" : "coach_comma");
    out += items[i];
  }
  return out;
}

std::vector<std::string> Cells(const std::vector<int>& cells) {
  std::vector<std::string> out;
  for (int c : cells) out.push_back(CellName(c));
  return out;
}

std::vector<std::string> Digits(const std::vector<int>& digits) {
  std::vector<std::string> out;
  for (int d : digits) out.push_back(std::to_string(d));
  return out;
}

std::vector<std::string> Units(std::vector<int>::const_iterator from, std::vector<int>::const_iterator to,
                               const LanguageTable& t) {
  static const char* const kKeys[] = {"coach_row", "coach_column", "coach_box"};
  std::vector<std::string> out;
  for (auto it = from; it != to; ++it) {
    const int k = *it % 9;
    const std::string label(1, static_cast<char>(*it < 9 ? 'A' + k : '1' + k));
    out.push_back(Fill(t.LookupText(kKeys[*it / 9]), {{"n", label}}));
  }
  return out;
}

std::vector<int> DigitsOf(const std::vector<CellDigit>& list) {
  std::vector<int> out;
  for (const CellDigit& x : list) out.push_back(x.digit);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

// "3 and 6 from H1 and H4; 5 from A2": cells that lose the same digits share a group.
std::string Removals(const std::vector<CellDigit>& eliminations, const LanguageTable& t) {
  std::vector<std::pair<std::vector<int>, std::vector<int>>> groups;  // digits, cells
  std::vector<int> cells;
  for (const CellDigit& e : eliminations)
    if (std::find(cells.begin(), cells.end(), e.cell) == cells.end()) cells.push_back(e.cell);
  for (int c : cells) {
    std::vector<int> digits;
    for (const CellDigit& e : eliminations)
      if (e.cell == c) digits.push_back(e.digit);
    std::sort(digits.begin(), digits.end());
    auto g = std::find_if(groups.begin(), groups.end(), [&](const auto& x) { return x.first == digits; });
    if (g == groups.end()) groups.push_back({digits, {c}});
    else g->second.push_back(c);
  }
  std::vector<std::string> parts;
  for (const auto& [digits, at] : groups)
    parts.push_back(Fill(t.LookupText("coach_from"), {{"digits", List(Digits(digits), t)}, {"cells", List(Cells(at), t)}}));
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : t.LookupText("coach_groups")) + part;
  return out;
}

std::string Placements(const std::vector<CellDigit>& list, const LanguageTable& t) {
  std::vector<std::string> parts;
  for (const CellDigit& p : list)
    parts.push_back(Fill(t.LookupText("coach_in"), {{"digit", std::to_string(p.digit)}, {"cell", CellName(p.cell)}}));
  return List(parts, t);
}

// Eureka notation: "(5)A1=(5)A4-(3)A4=(3)C4".
std::string ChainText(const std::vector<CellDigit>& chain) {
  std::string out;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (i > 0) out += i % 2 ? '=' : '-';
    out += "(" + std::to_string(chain[i].digit) + ")" + CellName(chain[i].cell);
  }
  return out;
}

HintTexts Texts(const LanguageTable& t, const std::string& stem, const Vars& vars) {
  return {Fill(t.LookupText(stem + "_nudge"), vars), Fill(t.LookupText(stem + "_where"), vars),
          Fill(t.LookupText(stem + "_move"), vars)};
}

}  // namespace

std::string TechniqueKeyStem(Technique t) { return std::string("coach_") + TechniqueStem(t); }

std::string HintKeyStem(const Hint& hint) {
  switch (hint.kind) {
    case HintKind::Invalid: return "coach_invalid";
    case HintKind::Solved: return "coach_solved";
    case HintKind::WrongDigit: return "coach_wrong";
    case HintKind::MissingCandidate: return "coach_missing";
    case HintKind::Stuck: return "coach_stuck";
    case HintKind::Step: break;
  }
  return hint.cleanup ? "coach_cleanup" : TechniqueKeyStem(hint.technique);
}

HintTexts HintWords(const Hint& hint, const LanguageTable& t) {
  const std::string stem = HintKeyStem(hint);
  Vars vars;
  if (hint.kind != HintKind::Step) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < hint.cells.size() && i < hint.digits.size(); ++i)
      items.push_back(Fill(t.LookupText("coach_missing_item"), {{"digit", std::to_string(hint.digits[i])}, {"cell", CellName(hint.cells[i])}}));
    vars = {{"cells", List(Cells(hint.cells), t)},
            {"items", List(items, t)},
            {"digits", List(Digits(hint.digits), t)}};
    if (!hint.cells.empty()) {
      vars["cell"] = CellName(hint.cells.front());
      vars["digit"] = std::to_string(hint.digits.front());
      const std::vector<int> box = {UnitOf(hint.cells.front(), 2)};
      vars["unit"] = Units(box.begin(), box.end(), t).front();
    }
    const bool many = hint.cells.size() > 1;
    HintTexts out = Texts(t, stem, vars);
    if (many && hint.kind == HintKind::WrongDigit) out.move = Fill(t.LookupText("coach_wrong_move_many"), vars);
    return out;
  }

  const std::vector<int> removed = DigitsOf(hint.eliminations);
  std::vector<int> kept;
  for (int d : hint.digits)
    if (std::find(removed.begin(), removed.end(), d) == removed.end()) kept.push_back(d);
  std::vector<int> targets;
  for (const auto* list : {&hint.placements, &hint.eliminations})
    for (const CellDigit& x : *list)
      if (std::find(targets.begin(), targets.end(), x.cell) == targets.end()) targets.push_back(x.cell);
  const std::vector<int>& shape = hint.pattern.empty() ? targets : hint.pattern;
  const int first = hint.chain.empty() ? shape.front() : hint.chain.front().cell;
  const int last = hint.chain.empty() ? shape.back() : hint.chain.back().cell;
  const auto half = hint.units.begin() + static_cast<long>(hint.units.size() / 2);

  vars = {{"technique", t.LookupText(stem)},
          {"digit", hint.digits.empty() ? "" : std::to_string(hint.digits.front())},
          {"digits", List(Digits(hint.digits), t)},
          {"removed", List(Digits(removed), t)},
          {"kept", List(Digits(kept), t)},
          {"units", List(Units(hint.units.begin(), hint.units.end(), t), t)},
          {"bases", List(Units(hint.units.begin(), half, t), t)},
          {"covers", List(Units(half, hint.units.end(), t), t)},
          {"cell", CellName(shape.front())},
          {"cells", List(Cells(shape), t)},
          {"wings", List(Cells(std::vector<int>(shape.begin() + 1, shape.end())), t)},
          {"targets", List(Cells(targets), t)},
          {"first", CellName(first)},
          {"last", CellName(last)},
          {"ends", CellName(first) + t.LookupText("coach_or") + CellName(last)},
          {"chain", ChainText(hint.chain)}};
  const std::vector<std::string> units = Units(hint.units.begin(), hint.units.end(), t);
  vars["unit"] = units.empty() ? "" : units[0];
  vars["unit2"] = units.size() < 2 ? "" : units[1];
  const std::string place = Placements(hint.placements, t), remove = Removals(hint.eliminations, t);
  vars["action"] = hint.placements.empty()    ? Fill(t.LookupText("coach_action_remove"), {{"remove", remove}})
                   : hint.eliminations.empty() ? Fill(t.LookupText("coach_action_place"), {{"place", place}})
                                               : Fill(t.LookupText("coach_action_both"), {{"place", place}, {"remove", remove}});
  HintTexts out = Texts(t, stem, vars);
  if (hint.needsCandidates) out.nudge = Fill(t.LookupText("coach_needs_candidates"), {{"nudge", out.nudge}});
  return out;
}

std::string CellSpokenName(const Cell& cell, const LanguageTable& table) {
  std::string digits;
  for (char d : cell.digits) {
    if (!digits.empty()) digits += ' ';
    digits += d;
  }
  const char* key = cell.state == CellState::Given    ? "msg_cell_given"
                    : cell.state == CellState::Placed ? "msg_cell_placed"
                    : digits.empty()                  ? "msg_cell_empty"
                                                      : "msg_cell_candidates";
  return Fill(table.LookupText(key), {{"cell", CellName(IndexOf(cell.row, cell.col))}, {"digits", digits}});
}
