// tvcfg.ini: the appearance window's whole load, then get and put of every
// key; the lines written read back to the same settings.

#include "FuzzCheck.h"
#include "storage/Settings.h"

namespace {

const char* const kKeys[] = {"default color",      "Board color1",     "Board color2",
                             "default font",       "Fixed Number color", "Big Number color",
                             "Candidate color",    "default highlight color", "highlight_color",
                             "Auto_check",         "Language",         "color", ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string bytes(FuzzBytes(data, size));
  SettingsFile file;
  AppearanceSettings settings;
  LoadAppearanceValues(file, &bytes, settings);

  const std::string text = file.SettingsText();
  SettingsFile reread;
  AppearanceSettings again;
  FUZZ_CHECK(!LoadAppearanceValues(reread, &text, again));  // nothing to repair
  FUZZ_CHECK(again == settings);
  FUZZ_CHECK(reread.SettingsText() == text);

  for (const char* key : kKeys) {
    const std::string value = file.GetSetting(key);
    FUZZ_CHECK(value.size() <= std::string(key).size());
    file.PutSetting(key, value);
    FUZZ_CHECK(file.GetSetting(key) == value);
  }
  StoreBackground(file, settings);
  StoreFontColours(file, settings);
  StoreHighlight(file, settings);
  AppearanceSettings stored;
  FUZZ_CHECK(ReadAppearance(file, stored));
  ResolveColours(stored);
  return 0;
}
