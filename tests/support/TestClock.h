#pragma once
// A clock the test moves by hand, for a Game's monotonic clock source.

#include <cstdint>
#include <functional>
#include <memory>

class TestClock {
 public:
  std::function<std::int64_t()> Source() {
    return [now = now_] { return *now; };
  }
  void Advance(std::int64_t ms) { *now_ += ms; }

 private:
  std::shared_ptr<std::int64_t> now_ = std::make_shared<std::int64_t>(0);
};
