#pragma once
// tvcfg.ini: the board's colours and a few flags as key=value lines. Section
// titles in square brackets are written but never read; a key is looked up
// in the whole file. Colours are decimal 0x00BBGGRR integers, flags "1"/"0".
// Reading and writing the file is the caller's job; this holds its lines.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/BoardLook.h"
#include "core/TextFile.h"

class SettingsFile {
 public:
  // Replaces the lines with those of the file's bytes (byte-order marks
  // honoured, LF-only accepted). A file too large to be ours is refused with
  // false and the lines are left alone; the caller then resets the defaults.
  bool LoadSettings(std::string_view bytes);
  // The file's text: every line, CR LF after each.
  std::string SettingsText() const;

  // The first line containing key + "=" anywhere is the key's line. Its value
  // starts right after where key + "=" would end had the key begun the line,
  // is at most as long as the key, and is trimmed; "" when there is no line.
  std::string GetSetting(const std::string& key) const;
  // Replaces the key's line (found as above) by key=value, or appends it.
  void PutSetting(const std::string& key, const std::string& value);
  // The 14 default lines, in their fixed order. A "Language" line, which is
  // not an appearance setting, survives after them unchanged.
  void ResetAppearanceDefaults();

  const std::vector<std::string>& Lines() const { return lines_; }
  // 1-based number of the key's line (found as GetSetting finds it), 0 when absent.
  int KeyLine(const std::string& key) const;

 private:
  std::size_t FindKeyLine(const std::string& key) const;  // lines_.size() when absent
  std::vector<std::string> lines_;
};

// The settings as the appearance window shows them: three "Default Color"
// boxes, the swatch colours as stored (-1 included) and the "Auto_check" flag.
struct AppearanceSettings {
  bool defaultColor = true;
  int boardColor1 = 16777215;
  int boardColor2 = 16747403;
  bool defaultFont = true;
  int fixedNumberColor = 6250335;
  int bigNumberColor = -1;
  int candidateColor = -1;
  bool defaultHighlight = true;
  int highlightColor = 9938691;
  bool autoCheck = false;

  bool operator==(const AppearanceSettings&) const = default;
};

// True for the keys the program writes ("Board color1", "Auto_check", ...,
// "Language"): how a settings file is told from other key=value files.
bool IsSettingsKey(std::string_view key);

// What makes LoadAppearanceValues throw a file away and reset the defaults:
// too large (line 0), a colour that is not a decimal integer (its line) or
// a colour missing (line 0). Several faults: the first in the file, missing
// colours last. Nothing when the file is read as it stands.
std::vector<FileProblem> CheckSettings(std::string_view bytes);

// Reads every value from the lines; false when a colour is missing or not a
// decimal integer, in which case the caller resets the defaults. A missing
// flag reads as an unticked box, and "Auto_check" as on unless it is "0".
bool ReadAppearance(const SettingsFile& file, AppearanceSettings& settings);

// The whole load: bytes is null when the file is missing or unreadable. Any
// failure resets the lines to the defaults and reads those; the result is
// then true, meaning the caller must write the file.
bool LoadAppearanceValues(SettingsFile& file, const std::string* bytes, AppearanceSettings& settings);

// Write one group's box ("1"/"0") and swatch colours back into the lines.
void StoreBackground(SettingsFile& file, const AppearanceSettings& settings);
void StoreFontColours(SettingsFile& file, const AppearanceSettings& settings);
void StoreHighlight(SettingsFile& file, const AppearanceSettings& settings);

// The board's look with the colours the settings give. A ticked "Default
// Color" box gives the built-in colours; so does a stored value that is no
// colour at all (the shipped -1 of an untouched swatch). Sizes and the error
// colour stay as the board has them.
BoardLook ResolveColours(const AppearanceSettings& settings, BoardLook look = {});
