#pragma once
// The key→text table behind every caption, hint and message: an ordered list
// of "key=value" lines. Keys compare without regard to (ASCII) case, the
// first matching line wins, and a line without '=' never matches. Texts are
// UTF-8.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class LanguageTable {
 public:
  LanguageTable() = default;
  explicit LanguageTable(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // A table read from the bytes of a language file: the encoding comes from
  // a leading byte-order mark (UTF-8, UTF-16 LE or BE), otherwise the bytes
  // are taken as UTF-8; every line becomes one table line, unchecked.
  static LanguageTable FromFileBytes(std::string_view bytes);

  // The value of the first line whose key matches, "" when none does.
  std::string LookupText(std::string_view key) const;

  void Append(std::string line) { lines_.push_back(std::move(line)); }
  void Append(std::string_view key, std::string_view value);
  const std::vector<std::string>& Lines() const { return lines_; }
  bool Empty() const { return lines_.empty(); }

  // The file form: every line followed by CR LF, no byte-order mark.
  std::string ToFileText() const;

  bool operator==(const LanguageTable&) const = default;

 private:
  std::vector<std::string> lines_;
};

// The table for a desktop language tag ("ja-JP", "zh_CN", "de"): "ja" and
// "zh" have tables of their own, every other language gets "en".
std::string LanguageForLocale(const std::string& tag);

// Why a file cannot be a language table; None when it can.
enum class LanguageFileProblem { None, TooLarge, NotText, NoKeys };
inline constexpr std::size_t kMaxLanguageFileBytes = 1u << 20;
// Checks a language file's bytes before they replace the active table: more
// than kMaxLanguageFileBytes, a NUL byte (UTF-16 without its mark, binary
// data), or invalid UTF-8 in most of its lines are not text; a text without
// a single "key=value" line holds no table.
LanguageFileProblem CheckLanguageFile(std::string_view bytes);

// The table a player gets from a language file: its lines, then those of the
// fallback, so a key the file lacks still has the fallback's text.
LanguageTable WithFallback(LanguageTable table, const LanguageTable& fallback);

// Splits a table line at its first '=' into key and value; false (and
// nothing set) when the line has no '='.
bool SplitTableLine(std::string_view line, std::string_view& key, std::string_view& value);

// Removes leading and trailing blanks and control characters (everything up
// to U+0020), the way captions are trimmed; other Unicode spaces stay.
std::string TrimBlanks(std::string_view text);
