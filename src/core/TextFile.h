#pragma once
// Text files as every reader and writer of the program sees them: bytes are
// decoded once (a byte-order mark decides, UTF-8 otherwise), lines end at
// CR LF, LF or a lone CR, and written files end every line with CR LF.

#include <string>
#include <string_view>
#include <vector>

// Bytes of a text file → UTF-8, honouring a UTF-8 or UTF-16 byte-order mark.
// Unpaired UTF-16 surrogates become U+FFFD; an odd trailing byte is dropped.
// Without a mark the bytes are taken as UTF-8 as they stand; this never fails.
std::string DecodeTextBytes(std::string_view bytes);

// Replaces every byte sequence that is not well-formed UTF-8 by U+FFFD, for
// readers that count characters.
std::string SanitizeUtf8(std::string_view text);

// Bytes of the well-formed UTF-8 sequence that starts at text[i], 0 when
// the byte there starts none.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// Splits text at CR LF, LF or a lone CR; a final line end adds no empty line.
std::vector<std::string> SplitTextLines(std::string_view text);

// The lines SplitTextLines gives, one call of fn each, without holding them
// all (a reader of millions of lines).
template <typename Fn>
void ForEachTextLine(std::string_view text, Fn&& fn) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    fn(text.substr(start, i - start));
    i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < text.size()) fn(text.substr(start));
}

// The file form: every line followed by CR LF, no byte-order mark unless the
// first line itself begins like one (then a UTF-8 mark keeps it apart).
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Why a reader refuses a file: the 1-based number of the first bad line, or
// 0 when the fault is the whole file's (too large, empty, a value missing).
struct FileProblem {
  int line = 0;
  std::string reason;

  bool operator==(const FileProblem&) const = default;
};

// Reads a whole file; false when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);
