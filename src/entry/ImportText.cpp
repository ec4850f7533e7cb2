#include "entry/ImportText.h"

#include <algorithm>
#include <sstream>

#include "core/Board.h"
#include "core/TextFile.h"
#include "output/CopyText.h"

namespace {

bool IsDigit(unsigned char ch) { return ch >= '1' && ch <= '9'; }
bool IsMark(unsigned char ch) { return IsDigit(ch) || ch == '.'; }
bool IsWhitespace(unsigned char ch) { return ch <= 0x20; }

// Bytes taken by the character at text[i]: a well-formed UTF-8 sequence, or
// a single byte that is not part of one (it then counts as a character of
// its own, as SanitizeUtf8 would make it one U+FFFD).
std::size_t CharLength(std::string_view text, std::size_t i) {
  return std::max<std::size_t>(1, Utf8SequenceLength(text, i));
}

// Calls fn(line) for every line of text, line breaks excluded. Returns early
// when fn returns false.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    if (!fn(text.substr(start, end - start))) return;
    start = end + 1;
  }
}

struct LineMarks {
  std::size_t digits = 0;
  std::size_t dots = 0;
  bool dash = false;
  // No digit and a '-': a border or separator line of a boxed grid.
  bool IsBorder() const { return digits == 0 && dash; }
  std::size_t Marks() const { return IsBorder() ? digits : digits + dots; }
};

LineMarks ScanMarks(std::string_view line) {
  LineMarks m;
  for (char c : line) {
    const auto ch = static_cast<unsigned char>(c);
    if (IsDigit(ch)) ++m.digits;
    else if (ch == '.') ++m.dots;
    else if (ch == '-') m.dash = true;
  }
  return m;
}

// Pass 2's string: every character that is not whitespace, line breaks gone.
std::string NonWhitespaceString(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = CharLength(text, i);
    if (!IsWhitespace(static_cast<unsigned char>(text[i]))) out.append(text.substr(i, n));
    i += n;
  }
  return out;
}

// Pass 4's string: every mark outside border lines.
std::string MarkString(std::string_view text) {
  std::string out;
  ForEachLine(text, [&](std::string_view line) {
    const bool border = ScanMarks(line).IsBorder();
    for (char c : line)
      if (IsDigit(static_cast<unsigned char>(c)) || (c == '.' && !border)) out += c;
    return true;
  });
  return out;
}

}  // namespace

ImportLayout DetectImportLayout(std::string_view text) {
  std::size_t chars = 0, nonWhite = 0, digits = 0, marks = 0;
  LineMarks line;
  auto endLine = [&] {
    digits += line.digits;
    marks += line.Marks();
    line = {};
  };
  std::size_t i = 0;
  // Exact character counts matter only while they can still be 81 (and
  // chars >= nonWhite); past that, only ASCII bytes (digits, '.', '-', line
  // breaks) are looked at, and ASCII never occurs inside a multi-byte
  // character.
  while (i < text.size() && nonWhite <= 81) {
    const auto ch = static_cast<unsigned char>(text[i]);
    ++chars;
    if (ch >= 0x80) {
      ++nonWhite;
      i += CharLength(text, i);
      continue;
    }
    ++i;
    if (!IsWhitespace(ch)) ++nonWhite;
    if (IsDigit(ch)) ++line.digits;
    else if (ch == '.') ++line.dots;
    else if (ch == '-') line.dash = true;
    else if (ch == '\n') endLine();
  }
  for (; i < text.size(); ++i) {
    const auto ch = static_cast<unsigned char>(text[i]);
    if (IsDigit(ch)) {
      // Neither of the first two passes can succeed any more.
      if (++line.digits + digits > 81) return kImportCandidateGrid;
    } else if (ch == '.') {
      ++line.dots;
    } else if (ch == '-') {
      line.dash = true;
    } else if (ch == '\n') {
      endLine();
    }
  }
  endLine();

  if (chars == 81) return kImportSingleLine;
  if (nonWhite == 81) return kImportPlainGrid;
  if (digits > 81) return kImportCandidateGrid;
  if (marks == 81) return kImportBoxedGrid;
  return kImportInvalid;
}

void FillEditorFromString(Board& editor, std::string_view s) {
  std::size_t i = 0;
  for (int index = 0; index < 81; ++index) {
    Cell& cell = editor.cell(index);
    if (i < s.size() && IsDigit(static_cast<unsigned char>(s[i]))) {
      cell.state = CellState::Placed;
      cell.digits = std::string(1, s[i]);
    } else {
      cell.state = CellState::Open;
      cell.digits.clear();
    }
    if (i < s.size()) i += CharLength(s, i);
  }
  editor.FillOpenCandidates();
}

CandidateTokens::CandidateTokens(std::string_view text) {
  int row = 0;
  ForEachLine(text, [&](std::string_view line) {
    const LineMarks m = ScanMarks(line);
    if (m.digits + m.dots == 0 || m.IsBorder()) return true;
    int col = 0;
    for (std::size_t i = 0; i < line.size() && col < 9;) {
      if (!IsMark(static_cast<unsigned char>(line[i]))) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < line.size() && IsMark(static_cast<unsigned char>(line[end]))) ++end;
      tokens_[static_cast<std::size_t>(row * 9 + col)] = line.substr(i, end - i);
      ++col;
      i = end;
    }
    return ++row < 9;
  });
}

std::string_view CandidateTokens::Raw(int row, int col) const {
  return tokens_[static_cast<std::size_t>((row - 1) * 9 + (col - 1))];
}

std::string ReadCandidateToken(const CandidateTokens& tokens, int row, int col) {
  std::string digits;
  bool seen[10] = {};
  for (char c : tokens.Raw(row, col)) {
    if (!IsDigit(static_cast<unsigned char>(c)) || seen[c - '0']) continue;
    seen[c - '0'] = true;
    digits += c;
  }
  return digits;
}

std::string ReadCandidateToken(std::string_view text, int row, int col) {
  return ReadCandidateToken(CandidateTokens(text), row, col);
}

ImportLayout ImportIntoEditor(Board& editor, std::string_view text) {
  const ImportLayout layout = DetectImportLayout(text);
  switch (layout) {
    case kImportSingleLine:
      // Read as it stands: trimming a blank at either end would shift cells.
      FillEditorFromString(editor, text);
      break;
    case kImportPlainGrid:
      FillEditorFromString(editor, NonWhitespaceString(text));
      break;
    case kImportBoxedGrid:
      FillEditorFromString(editor, MarkString(text));
      break;
    case kImportCandidateGrid: {
      const CandidateTokens tokens(text);
      for (int index = 0; index < 81; ++index) {
        Cell& cell = editor.cell(index);
        cell.digits = ReadCandidateToken(tokens, cell.row, cell.col);
        cell.state = cell.digits.size() == 1 ? CellState::Placed : CellState::Open;
      }
      break;
    }
    case kImportInvalid:
      break;
  }
  editor.MarkConflicts();
  return layout;
}

namespace {

// Text typed with a Japanese input method: full-width digits, the full-width
// full stop and the ideographic space become their ASCII forms.
void NarrowFullWidth(std::string& text) {
  if (text.find('\xEF') == std::string::npos && text.find('\xE3') == std::string::npos) return;
  std::size_t out = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto b1 = static_cast<unsigned char>(text[i]);
    const auto b2 = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    const auto b3 = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
    char narrow = 0;
    if (b1 == 0xEF && b2 == 0xBC && b3 >= 0x90 && b3 <= 0x99) narrow = static_cast<char>('0' + (b3 - 0x90));  // U+FF10..U+FF19
    else if (b1 == 0xEF && b2 == 0xBC && b3 == 0x8E) narrow = '.';  // U+FF0E
    else if (b1 == 0xE3 && b2 == 0x80 && b3 == 0x80) narrow = ' ';  // U+3000
    if (narrow) {
      text[out++] = narrow;
      i += 3;
    } else {
      text[out++] = text[i++];
    }
  }
  text.resize(out);
}

}  // namespace

std::size_t ImportCellsFound(std::string_view text) { return MarkString(text).size(); }

std::string ImportTextFromBytes(std::string_view bytes) {
  std::string text = SanitizeUtf8(DecodeTextBytes(bytes));
  NarrowFullWidth(text);
  std::size_t cr = text.find('\r');
  if (cr == std::string::npos) return text;
  std::size_t out = cr;
  for (std::size_t i = cr; i < text.size(); ++i) {
    if (text[i] != '\r') {
      text[out++] = text[i];
      continue;
    }
    text[out++] = '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  text.resize(out);
  return text;
}


namespace {

// A board written as 81 blank-separated cell texts: one digit a given,
// several the candidates of an open cell, "." an open cell without any.
std::string BoxedExample(const char* cells) {
  Board board;
  std::istringstream in(cells);
  std::string text;
  for (int index = 0; index < 81 && in >> text; ++index) {
    Cell& cell = board.cell(index);
    cell.state = text.size() == 1 && text != "." ? CellState::Given : CellState::Open;
    cell.digits = text == "." ? "" : text;
  }
  return CopyLayoutText(board, CopyLayout::WithCandidates);
}

}  // namespace

std::string ImportExampleText(int example) {
  switch (example) {
    case 1:
      return "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
    case 2:
      return "*8******7\n****96***\n**2**3***\n*******9*\n**9***56*\n***1****4\n4********\n****5**3*\n71*8*****";
    case 3:
      return BoxedExample(
          ". 9 5 . . 3 8 1 4  . 8 . . . 2 . . .  6 . . . 8 . 2 . 7  . . . 1 9 . 6 . .  3 . . . . . . . . "
          ". . . . . . 5 . .  1 . 8 3 . . 7 . .  . . . . . 4 . 6 .  . . 6 . . 7 . 8 3");
    case 4:
      return BoxedExample(
          "5 13789 2389 123479 379 6 23478 23479 234789  12379 13679 2369 1234579 3579 8 234567 234679 2345679  "
          "2379 36789 4 23579 3579 2379 235678 23679 1  3479 345789 1 346789 2 3479 34567 34679 345679  "
          "6 3479 239 13479 379 5 12347 8 23479  23479 345789 23589 1346789 36789 13479 1234567 1234679 2345679  "
          "8 13469 7 2369 369 239 12346 5 2346  13 1356 356 235678 4 237 9 12367 23678  "
          "349 2 3569 356789 1 379 34678 3467 34678");
    default:
      return "";
  }
}
