#include "core/Coordinates.h"

const std::array<PeerList, kCells>& PeerTable() {
  static const std::array<PeerList, kCells> table = [] {
    std::array<PeerList, kCells> t{};
    for (int a = 0; a < kCells; ++a) {
      int n = 0;
      for (int b = 0; b < kCells; ++b)
        if (ArePeers(a, b)) t[static_cast<size_t>(a)][static_cast<size_t>(n++)] = b;
    }
    return t;
  }();
  return table;
}

ConflictPair FindConflict(const std::array<char, kCells>& marks) {
  for (int a = 0; a < kCells; ++a) {
    const char t = marks[static_cast<size_t>(a)];
    if (t == '\0') continue;
    int partner = -1;
    for (int b : PeerTable()[static_cast<size_t>(a)])
      if (marks[static_cast<size_t>(b)] == t) partner = b;
    if (partner >= 0) return {a, partner};
  }
  return {};
}
