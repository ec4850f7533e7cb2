#include "core/Canonical.h"

#include <array>
#include <cstdint>
#include <vector>

namespace {

constexpr int kPerm[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

// The 216 orders of the columns that keep every column in its stack.
const std::array<std::array<int, 9>, 216>& ColumnOrders() {
  static const auto orders = [] {
    std::array<std::array<int, 9>, 216> t{};
    for (int k = 0; k < 216; ++k) {
      const int p[3] = {k % 6, (k / 6) % 6, k / 36};
      for (int s = 0; s < 3; ++s)
        for (int j = 0; j < 3; ++j) t[static_cast<size_t>(k)][static_cast<size_t>(3 * s + j)] = 3 * s + kPerm[p[s]][j];
    }
    return t;
  }();
  return orders;
}

// An arrangement of the bands done so far: its column order and the digit
// names handed out so far.
struct Partial {
  int columns = 0;
  std::array<std::uint8_t, 10> name{};
  std::uint8_t named = 0;
};

}  // namespace

std::string CanonicalForm(const Grid& puzzle) {
  const auto& orders = ColumnOrders();
  std::vector<Partial> beam(216);
  for (int k = 0; k < 216; ++k) beam[static_cast<size_t>(k)].columns = k;
  std::string form;
  form.reserve(81);
  std::vector<Partial> next;
  for (int band = 0; band < 3; ++band) {
    std::array<std::uint8_t, 27> best{};
    best.fill(0xFF);
    next.clear();
    for (const Partial& from : beam) {
      const auto& cols = orders[static_cast<size_t>(from.columns)];
      for (const auto& rows : kPerm) {
        Partial p = from;
        std::array<std::uint8_t, 27> seg{};
        int order = 0;  // compared with best so far: -1 smaller, 0 equal
        bool larger = false;
        for (int k = 0; k < 27 && !larger; ++k) {
          const int row = 3 * band + rows[k / 9];
          const std::uint8_t d = puzzle[static_cast<size_t>(row * 9 + cols[static_cast<size_t>(k % 9)])];
          std::uint8_t out = 0;
          if (d >= 1 && d <= 9) {
            if (!p.name[d]) p.name[d] = ++p.named;
            out = p.name[d];
          }
          seg[static_cast<size_t>(k)] = out;
          if (order == 0) {
            if (out < best[static_cast<size_t>(k)]) order = -1;
            else if (out > best[static_cast<size_t>(k)]) larger = true;
          }
        }
        if (larger) continue;
        if (order < 0) {
          best = seg;
          next.clear();
        }
        next.push_back(p);
      }
    }
    for (std::uint8_t x : best) form.push_back(static_cast<char>('0' + x));
    beam.swap(next);
  }
  return form;
}
