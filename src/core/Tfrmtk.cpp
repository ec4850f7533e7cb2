#include "core/Tfrmtk.h"

#include "core/BankData.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"

Tfrmtk::Tfrmtk() {
  lists_.resize(kLevels);
  for (int level = 0; level < kLevels; ++level) {
    const bank_data::LevelList& src = bank_data::kLevels[level];
    lists_[static_cast<size_t>(level)].assign(src.lines, src.lines + src.count);
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

bool PickBankPuzzle(const Tfrmtk& bank, int level, TQJ& holder, RandomSource& random) {
  if (level < 0 || level >= Tfrmtk::kLevels) return false;
  if (bank.list(level).empty()) return false;
  random.Reseed();
  const int r = bank.PickLineNumber(level, random);
  return holder.LoadBankLine(bank.list(level)[static_cast<size_t>(r - 1)], random);
}
