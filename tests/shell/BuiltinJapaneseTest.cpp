#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <utility>

#include "shell/BuiltinJapanese.h"

namespace {

// Keys this program adds for its own messages and menus (and every "coach_" key).
const std::set<std::string> kOwnKeys = {
    "msg_frmstep_badfile", "msg_frmgamelist_damaged", "msg_frmgamelist_damagedopen", "msg_frmsave_badname",
    "msg_writefailed",     "msg_language_missing",    "msg_import_toolarge",         "mnlanguage.caption",
    "msg_language_toolarge", "msg_language_nottext", "msg_language_nokeys", "msg_closewritefailed",
    "msg_recoveryfailed",  "msg_recoveryworks",       "msg_replacedkept",            "msg_openfailed",
    "msg_privatefolder",   "msg_folderfailed",        "n21.caption",                 "mncoach.caption",
    "mnfirstmistake.caption", "mnsolvingpath.caption", "btcoach.caption",            "btcoach.hint",
    "msg_paused", "msg_solvedtime", "mnpause.caption", "btpause.caption", "btpause.hint",
    "n22.caption",          "mnpractice.caption",     "msg_ndtxt_practice",
    "mnstatistics.caption", "msg_statistics_title", "msg_statistics_played", "msg_statistics_solved", "msg_statistics_unaided", "msg_statistics_best", "msg_statistics_median", "msg_statistics_streak", "msg_statistics_beststreak", "msg_statistics_recent", "msg_statistics_clear", "msg_statistics_clearask", "msg_statistics_close", "msg_statistics_damaged", "msg_statistics_unusable", "msg_statistics_writefailed", "msg_digitbar", "msg_cell_given", "msg_cell_placed", "msg_cell_empty", "msg_cell_candidates", "msg_checkerror_none", "msg_checkerror_count", "msg_import_cellsfound", "msg_import_nolayout", "mnsize.caption", "msg_scale_restart"};

// The table's keys in order, without our own.
std::vector<std::string> Keys(const LanguageTable& t) {
  std::vector<std::string> keys;
  for (const std::string& line : t.Lines()) {
    std::string_view k, v;
    if (SplitTableLine(line, k, v) && !kOwnKeys.contains(std::string(k)) && !k.starts_with("coach_"))
      keys.emplace_back(k);
  }
  return keys;
}

std::vector<std::string> Split(const std::string& list) {
  std::vector<std::string> out;
  std::istringstream in(list);
  for (std::string item; in >> item;) out.push_back(item);
  return out;
}

std::string Range(const std::string& prefix, int from, int to, const std::string& suffix) {
  std::string out;
  for (int i = from; i <= to; ++i) out += " " + prefix + std::to_string(i) + suffix;
  return out;
}

// The documented keys, group by group, in the documented order.
std::vector<std::string> DocumentedKeys() {
  std::vector<std::string> keys;
  auto add = [&](const std::string& names, const std::string& suffix) {
    for (const std::string& n : Split(names)) keys.push_back(n + suffix);
  };
  add("mnfile mnsavecurrentboard mndisplayyourgamelist1 mnprintableboard mnimportsudoku n5 mncontinue n18 mnexit "
      "mnnewgame mnveryeasy mngentle mnmoderate mntough mndiabolical n1 mndisplayyourgamelist2 mntools mnappearance "
      "n2 savet mnloadreplay n3 mncopypuzzletoclipboard mnhelp mncontent n15 mnchecknewversion mnautochecknewversion "
      "n9 mne1 mne2 mne3 mne4 mnc1 mnc2 mnc3 mnc4 mnj1 n4 mnabout mncreatetxt",
      ".caption");
  const std::string toolButtons =
      "btdisplayyourgamelist btsave btprintableboard btimport toolbutton17 btcreateveryeasy btcreategentle "
      "btcreatemoderate btcreatetough btcreatediabolical toolbutton18 toolbutton3 btrestart btsolve btcopy btpaste "
      "toolbutton15 btcheck btshowhint toolbutton13 btstartbranch btaccept btrejectbranch toolbutton10 btfirst btback "
      "btnext btlast";
  add("grpshowcandidates grpcolorpanel " + toolButtons, ".caption");
  add(toolButtons, ".hint");
  add("rb_none rb_one rb_all cbautoupdate chkcolor bt_clearcolor", ".caption");
  add("rb_none rb_one rb_all cbautoupdate chkcolor bt_clearcolor colorgrid1" + Range("disnote", 1, 9, ""), ".hint");
  add("msg_ndtxt_veryeasy msg_ndtxt_gentle msg_ndtxt_moderate msg_ndtxt_tough msg_ndtxt_diabolical msg_ndtxt_unkown "
      "msg_restart msg_solve msg_nosolve msg_twosolve msg_right_pop msg_color msg_tb_all msg_rb_one msg_notcolor "
      "msg_puzzle_solved msg_add msg_move msg_regenerate_candidate msg_puzzlesolved msg_title_confirm",
      "");
  add("frm_new.button5.caption frm_new.button6.caption frm_new.button3.caption frm_new.button1.caption "
      "frm_new.button2.caption frm_new.button4.caption frm_new.caption msg_frm_new_clear msg_frm_new_nosolve "
      "msg_frm_new_twosolve msg_frm_new_unknow msg_frm_new_onesolve msg_frm_new_nosolve2 msg_frm_new_twosolve2 "
      "msg_frm_new_invalid_format",
      "");
  add("frmimport.caption frmimport.label1.caption frmimport.label2.caption" + Range("frmimport.button", 1, 6, ".caption") +
          Range("frmimport.e", 1, 4, ".caption") + " msg_frmimport_81 msg_frmimport_99 msg_frmimport_992 msg_frmimport_cand",
      "");
  add("frmgamelist.caption" + Range("frmgamelist.button", 1, 4, ".caption") +
          " msg_frmgamelist_gamename msg_frmgamelist_difficulty msg_frmgamelist_veryeasy msg_frmgamelist_gentle "
          "msg_frmgamelist_moderate msg_frmgamelist_tough msg_frmgamelist_diabolical msg_frmgamelist_unknown "
          "msg_frmgamelist_querydelete msg_frmgamelist_sudoku msg_frmgamelist_entername msg_frmgamelist_queryexits",
      "");
  add("frmsave.caption frmsave.label1.caption frmsave.radiogroup1.caption" +
          Range("frmsave.radiogroup1.items[", 0, 5, "]") +
          " frmsave.button1.caption frmsave.button2.caption msg_frmsave_queryexits msg_frmsave_saved "
          "msg_frmstep_queryexits",
      "");
  add("frmdas.caption frmdas.button1.caption msg_frmdas_solution1 msg_frmdas_solution2", "");
  add("frmappearance.caption" + Range("frmappearance.groupbox", 1, 3, ".caption") +
          Range("frmappearance.checkbox", 1, 3, ".caption") + Range("frmappearance.label", 1, 6, ".caption") +
          Range("frmappearance.button", 1, 3, ".caption"),
      "");
  add("frmcopy.caption frmcopy.radiogroup1.caption" + Range("frmcopy.radiogroup1.items[", 0, 3, "]") +
          " frmcopy.button1.caption frmcopy.button2.caption",
      "");
  add("frmprintselect.radiogroup1.caption frmprintselect.radiobutton1.caption frmprintselect.radiobutton2.caption "
      "frmprintselect.speedbutton1.caption frmprintselect.speedbutton2.caption frmprintselect.pg2.caption" +
          Range("frmprintselect.pg2.items[", 0, 2, "]") + " frmprintselect.sudoku frmprintselect.sudokuby",
      "");
  add("frm_about.caption frm_about.lbl1.caption frm_about.lbl2.caption frm_about.button1.caption", "");
  return keys;
}

TEST(BuiltinJapaneseTest, HoldsEveryDocumentedKeyOnceInTheDocumentedOrder) {
  const std::vector<std::string> keys = Keys(BuiltinJapanese());
  const auto coach = std::count_if(BuiltinJapanese().Lines().begin(), BuiltinJapanese().Lines().end(),
                                   [](const std::string& line) { return line.starts_with("coach_"); });
  EXPECT_EQ(keys.size() + kOwnKeys.size() + static_cast<std::size_t>(coach), BuiltinJapanese().Lines().size())
      << "a line without '='";
  EXPECT_EQ(keys, DocumentedKeys());
  EXPECT_EQ(keys.size(), 249u);
  EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size());
}

TEST(BuiltinJapaneseTest, TheFiftyMessagesAreTheDocumentedTexts) {
  const std::vector<std::pair<std::string, std::string>> messages = {
      {"msg_ndtxt_veryeasy", "レベル:初級"},
      {"msg_ndtxt_gentle", "レベル:中級"},
      {"msg_ndtxt_moderate", "レベル：上級"},
      {"msg_ndtxt_tough", "レベル：専門級"},
      {"msg_ndtxt_diabolical", "レベル：最高級"},
      {"msg_ndtxt_unkown", "レベル:未知"},
      {"msg_restart", "再びやり直しますか？"},
      {"msg_solve", "正解を見ますか？"},
      {"msg_nosolve", "正解無し。"},
      {"msg_twosolve", "このパズルは少なくとも二つの正解があります。"},
      {"msg_right_pop", "右クリックでショートカットメニューを開く"},
      {"msg_color", "左クリックで色を付ける；右クリックで色をクリア"},
      {"msg_tb_all", "左クリックで設定した大数字をキャンセル；右クリックでショートカットメニューを開く"},
      {"msg_rb_one", "左クリックで数字を入力；右クリックでクリア"},
      {"msg_notcolor", "左クリックで選択した数字を大数字にさせる；右クリックで選択した候補数を削除"},
      {"msg_puzzle_solved", "パズルは解きました。おめでとう！"},
      {"msg_add", "増加"},
      {"msg_move", "削除"},
      {"msg_regenerate_candidate", "候補数を再生させる"},
      {"msg_puzzlesolved", "パズルは解きました。おめでとう！"},
      {"msg_frm_new_clear", "グリッドをデリートしますか？"},
      {"msg_frm_new_nosolve", "正解無し。"},
      {"msg_frm_new_twosolve", "複数解があります.続けてやりますか?"},
      {"msg_frm_new_unknow", "レベル:未知"},
      {"msg_frm_new_onesolve", "正解が一つしかない。"},
      {"msg_frm_new_nosolve2", "正解無し。"},
      {"msg_frm_new_twosolve2", "複数解があります。"},
      {"msg_frm_new_invalid_format", "無効なフォーマット"},
      {"msg_frmimport_81", "数字のストリングを81個入力（ブランクは0、*、.で表示)"},
      {"msg_frmimport_99", "一行に9個の文字列で、9行を入力(ブランクは0、*、.で表示)"},
      {"msg_frmimport_992", "複数行を入力(ブランクは.で表示、0と*は使用不可)"},
      {"msg_frmimport_cand", "候補数を含むフォーマット"},
      {"msg_frmgamelist_gamename", "ゲーム名"},
      {"msg_frmgamelist_difficulty", "難易度"},
      {"msg_frmgamelist_veryeasy", "初級"},
      {"msg_frmgamelist_gentle", "中級"},
      {"msg_frmgamelist_moderate", "上級"},
      {"msg_frmgamelist_tough", "専門級"},
      {"msg_frmgamelist_diabolical", "最高級"},
      {"msg_frmgamelist_unknown", "未知"},
      {"msg_frmgamelist_querydelete", "削除しますか？"},
      {"msg_frmgamelist_sudoku", "数独"},
      {"msg_frmgamelist_entername", "新しいゲーム名を入力"},
      {"msg_frmgamelist_queryexits", "このゲーム名は存在しています。名前を付け直してください。"},
      {"msg_frmsave_queryexits", "このゲーム名は存在しています。上書きしますか？"},
      {"msg_frmsave_saved", "保存しました。"},
      {"msg_frmstep_queryexits", "このファイル名は存在しています。上書きしますか？"},
      {"msg_frmdas_solution1", "解1"},
      {"msg_frmdas_solution2", "解2"},
      {"msg_title_confirm", "確認"},
  };
  ASSERT_EQ(messages.size(), 50u);
  std::size_t inTable = 0;
  for (const std::string& key : Keys(BuiltinJapanese())) inTable += key.starts_with("msg_") ? 1 : 0;
  EXPECT_EQ(inTable, 50u);
  for (const auto& [key, text] : messages) EXPECT_EQ(BuiltinJapanese().LookupText(key), text) << key;
}

TEST(BuiltinJapaneseTest, TellingRows) {
  const LanguageTable& t = BuiltinJapanese();
  EXPECT_EQ(t.LookupText("mnfile.caption"), "ファイル  ");
  EXPECT_EQ(t.LookupText("n5.caption"), "");
  EXPECT_EQ(t.LookupText("rb_none.caption"), "普通");
  EXPECT_EQ(t.LookupText("btsolve.hint"), "正解を見る");
  EXPECT_EQ(t.LookupText("msg_frm_new_nosolve"), "正解無し。");
  EXPECT_EQ(t.LookupText("msg_frm_new_twosolve"), "複数解があります.続けてやりますか?");
  EXPECT_EQ(t.LookupText("msg_frmdas_solution1"), "解1");
  EXPECT_EQ(t.LookupText("frmcopy.radiogroup1.items[2]"), "9*9");
  // Keys as the windows spell them find the lower-case lines.
  EXPECT_EQ(t.LookupText("mnFile.caption"), "ファイル  ");
  EXPECT_EQ(t.LookupText("frmCopy.RadioGroup1.Items[2]"), "9*9");
}

TEST(BuiltinJapaneseTest, EveryComponentHasATextExceptSeparators) {
  const std::set<std::string> separators = {"n5", "n18", "n1", "n2", "n3", "n15", "n9", "n4",
                                            "toolbutton17", "toolbutton18", "toolbutton3", "toolbutton15",
                                            "toolbutton13", "toolbutton10"};
  for (const std::string& key : Keys(BuiltinJapanese())) {
    const std::string component = key.substr(0, key.find('.'));
    if (separators.count(component)) {
      EXPECT_EQ(BuiltinJapanese().LookupText(key), "") << key;
    } else {
      EXPECT_NE(BuiltinJapanese().LookupText(key), "") << key;
    }
  }
}

TEST(BuiltinJapaneseTest, MakerAddressAndPrintFragments) {
  const std::string address(kMakerWebAddress);
  EXPECT_TRUE(address.starts_with("https://"));
  const std::string host = address.substr(8, address.find('/', 8) - 8);
  EXPECT_TRUE(host == "example.org" || host.ends_with(".example.org")) << host;

  const LanguageTable& t = BuiltinJapanese();
  EXPECT_EQ(t.LookupText("frm_about.lbl1.caption"), "Tessvar 4.8");
  EXPECT_EQ(t.LookupText("frm_about.lbl2.caption"), address);
  EXPECT_EQ(t.LookupText("frmprintselect.sudoku"), "<font size=\"6\"><b>数独</b></font><br>");
  // The printed byline names the program and its version, and links nowhere.
  EXPECT_EQ(t.LookupText("frmprintselect.sudokuby"), "<font size=\"2\">Tessvar 4.8 作成</font>");
  for (const std::string& line : t.Lines()) EXPECT_EQ(line.find("%ADDRESS%"), std::string::npos) << line;
}

}  // namespace
