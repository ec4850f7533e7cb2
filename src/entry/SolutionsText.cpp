#include "entry/SolutionsText.h"

namespace {

void AppendGrid(std::vector<std::string>& lines, const std::string& solution) {
  for (size_t row = 0; row < 9; ++row) lines.push_back(solution.size() >= row * 9 ? solution.substr(row * 9, 9) : "");
}

}  // namespace

std::vector<std::string> TwoSolutionsLines(const std::string& heading1, const std::string& first,
                                           const std::string& heading2, const std::string& other) {
  std::vector<std::string> lines;
  lines.reserve(22);
  lines.push_back(heading1);
  AppendGrid(lines, first);
  lines.emplace_back();
  lines.emplace_back();
  lines.push_back(heading2);
  AppendGrid(lines, other);
  return lines;
}
