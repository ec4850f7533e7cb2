#include "shell/LanguageTable.h"

namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameKey(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  constexpr char32_t kReplacement = 0xFFFD;
  std::string out;
  out.reserve(bytes.size());
  const std::size_t units = bytes.size() / 2;
  auto unitAt = [&](std::size_t i) -> char32_t {
    const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
    const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
    return bigEndian ? static_cast<char32_t>((b0 << 8) | b1) : static_cast<char32_t>((b1 << 8) | b0);
  };
  for (std::size_t i = 0; i < units; ++i) {
    const char32_t u = unitAt(i);
    if (u >= 0xD800 && u <= 0xDBFF) {
      if (i + 1 < units) {
        const char32_t low = unitAt(i + 1);
        if (low >= 0xDC00 && low <= 0xDFFF) {
          AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
          ++i;
          continue;
        }
      }
      AppendUtf8(out, kReplacement);
    } else if (u >= 0xDC00 && u <= 0xDFFF) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
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

std::string LanguageTable::ToFileText() const {
  std::string text;
  for (const std::string& line : lines_) text.append(line).append("\r\n");
  return text;
}

std::string DecodeTextBytes(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  // No mark: the locale's code page, which is UTF-8 on a Linux desktop.
  return std::string(bytes);
}

std::vector<std::string> SplitTextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string TrimBlanks(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  std::size_t b = 0, e = text.size();
  while (b < e && blank(text[b])) ++b;
  while (e > b && blank(text[e - 1])) --e;
  return std::string(text.substr(b, e - b));
}
