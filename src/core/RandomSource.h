#pragma once
// The game's pseudo-random numbers: Random(n) in 0..n-1 and reseeding. The
// seed comes from the clock unless a test fixes it.

#include <cstdint>
#include <functional>
#include <random>

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual void Reseed() = 0;
  // Uniform in 0..n-1 (n >= 1).
  virtual int Random(int n) = 0;
};

class ClockRandom : public RandomSource {
 public:
  // seedSource defaults to the system clock; tests hand in a constant.
  explicit ClockRandom(std::function<std::uint64_t()> seedSource = {});
  void Reseed() override;
  int Random(int n) override;

 private:
  std::function<std::uint64_t()> seedSource_;
  std::mt19937_64 engine_;
};
