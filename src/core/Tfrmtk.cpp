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
  int r = random.Random(count) + 1;
  if (r == count) r = r - 1;
  return r;
}

bool PickBankPuzzle(const Tfrmtk& bank, int level, TQJ& holder, RandomSource& random) {
  if (level < 0 || level >= Tfrmtk::kLevels) return false;
  // A list of one line has no line that may be chosen (the last is never taken).
  if (bank.list(level).size() < 2) return false;
  random.Reseed();
  const int r = bank.PickLineNumber(level, random);
  return holder.LoadBankLine(bank.list(level)[static_cast<size_t>(r - 1)], random);
}
