#pragma once
// The bank lines compiled into the program (generated from data/bank).

#include <cstddef>

namespace bank_data {

struct LevelList {
  const char* const* lines;
  std::size_t count;
};

extern const LevelList kLevels[5];

}  // namespace bank_data
