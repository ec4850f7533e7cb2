// A bank line parsed into the holder and shuffled, as a new game deals it.

#include "FuzzCheck.h"
#include "core/RandomSource.h"
#include "core/TQJ.h"

namespace {

class FixedRandom : public RandomSource {
 public:
  void Reseed() override {}
  int Random(int n) override { return static_cast<int>(next_++ % static_cast<unsigned>(n)); }

 private:
  unsigned next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  TQJ holder;
  FixedRandom random;
  if (!holder.LoadBankLine(std::string(FuzzBytes(data, size)), random)) return 0;
  const std::string solution = holder.GetSolution();
  FUZZ_CHECK(solution.size() == 81);
  for (int i = 0; i < 81; ++i) {
    FUZZ_CHECK(holder.node(i).digit >= 1 && holder.node(i).digit <= 9);
    FUZZ_CHECK(solution[static_cast<std::size_t>(i)] == '0' + holder.node(i).digit);
  }
  return 0;
}
