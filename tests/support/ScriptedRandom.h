#pragma once
// A random source for tests: plays back scripted draws (0 once they run
// out), checks each against its range and counts draws and reseeds.

#include <gtest/gtest.h>

#include <deque>

#include "core/RandomSource.h"

class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::deque<int> values = {}) : values_(std::move(values)) {}
  void Reseed() override { ++reseeds; }
  int Random(int n) override {
    ++draws;
    if (values_.empty()) return 0;
    const int v = values_.front();
    values_.pop_front();
    EXPECT_GE(v, 0);
    EXPECT_LT(v, n);
    return v;
  }
  int reseeds = 0;
  int draws = 0;

 private:
  std::deque<int> values_;
};
