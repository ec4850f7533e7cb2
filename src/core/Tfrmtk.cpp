#include "core/Tfrmtk.h"

#include "core/BankData.h"
#include "core/PracticeData.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"

Tfrmtk::Tfrmtk() {
  lists_.resize(kLevels);
  for (int level = 0; level < kLevels; ++level) {
    const bank_data::LevelList& src = bank_data::kLevels[level];
    lists_[static_cast<size_t>(level)].assign(src.lines, src.lines + src.count);
  }
  for (std::size_t k = 0; k < practice_data::kListCount; ++k) {
    const practice_data::TechniqueList& src = practice_data::kLists[k];
    // A file whose name is no technique's stem is refused by the tests, not here.
    for (int t = 0; t < kTechniqueCount; ++t)
      if (std::string_view(src.stem) == TechniqueStem(static_cast<Technique>(t)))
        practice_[static_cast<size_t>(t)].assign(src.lines, src.lines + src.count);
  }
}

Tfrmtk::Tfrmtk(std::vector<std::vector<std::string>> lists) : lists_(std::move(lists)) {
  lists_.resize(kLevels);
}

int Tfrmtk::PickLineNumber(int level, RandomSource& random) const {
  const int count = static_cast<int>(list(level).size());
  // One draw, every line with the same chance.
  return random.Random(count) + 1;
}

std::vector<Technique> Tfrmtk::PracticeTechniques() const {
  std::vector<Technique> out;
  for (int t = 0; t < kTechniqueCount; ++t)
    if (!practice_[static_cast<size_t>(t)].empty()) out.push_back(static_cast<Technique>(t));
  return out;
}

bool PickBankPuzzle(const Tfrmtk& bank, int level, TQJ& holder, RandomSource& random) {
  if (level < 0 || level >= Tfrmtk::kLevels) return false;
  if (bank.list(level).empty()) return false;
  random.Reseed();
  const int r = bank.PickLineNumber(level, random);
  return holder.LoadBankLine(bank.list(level)[static_cast<size_t>(r - 1)], random);
}

bool PickPracticePuzzle(const Tfrmtk& bank, Technique t, TQJ& holder, RandomSource& random) {
  if (static_cast<int>(t) < 0 || static_cast<int>(t) >= kTechniqueCount) return false;
  const std::vector<std::string>& lines = bank.practice(t);
  if (lines.empty()) return false;
  random.Reseed();
  // One draw, every line with the same chance, as for the bank.
  const int r = random.Random(static_cast<int>(lines.size()));
  return holder.LoadBankLine(lines[static_cast<size_t>(r)], random);
}
