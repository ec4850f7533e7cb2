#include "core/RandomSource.h"

#include <chrono>

namespace {

std::uint64_t ClockSeed() {
  // Two reseeds within one command must not give the same stream, so mix
  // the clock with a counter.
  static std::uint64_t counter = 0;
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return static_cast<std::uint64_t>(now) ^ (0x9E3779B97F4A7C15ULL * ++counter);
}

}  // namespace

ClockRandom::ClockRandom(std::function<std::uint64_t()> seedSource)
    : seedSource_(seedSource ? std::move(seedSource) : ClockSeed) {
  Reseed();
}

void ClockRandom::Reseed() { engine_.seed(seedSource_()); }

int ClockRandom::Random(int n) {
  // Rejection sampling keeps every value equally likely.
  const auto range = static_cast<std::uint64_t>(n);
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  std::uint64_t v;
  do {
    v = engine_();
  } while (v >= limit);
  return static_cast<int>(v % range);
}
