#include "shell/LanguageTable.h"

#include "core/TextFile.h"

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

}  // namespace

bool SplitTableLine(std::string_view line, std::string_view& key, std::string_view& value) {
  const auto eq = line.find('=');
  if (eq == std::string_view::npos) return false;
  key = line.substr(0, eq);
  value = line.substr(eq + 1);
  return true;
}

LanguageTable LanguageTable::FromFileBytes(std::string_view bytes) {
  return LanguageTable(SplitTextLines(DecodeTextBytes(bytes)));
}

std::string LanguageForLocale(const std::string& tag) {
  std::string primary;
  for (char ch : tag) {
    if (ch == '-' || ch == '_' || ch == '.' || ch == '@') break;
    primary += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
  }
  if (primary == "ja" || primary == "zh") return primary;
  return "en";
}

LanguageFileProblem CheckLanguageFile(std::string_view bytes) {
  if (bytes.size() > kMaxLanguageFileBytes) return LanguageFileProblem::TooLarge;
  const std::string text = DecodeTextBytes(bytes);
  if (text.find('\0') != std::string::npos) return LanguageFileProblem::NotText;
  std::size_t lines = 0, broken = 0;
  bool anyKey = false;
  for (const std::string& line : SplitTextLines(text)) {
    if (line.empty()) continue;
    ++lines;
    if (SanitizeUtf8(line) != line) ++broken;
    std::string_view key, value;
    anyKey = anyKey || (SplitTableLine(line, key, value) && !TrimBlanks(key).empty());
  }
  if (broken * 2 > lines) return LanguageFileProblem::NotText;
  return anyKey ? LanguageFileProblem::None : LanguageFileProblem::NoKeys;
}

LanguageTable WithFallback(LanguageTable table, const LanguageTable& fallback) {
  for (const std::string& line : fallback.Lines()) table.Append(line);
  return table;
}

std::string LanguageTable::LookupText(std::string_view key) const {
  for (const std::string& line : lines_) {
    std::string_view k, v;
    if (SplitTableLine(line, k, v) && SameKey(k, key)) return std::string(v);
  }
  return {};
}

void LanguageTable::Append(std::string_view key, std::string_view value) {
  std::string line;
  line.reserve(key.size() + 1 + value.size());
  line.append(key).append("=").append(value);
  lines_.push_back(std::move(line));
}

std::string LanguageTable::ToFileText() const { return JoinLinesCrLf(lines_); }

std::string TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}
