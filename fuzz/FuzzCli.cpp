// The lines tessvar-cli reads: the first byte picks a command, the rest is
// its standard input.

#include <sstream>
#include <string>
#include <vector>

#include "Cli.h"
#include "FuzzCheck.h"

namespace {

const std::vector<std::vector<std::string>> kCommands = {
    {"count"},
    {"solve"},
    {"grade"},
    {"import"},
    {"copy", "--layout", "0"},
    {"copy", "--layout", "1"},
    {"copy", "--layout", "2"},
    {"copy", "--layout", "3"},
    {"print", "--style", "normal", "--size", "a4"},
    {"print", "--style", "candidates", "--size", "a2"},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  if (size == 0) return 0;
  const auto& args = kCommands[data[0] % kCommands.size()];
  std::istringstream in(std::string(FuzzBytes(data + 1, size - 1)));
  std::ostringstream out, err;
  const int status = RunCli(args, in, out, err);
  FUZZ_CHECK(status == 0 || status == 1);
  FUZZ_CHECK(status == 0 || !err.str().empty());  // a refusal says why
  return 0;
}
