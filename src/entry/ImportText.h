#pragma once
// The import window's four text layouts: classifying a pasted text and
// filling the editor board from it. The window and `tessvar-cli import` both
// go through ImportIntoEditor.
//
// Characters are Unicode code points of UTF-8 text (a box-drawing character
// or a kanji counts one); a byte that is not part of well-formed UTF-8 counts
// as one character too, so any bytes are classified without failing. Lines
// end at LF; callers turn CR LF and lone CR into LF first (a stray CR is
// whitespace anyway). A digit is '1'..'9', a mark a digit or '.', whitespace
// any character up to U+0020.
//
// A border line holds no digit and contains '-' (".----.----.", "*---*",
// ":----+----:"): it is never a data line, and its '.' corners are not marks.

#include <array>
#include <string>
#include <string_view>

class Board;

enum ImportLayout : int {
  kImportInvalid = 0,
  kImportSingleLine = 1,    // the whole text is 81 characters
  kImportPlainGrid = 2,     // 81 non-whitespace characters
  kImportBoxedGrid = 3,     // exactly 81 marks, decoration ignored
  kImportCandidateGrid = 4  // more than 81 digits: one token of marks per cell
};

// The layout of the text, by the first of four passes that fits: the whole
// text exactly 81 characters; 81 non-whitespace characters; more than 81
// digits; exactly 81 marks. kImportInvalid when none does.
ImportLayout DetectImportLayout(std::string_view text);

// Cell (row − 1) × 9 + col takes character number (row − 1) × 9 + col of s:
// a digit makes it Placed, anything else (or the end of s) Open; then every
// Open cell gets the candidates FreeDigits computes.
void FillEditorFromString(Board& editor, std::string_view s);

// The cells of a boxed candidate grid, read in one pass over the text: the
// first nine data lines (lines with a mark that are no border line), each cut
// into its first nine tokens (maximal runs of marks).
class CandidateTokens {
 public:
  explicit CandidateTokens(std::string_view text);
  // The token as written (a view into the text, which must outlive this),
  // empty when the line or token is missing.
  std::string_view Raw(int row, int col) const;

 private:
  std::array<std::string_view, 81> tokens_{};
};

// The digit string of a candidate-grid cell: the token's digits, each kept
// once, in the order read ("." → "", "1.3" → "13", "3113" → "31").
std::string ReadCandidateToken(const CandidateTokens& tokens, int row, int col);
std::string ReadCandidateToken(std::string_view text, int row, int col);

// OK of the import window: classifies the text and fills the editor board
// by its layout; then MarkConflicts, in every case. An invalid text leaves
// the cells as they were. Returns the layout.
ImportLayout ImportIntoEditor(Board& editor, std::string_view text);

// Bytes as pasted or piped in → the text the passes read: a leading UTF-8
// (or UTF-16) byte-order mark decides the encoding, bytes that are not
// well-formed UTF-8 become U+FFFD, CR LF and lone CR become LF. Full-width
// digits (U+FF10..U+FF19), the full-width full stop (U+FF0E) and the
// ideographic space (U+3000) become '0'..'9', '.' and ' '.
std::string ImportTextFromBytes(std::string_view bytes);

// For the message on a text in no layout: the digits and dots outside
// border lines, the cells a boxed grid would have read (0 when none).
std::size_t ImportCellsFound(std::string_view text);

// The sample texts of the import window's four example buttons, 1..4: a
// single line, a plain grid and two boxed grids (without and with
// candidates) in the "With Candidates" copy layout. Lines joined by LF;
// "" for any other number.
std::string ImportExampleText(int example);
