#pragma once
// tessvar-cli: the model without windows, from standard input to standard
// output. Kept apart from main() so that tests can drive it with streams.

#include <iosfwd>
#include <string>
#include <vector>

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);
