#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "storage/Settings.h"

namespace {

const std::string kDefaultFile =
    "[Board background]\r\n"
    "default color=1\r\n"
    "Board color1=16777215\r\n"
    "Board color2=16747403\r\n"
    "[Font color]\r\n"
    "default font=1\r\n"
    "Fixed Number color=6250335\r\n"
    "Big Number color=-1\r\n"
    "Candidate color=-1\r\n"
    "[High Light color]\r\n"
    "default highlight color=1\r\n"
    "highlight_color=9938691\r\n"
    "[Auto Check New version]\r\n"
    "Auto_check=0\r\n";

}  // namespace

TEST(Settings, MissingFileGivesTheDefaultsAndBuiltInColours) {
  SettingsFile file;
  AppearanceSettings s;
  s.defaultColor = false;
  EXPECT_TRUE(LoadAppearanceValues(file, nullptr, s));  // true: write the file; its bytes: tests/fixtures/settings
  EXPECT_EQ(s, AppearanceSettings{});
  EXPECT_FALSE(s.autoCheck);
  const BoardLook c = ResolveColours(s);
  EXPECT_EQ(c.UNFoucsColor1, 0xFFFFFFu);
  EXPECT_EQ(c.UNFoucsColor2, 16747403u);
  EXPECT_EQ(c.FONTColor1, 0u);
  EXPECT_EQ(c.FONTColor2, 0xFF0000u);
  EXPECT_EQ(c.FONTColor3, 0x000080u);
  EXPECT_EQ(c.highcolor, 9813909u);

  // The written defaults read back without another reset.
  SettingsFile again;
  EXPECT_FALSE(LoadAppearanceValues(again, &kDefaultFile, s));
  EXPECT_EQ(s, AppearanceSettings{});
}

TEST(Settings, KeysAreFoundAnywhereInALine) {
  // A stray line before the real one is the key's line: its value, read from
  // where the key's would start, is "=0", so the background defaults are off.
  std::string text = "xdefault color=0\n" + kDefaultFile;
  text.replace(text.find("Board color1=16777215"), 21, "Board color1=255");
  text.replace(text.find("default font=1\r\n"), 16, "");
  text.replace(text.find("Auto_check=0"), 12, "Auto_check=0123456789ABC");
  SettingsFile file;
  ASSERT_TRUE(file.LoadSettings("\xEF\xBB\xBF" + text));
  EXPECT_EQ(file.GetSetting("default color"), "=0");
  EXPECT_EQ(file.GetSetting("Auto_check"), "0123456789");  // at most as long as the key
  EXPECT_EQ(file.GetSetting("Language"), "");

  AppearanceSettings s;
  ASSERT_TRUE(ReadAppearance(file, s));
  EXPECT_FALSE(s.defaultColor);
  EXPECT_FALSE(s.defaultFont);  // a missing flag is an unticked box
  EXPECT_TRUE(s.autoCheck);
  EXPECT_EQ(ResolveColours(s).UNFoucsColor1, 255u);  // odd boxes red
  // Unticked font colours with the shipped -1 fall back to the built-in ones.
  EXPECT_EQ(ResolveColours(s).FONTColor1, 6250335u);
  EXPECT_EQ(ResolveColours(s).FONTColor2, 0xFF0000u);

  // Storing writes into the key's line, and appends a key that is missing.
  s.defaultColor = true;
  s.boardColor2 = 65280;
  StoreBackground(file, s);
  StoreFontColours(file, s);
  file.PutSetting("Language", "en");
  EXPECT_EQ(file.Lines()[0], "default color=1");
  EXPECT_EQ(file.Lines()[4], "Board color2=65280");
  EXPECT_EQ(file.Lines().end()[-2], "default font=0");
  EXPECT_EQ(file.Lines().back(), "Language=en");
  AppearanceSettings back;
  ASSERT_TRUE(ReadAppearance(file, back));
  EXPECT_EQ(back, s);
}

TEST(Settings, AnyBadColourResetsEverythingButTheLanguage) {
  std::string text = "Language=zh\r\n" + kDefaultFile;
  text.replace(text.find("default color=1"), 15, "default color=0");
  const std::string badColour = [&] {
    std::string t = text;
    return t.replace(t.find("Board color1=16777215"), 21, "Board color1=abc");
  }();
  const std::string missingColour = [&] {
    std::string t = text;
    return t.replace(t.find("Candidate color=-1\r\n"), 20, "");
  }();
  const std::string huge(2 << 20, '1');
  const std::string binary("\x00\x01\xFF\xFE=\x00\r\r\n\x89PNG", 12);
  const std::string withLanguage = kDefaultFile + "Language=zh\r\n";
  for (const auto& [bytes, want] : {std::pair{&badColour, withLanguage}, std::pair{&missingColour, withLanguage},
                                    std::pair{&huge, kDefaultFile}, std::pair{&binary, kDefaultFile}}) {
    SettingsFile file;
    AppearanceSettings s;
    s.autoCheck = true;
    EXPECT_TRUE(LoadAppearanceValues(file, bytes, s));
    EXPECT_EQ(s, AppearanceSettings{});
    EXPECT_EQ(file.SettingsText(), want);
  }

  // A sound file written as UTF-16 reads as it is.
  std::string utf16 = "\xFF\xFE";
  for (char ch : text) utf16 += {ch, '\0'};
  SettingsFile file;
  AppearanceSettings s;
  EXPECT_FALSE(LoadAppearanceValues(file, &utf16, s));
  EXPECT_FALSE(s.defaultColor);
  EXPECT_EQ(file.GetSetting("Language"), "zh");
}
