// A language file: loaded as the language menu and the developer page load
// it, every key looked up; the key dump's form reads back to the same table.

#include "FuzzCheck.h"
#include "shell/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const LanguageTable table = LanguageTable::FromFileBytes(FuzzBytes(data, size));
  for (const std::string& line : table.Lines()) {
    std::string_view key, value;
    if (!SplitTableLine(line, key, value)) continue;
    // The first line of a key wins, so its text is this line's or an earlier one's.
    table.LookupText(key);
    TrimBlanks(value);
  }
  FUZZ_CHECK(table.LookupText("no such key in any table") == "");
  FUZZ_CHECK(LanguageTable::FromFileBytes(table.ToFileText()) == table);
  return 0;
}
