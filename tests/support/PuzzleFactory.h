#pragma once
// Random valid grids and puzzles for property tests (model only).

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>

#include "core/Tfrm_sol.h"

class PuzzleFactory {
 public:
  explicit PuzzleFactory(unsigned seed) : rng_(seed) {}

  // A random solved grid: the smallest grid under random symmetries.
  std::string Grid() {
    static const std::string base =
        "123456789456789123789123456214365897365897214897214365531642978642978531978531642";
    std::array<int, 9> rows = Lines(), cols = Lines(), digits{};
    std::iota(digits.begin(), digits.end(), 1);
    std::shuffle(digits.begin(), digits.end(), rng_);
    const bool transpose = Coin();
    std::string g(81, '0');
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        int sr = rows[static_cast<size_t>(r)], sc = cols[static_cast<size_t>(c)];
        if (transpose) std::swap(sr, sc);
        const int v = base[static_cast<size_t>(sr * 9 + sc)] - '0';
        g[static_cast<size_t>(r * 9 + c)] = static_cast<char>('0' + digits[static_cast<size_t>(v - 1)]);
      }
    return g;
  }

  // The grid with `clues` cells kept and "*" elsewhere.
  std::string Mask(const std::string& grid, int clues) {
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng_);
    std::string p(81, '*');
    for (int i = 0; i < clues; ++i) p[static_cast<size_t>(order[static_cast<size_t>(i)])] = grid[static_cast<size_t>(order[static_cast<size_t>(i)])];
    return p;
  }

  // A puzzle with exactly one solution: blanks removed while the count stays one.
  std::string Unique(const std::string& grid, int stopAt) {
    std::string p = grid;
    std::array<int, 81> order{};
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng_);
    int clues = 81;
    Tfrm_sol engine;
    for (int pos : order) {
      if (clues <= stopAt) break;
      const char keep = p[static_cast<size_t>(pos)];
      p[static_cast<size_t>(pos)] = '*';
      if (engine.CountSolutions(p).result != SolutionCount::One) p[static_cast<size_t>(pos)] = keep;
      else --clues;
    }
    return p;
  }

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool Coin() { return Below(2) == 1; }

 private:
  // A random order of the nine lines: bands shuffled, lines inside each band.
  std::array<int, 9> Lines() {
    std::array<int, 3> bands{0, 1, 2};
    std::shuffle(bands.begin(), bands.end(), rng_);
    std::array<int, 9> out{};
    for (int b = 0; b < 3; ++b) {
      std::array<int, 3> in{0, 1, 2};
      std::shuffle(in.begin(), in.end(), rng_);
      for (int i = 0; i < 3; ++i) out[static_cast<size_t>(b * 3 + i)] = bands[static_cast<size_t>(b)] * 3 + in[static_cast<size_t>(i)];
    }
    return out;
  }

  std::mt19937 rng_;
};
