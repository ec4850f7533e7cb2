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
    if (!BuiltinJapanese().LookupText(key).empty()) { EXPECT_NE(t.LookupText(key), "") << key; }
  }
  EXPECT_EQ(t.LookupText("frm_about.lbl1.caption"), "Tessvar 4.8");
  EXPECT_EQ(t.LookupText("frm_about.lbl2.caption"), std::string(kMakerWebAddress));
  const std::string byline = t.LookupText("frmprintselect.sudokuby");
  EXPECT_NE(byline.find("Tessvar 4.8"), std::string::npos);
  EXPECT_EQ(byline.find("href"), std::string::npos);
  EXPECT_EQ(t.LookupText("frmcopy.radiogroup1.items[2]"), "9*9");
  EXPECT_EQ(t.LookupText("frmcopy.radiogroup1.items[3]"), "1*81");
}

INSTANTIATE_TEST_SUITE_P(Shipped, LanguageFileTest, ::testing::Values("lang1.txt", "lang2.txt"));

// A few telling texts of each table: the accelerators, the separators, the
// short captions that must fit their controls, and texts whose spaces matter.
TEST(LanguageFilesTest, EnglishKeepsItsReviewedTexts) {
  const LanguageTable en = ReadShipped("lang1.txt");
  const std::vector<std::pair<std::string, std::string>> reviewed = {
      {"mnfile.caption", "&File"},
      {"n5.caption", "-"},
      {"mnexit.caption", "&Exit"},
      {"grpshowcandidates.caption", "Candidates"},
      {"rb_none.caption", "None (F1)"},
      {"rb_all.caption", "All (F2)"},
      {"rb_one.caption", "Single (F3)"},
      {"bt_clearcolor.caption", "Clear Marking"},
      {"btcheck.hint", "Check for Errors"},
      {"chkcolor.hint", "When checked, clicking colors cells and candidates instead of changing them"},
      {"frm_new.button3.caption", "&Clear Board"},
      {"frm_new.button4.caption", "C&lose"},
      {"frmimport.label1.caption", "Enter one line of 81 digits (use 0, * or . for an empty cell)"},
      {"frmcopy.caption", "Copy Puzzle to Clipboard (needs a fixed-width font such as Courier)"},
      {"msg_frmgamelist_damaged", " (damaged)"},  // appended to the game's name
      {"msg_frmstep_badfile", "\"%1\" is not a valid game file (line %2)."},
  };
  for (const auto& [key, text] : reviewed) EXPECT_EQ(en.LookupText(key), text) << key;
}

TEST(LanguageFilesTest, ChineseIsChinese) {
  const LanguageTable zh = ReadShipped("lang2.txt");
  EXPECT_EQ(zh.LookupText("mnfile.caption"), "文件(&F)");
  EXPECT_EQ(zh.LookupText("n5.caption"), "-");
  EXPECT_EQ(zh.LookupText("rb_none.caption"), "无 (F1)");
  EXPECT_EQ(zh.LookupText("frm_new.button4.caption"), "关闭(&L)");
  EXPECT_EQ(zh.LookupText("btsolve.hint"), "显示答案");
  EXPECT_EQ(zh.LookupText("msg_frmdas_solution1"), "解 1");
  EXPECT_EQ(zh.LookupText("msg_title_confirm"), "确认");
  EXPECT_EQ(zh.LookupText("msg_frmstep_badfile"), "“%1”不是有效的游戏文件（第 %2 行）。");
}

}  // namespace
