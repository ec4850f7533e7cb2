#include <gtest/gtest.h>

#include "core/TextFile.h"
#include "shell/LanguageTable.h"

namespace {

LanguageTable Table(std::vector<std::string> lines) { return LanguageTable(std::move(lines)); }

TEST(LanguageTableTest, LookupMatchesKeysWithoutRegardToCaseAndReturnsTheWholeValue) {
  const LanguageTable t = Table({"frmimport.label1.caption=Enter", "msg_x=a=b==c", "frm_about.Button1.caption=Close"});
  EXPECT_EQ(t.LookupText("frmImport.Label1.Caption"), "Enter");
  EXPECT_EQ(t.LookupText("FRMIMPORT.LABEL1.CAPTION"), "Enter");
  EXPECT_EQ(t.LookupText("frm_about.button1.caption"), "Close");
  // Everything after the first '=' belongs to the value.
  EXPECT_EQ(t.LookupText("msg_x"), "a=b==c");
  // A key is the whole text before '=': no prefix or suffix matches.
  EXPECT_EQ(t.LookupText("msg_"), "");
  EXPECT_EQ(t.LookupText("msg_x=a"), "");
  EXPECT_EQ(t.LookupText("absent"), "");
  EXPECT_EQ(LanguageTable().LookupText("msg_x"), "");
}

TEST(LanguageTableTest, FirstLineWinsAndLinesWithoutEqualsNeverMatch) {
  const LanguageTable t = Table({"btsolve.hint", "BTSOLVE.HINT=first", "btsolve.hint=second", "n5.caption=", "n5.caption=-"});
  EXPECT_EQ(t.LookupText("btsolve.hint"), "first");
  // An empty value is still the first line's value.
  EXPECT_EQ(t.LookupText("n5.caption"), "");
  const LanguageTable bare = Table({"mnfile.caption", "", "mnfile.caption ", "x"});
  for (const char* key : {"mnfile.caption", "", "x", "mnfile.caption "}) EXPECT_EQ(bare.LookupText(key), "") << key;
}

TEST(LanguageTableTest, AppendAndFileTextUseCrLfAfterEveryLineWithoutMark) {
  LanguageTable t;
  t.Append("mnfile.caption", "&File");
  t.Append("n5.caption", "");
  t.Append("raw line");
  EXPECT_EQ(t.ToFileText(), "mnfile.caption=&File\r\nn5.caption=\r\nraw line\r\n");
  EXPECT_EQ(LanguageTable::FromFileBytes(t.ToFileText()), t);
  EXPECT_EQ(LanguageTable().ToFileText(), "");
}

TEST(LanguageTableTest, FileBytesHonourByteOrderMarks) {
  // "k=日本" CR LF "e=😀" (a character beyond the basic plane) in each encoding.
  const std::string expected0 = "k=\xE6\x97\xA5\xE6\x9C\xAC";
  const std::string expected1 = "e=\xF0\x9F\x98\x80";
  const std::string utf8 = "\xEF\xBB\xBF" + expected0 + "\r\n" + expected1 + "\r\n";
  const std::string utf16le("\xFF\xFE"
                            "k\0=\0\xE5\x65\x2C\x67\r\0\n\0e\0=\0\x3D\xD8\x00\xDE\r\0\n\0",
                            26);
  const std::string utf16be("\xFE\xFF"
                            "\0k\0=\x65\xE5\x67\x2C\0\r\0\n\0e\0=\xD8\x3D\xDE\x00",
                            22);
  const std::string plain = expected0 + "\n" + expected1;
  for (const std::string* bytes : {&utf8, &utf16le, &utf16be, &plain}) {
    const LanguageTable t = LanguageTable::FromFileBytes(*bytes);
    ASSERT_EQ(t.Lines().size(), 2u);
    EXPECT_EQ(t.Lines()[0], expected0);
    EXPECT_EQ(t.Lines()[1], expected1);
    EXPECT_EQ(t.LookupText("K"), "\xE6\x97\xA5\xE6\x9C\xAC");
  }
  // Without a mark the bytes stay as they are, even a mark-like start that
  // is not one.
  EXPECT_EQ(DecodeTextBytes("\xEF\xBBk=v"), "\xEF\xBBk=v");
  EXPECT_TRUE(LanguageTable::FromFileBytes("\xEF\xBB\xBF").Empty());
  EXPECT_TRUE(LanguageTable::FromFileBytes("\xFF\xFE").Empty());
}

TEST(LanguageTableTest, BrokenUtf16BecomesReplacementCharacters) {
  // A lone low surrogate, a high surrogate followed by a letter, and an odd
  // trailing byte.
  const std::string le("\xFF\xFE\x00\xDC"
                       "a\0\x3D\xD8"
                       "b\0x",
                       11);
  EXPECT_EQ(DecodeTextBytes(le), "\xEF\xBF\xBD" "a" "\xEF\xBF\xBD" "b");
  EXPECT_EQ(DecodeTextBytes(std::string("\xFE\xFF\xD8\x3D", 4)), "\xEF\xBF\xBD");
}

TEST(LanguageTableTest, LinesSplitAtCrLfLfAndLoneCr) {
  EXPECT_EQ(SplitTextLines("a=1\r\nb=2\nc=3\rd=4"), (std::vector<std::string>{"a=1", "b=2", "c=3", "d=4"}));
  EXPECT_EQ(SplitTextLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitTextLines("\n"), (std::vector<std::string>{""}));
  EXPECT_TRUE(SplitTextLines("").empty());
}

TEST(LanguageTableTest, TrimBlanksRemovesSpacesAndControlsOnly) {
  EXPECT_EQ(TrimBlanks("\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB  "), "\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB");
  EXPECT_EQ(TrimBlanks("\t &File \r"), "&File");
  EXPECT_EQ(TrimBlanks("   "), "");
  // The ideographic space is text, not a blank.
  EXPECT_EQ(TrimBlanks("\xE3\x80\x80x "), "\xE3\x80\x80x");
}

}  // namespace

TEST(LanguageTableTest, ALanguageFileMustBeTextWithKeysAndMissingKeysFallBack) {
  const std::string good = "mnfile.caption=&File\r\nmsg_solve=Show the solution?\r\n";
  std::string utf16NoMark;
  for (char ch : good) utf16NoMark += {ch, '\0'};
  std::string junk;
  for (unsigned i = 0; i < 4000; ++i) junk += static_cast<char>((i * 2654435761u) >> 24);
  const struct {
    std::string bytes;
    LanguageFileProblem expected;
  } cases[] = {
      {good, LanguageFileProblem::None},
      {"\xEF\xBB\xBF" + good, LanguageFileProblem::None},
      {good.substr(0, good.size() / 2), LanguageFileProblem::None},  // cut in half: the rest falls back
      {good + "msg_x=caf\xC3", LanguageFileProblem::None},           // cut inside a character
      {utf16NoMark, LanguageFileProblem::NotText},
      {junk, LanguageFileProblem::NotText},
      {"\xC3\x28=\xA0\xA1\r\nok=\xFF\r\n", LanguageFileProblem::NotText},
      {"just some words\r\nno keys here\r\n", LanguageFileProblem::NoKeys},
      {"", LanguageFileProblem::NoKeys},
      {good + std::string(kMaxLanguageFileBytes, 'x'), LanguageFileProblem::TooLarge},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckLanguageFile(c.bytes), c.expected) << c.bytes.substr(0, 40);

  const LanguageTable player =
      WithFallback(LanguageTable::FromFileBytes(good.substr(0, 22)), Table({"mnfile.caption=F", "msg_solve=S"}));
  EXPECT_EQ(player.LookupText("mnfile.caption"), "&File");
  EXPECT_EQ(player.LookupText("msg_solve"), "S");
}

TEST(LanguageTableTest, AFirstStartSpeaksTheDesktopsLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"ja-JP", "ja"}, {"ja", "ja"}, {"zh-Hans-CN", "zh"}, {"zh_TW.UTF-8", "zh"}, {"ZH", "zh"},
      {"en-US", "en"}, {"de-DE", "en"}, {"C", "en"},      {"", "en"},           {"jav-ID", "en"}};
  for (const auto& [tag, table] : cases) EXPECT_EQ(LanguageForLocale(tag), table) << tag;
}
