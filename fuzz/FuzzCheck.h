#pragma once
// What every fuzz target shares: a check that stops the run with a message
// (libFuzzer then keeps the input), whatever the build type.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#define FUZZ_CHECK(condition)                                                       \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                 \
    }                                                                               \
  } while (0)

inline std::string_view FuzzBytes(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}
