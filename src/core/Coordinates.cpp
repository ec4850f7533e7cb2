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
