#pragma once
// The practice lines compiled into the program (generated from
// data/practice): for each technique that has any, its stem and lines.

#include <cstddef>

namespace practice_data {

struct TechniqueList {
  const char* stem;
  const char* const* lines;
  std::size_t count;
};

extern const TechniqueList kLists[];
extern const std::size_t kListCount;

}  // namespace practice_data
