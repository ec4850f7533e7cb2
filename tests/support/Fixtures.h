#pragma once
// Golden files under tests/fixtures, read as bytes (CR LF and marks intact).

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

inline std::string FixturePath(const std::string& name) { return std::string(TESSVAR_FIXTURES) + "/" + name; }

inline std::string ReadFixture(const std::string& name) {
  std::ifstream in(FixturePath(name), std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
