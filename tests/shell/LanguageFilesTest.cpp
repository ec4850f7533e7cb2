// The language files shipped beside the program.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "shell/BuiltinJapanese.h"

namespace {

LanguageTable ReadShipped(const std::string& name) {
  std::ifstream in(std::string(TESSVAR_LANG_DIR) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return LanguageTable::FromFileBytes(bytes);
}

std::vector<std::string> KeysOf(const LanguageTable& t) {
  std::vector<std::string> keys;
  for (const std::string& line : t.Lines()) {
    std::string_view k, v;
    EXPECT_TRUE(SplitTableLine(line, k, v)) << "line without '=': " << line;
    keys.emplace_back(k);
  }
  return keys;
}

class LanguageFileTest : public ::testing::TestWithParam<const char*> {};

TEST_P(LanguageFileTest, HoldsExactlyTheBuiltInKeysEachWithATextWhereTheBuiltInHasOne) {
  const LanguageTable t = ReadShipped(GetParam());
  const std::vector<std::string> keys = KeysOf(t);
  const std::vector<std::string> builtin = KeysOf(BuiltinJapanese());
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()), std::set<std::string>(builtin.begin(), builtin.end()));
  EXPECT_EQ(keys.size(), builtin.size()) << "a key occurs twice";
  for (const std::string& key : builtin) {
    if (!BuiltinJapanese().LookupText(key).empty()) EXPECT_NE(t.LookupText(key), "") << key;
  }
  EXPECT_EQ(t.LookupText("frm_about.lbl1.caption"), "Tessvar");
  EXPECT_EQ(t.LookupText("frm_about.lbl2.caption"), std::string(kMakerWebAddress));
  EXPECT_NE(t.LookupText("frmprintselect.sudokuby").find("<a href=\"" + std::string(kMakerWebAddress) + "\">"),
            std::string::npos);
  EXPECT_EQ(t.LookupText("frmcopy.radiogroup1.items[2]"), "9*9");
  EXPECT_EQ(t.LookupText("frmcopy.radiogroup1.items[3]"), "1*81");
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFileTest, ::testing::Values("lang1.txt", "lang2.txt"));

TEST(LanguageFilesTest, EnglishKeepsTheDesignTimeTexts) {
  const LanguageTable en = ReadShipped("lang1.txt");
  const std::vector<std::pair<std::string, std::string>> designTime = {
      {"mnfile.caption", "&File"},
      {"n5.caption", "-"},
      {"rb_none.caption", "None  (F1)"},
      {"rb_all.caption", "All  (F2)"},
      {"rb_one.caption", "Only one  (F3)"},
      {"btsolve.hint", "Show Solution"},
      {"btcheck.hint", "Check Error"},
      {"btshowhint.hint", "Show hint"},
      {"btrestart.hint", "Restart"},
      {"btfirst.hint", "First Step"},
      {"btlast.hint", "Last Step"},
      {"mnabout.caption", "&About Tessvar"},
      {"mnexit.caption", "&Exit"},
      {"cbautoupdate.caption", "Auto Update Candidates"},
      {"chkcolor.caption", "Marking"},
      {"bt_clearcolor.caption", "Clear Marking"},
      {"frm_new.caption", "Import or Create Sudoku"},
      {"frmimport.label1.caption", "Enter a string of 81 numbers(you can express blanks as 0, * , '.')"},
      {"frmsave.radiogroup1.items[5]", "Unknown or N/A"},
      {"frmprintselect.pg2.items[0]", "Small   (A4)"},
      {"frmcopy.caption", "Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"},
  };
  for (const auto& [key, text] : designTime) EXPECT_EQ(en.LookupText(key), text) << key;
}

TEST(LanguageFilesTest, ChineseIsChinese) {
  const LanguageTable zh = ReadShipped("lang2.txt");
  EXPECT_EQ(zh.LookupText("mnfile.caption"), "文件(&F)");
  EXPECT_EQ(zh.LookupText("rb_none.caption"), "无  (F1)");
  EXPECT_EQ(zh.LookupText("btsolve.hint"), "显示答案");
  EXPECT_EQ(zh.LookupText("msg_frmdas_solution1"), "解 1");
  EXPECT_EQ(zh.LookupText("msg_title_confirm"), "确认");
}

}  // namespace
