#include "storage/Settings.h"

#include <algorithm>
#include <charconv>

#include "core/TQJ.h"
#include "core/TextFile.h"

namespace {

// Ours is well under a kilobyte; anything this big is not a settings file.
constexpr std::size_t kMaxSettingsBytes = 1 << 20;

const char* const kDefaultLines[] = {
    "[Board background]",
    "default color=1",
    "Board color1=16777215",
    "Board color2=16747403",
    "[Font color]",
    "default font=1",
    "Fixed Number color=6250335",
    "Big Number color=-1",
    "Candidate color=-1",
    "[High Light color]",
    "default highlight color=1",
    "highlight_color=9938691",
    "[Auto Check New version]",
    "Auto_check=0",
};

constexpr const char* kLanguageKey = "Language";

// The colours ReadAppearance needs, in the order it reads them.
const char* const kColourKeys[] = {"Board color1",     "Board color2",    "Fixed Number color",
                                   "Big Number color", "Candidate color", "highlight_color"};

bool ParseColour(const std::string& text, int& value) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') {  // from_chars takes a '-' sign only
    ++begin;
    if (begin != end && *begin == '-') return false;
  }
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  return ec == std::errc() && ptr == end;
}

std::uint32_t ColourOr(int stored, std::uint32_t builtin) {
  return stored >= 0 && stored <= 0xFFFFFF ? static_cast<std::uint32_t>(stored) : builtin;
}

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

bool SettingsFile::LoadSettings(std::string_view bytes) {
  if (bytes.size() > kMaxSettingsBytes) return false;
  lines_ = SplitTextLines(DecodeTextBytes(bytes));
  return true;
}

std::string SettingsFile::SettingsText() const { return JoinLinesCrLf(lines_); }

std::size_t SettingsFile::FindKeyLine(const std::string& key) const {
  const std::string needle = key + "=";
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i].find(needle) != std::string::npos) return i;
  return lines_.size();
}

int SettingsFile::KeyLine(const std::string& key) const {
  const std::size_t i = FindKeyLine(key);
  return i == lines_.size() ? 0 : static_cast<int>(i) + 1;
}

std::string SettingsFile::GetSetting(const std::string& key) const {
  const std::size_t i = FindKeyLine(key);
  if (i == lines_.size()) return {};
  const std::string& line = lines_[i];
  const std::size_t start = key.size() + 1;
  if (start >= line.size()) return {};
  return TrimControl(line.substr(start, key.size()));
}

void SettingsFile::PutSetting(const std::string& key, const std::string& value) {
  const std::size_t i = FindKeyLine(key);
  if (i == lines_.size())
    lines_.push_back(key + "=" + value);
  else
    lines_[i] = key + "=" + value;
}

void SettingsFile::ResetAppearanceDefaults() {
  const std::size_t language = FindKeyLine(kLanguageKey);
  std::string kept = language < lines_.size() ? lines_[language] : std::string();
  lines_.assign(std::begin(kDefaultLines), std::end(kDefaultLines));
  if (!kept.empty()) lines_.push_back(std::move(kept));
}

bool ReadAppearance(const SettingsFile& file, AppearanceSettings& settings) {
  AppearanceSettings s;
  s.defaultColor = file.GetSetting("default color") == "1";
  s.defaultFont = file.GetSetting("default font") == "1";
  s.defaultHighlight = file.GetSetting("default highlight color") == "1";
  s.autoCheck = file.GetSetting("Auto_check") != "0";
  const bool colours = ParseColour(file.GetSetting("Board color1"), s.boardColor1) &&
                       ParseColour(file.GetSetting("Board color2"), s.boardColor2) &&
                       ParseColour(file.GetSetting("Fixed Number color"), s.fixedNumberColor) &&
                       ParseColour(file.GetSetting("Big Number color"), s.bigNumberColor) &&
                       ParseColour(file.GetSetting("Candidate color"), s.candidateColor) &&
                       ParseColour(file.GetSetting("highlight_color"), s.highlightColor);
  if (!colours) return false;
  settings = s;
  return true;
}

bool IsSettingsKey(std::string_view key) {
  if (key == kLanguageKey) return true;
  for (const char* line : kDefaultLines) {
    const std::string_view text(line);
    const std::size_t eq = text.find('=');
    if (eq != std::string_view::npos && text.substr(0, eq) == key) return true;
  }
  return false;
}

std::vector<FileProblem> CheckSettings(std::string_view bytes) {
  SettingsFile file;
  if (!file.LoadSettings(bytes)) return {{0, "larger than 1 MiB: not a settings file"}};
  std::vector<FileProblem> bad, missing;
  int value = 0;
  for (const char* key : kColourKeys) {
    const int line = file.KeyLine(key);
    if (line == 0)
      missing.push_back({0, std::string("no \"") + key + "=\" line"});
    else if (!ParseColour(file.GetSetting(key), value))
      bad.push_back({line, std::string("\"") + key + "\" is not a decimal integer"});
  }
  std::stable_sort(bad.begin(), bad.end(), [](const FileProblem& a, const FileProblem& b) { return a.line < b.line; });
  bad.insert(bad.end(), missing.begin(), missing.end());
  if (bad.size() > 1) bad.resize(1);
  return bad;
}

bool LoadAppearanceValues(SettingsFile& file, const std::string* bytes, AppearanceSettings& settings) {
  if (bytes != nullptr && file.LoadSettings(*bytes) && ReadAppearance(file, settings)) return false;
  file.ResetAppearanceDefaults();
  ReadAppearance(file, settings);
  return true;
}

void StoreBackground(SettingsFile& file, const AppearanceSettings& s) {
  file.PutSetting("default color", Flag(s.defaultColor));
  file.PutSetting("Board color1", std::to_string(s.boardColor1));
  file.PutSetting("Board color2", std::to_string(s.boardColor2));
}

void StoreFontColours(SettingsFile& file, const AppearanceSettings& s) {
  file.PutSetting("default font", Flag(s.defaultFont));
  file.PutSetting("Fixed Number color", std::to_string(s.fixedNumberColor));
  file.PutSetting("Big Number color", std::to_string(s.bigNumberColor));
  file.PutSetting("Candidate color", std::to_string(s.candidateColor));
}

void StoreHighlight(SettingsFile& file, const AppearanceSettings& s) {
  file.PutSetting("default highlight color", Flag(s.defaultHighlight));
  file.PutSetting("highlight_color", std::to_string(s.highlightColor));
}

BoardLook ResolveColours(const AppearanceSettings& s, BoardLook c) {
  // The built-in colours first.
  c.UNFoucsColor1 = 0xFFFFFF;
  c.UNFoucsColor2 = 16747403;
  c.FONTColor1 = 0x000000;
  c.FONTColor2 = 0xFF0000;
  c.FONTColor3 = 0x000080;
  c.highcolor = 0x95BF95;
  if (!s.defaultColor) {
    c.UNFoucsColor1 = ColourOr(s.boardColor1, c.UNFoucsColor1);
    c.UNFoucsColor2 = ColourOr(s.boardColor2, c.UNFoucsColor2);
  }
  if (!s.defaultFont) {
    c.FONTColor1 = ColourOr(s.fixedNumberColor, c.FONTColor1);
    c.FONTColor2 = ColourOr(s.bigNumberColor, c.FONTColor2);
    c.FONTColor3 = ColourOr(s.candidateColor, c.FONTColor3);
  }
  if (!s.defaultHighlight) c.highcolor = ColourOr(s.highlightColor, c.highcolor);
  return c;
}
