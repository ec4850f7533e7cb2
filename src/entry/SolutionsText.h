#pragma once
// The Multiple Solutions Viewer's text: a heading, the first solution as nine
// lines of nine digits, two empty lines, a heading and the second solution.

#include <string>
#include <vector>

std::vector<std::string> TwoSolutionsLines(const std::string& heading1, const std::string& first,
                                           const std::string& heading2, const std::string& other);
