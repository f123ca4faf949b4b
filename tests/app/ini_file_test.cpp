#include "app/ini_file.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace orvell {
namespace {

// A file that another INI tool or a later version of the program has touched.
constexpr std::string_view kForeign =
    "; kept as written\r\n"
    "[FORM_HLAV]\r\n"
    "Left=12\r\n"
    "  PageControl1->ActivePageIndex = 2 \r\n"
    "Extra=keep me\r\n"
    "\r\n"
    "[PORTS]\n"
    "COM5=/dev/ttyACM0\n"
    "com6=/dev/pts/7\n";

TEST(IniFile, RewriteKeepsEverythingItDoesNotChange) {
    IniFile ini = IniFile::Parse(kForeign);
    ini.WriteInteger("FORM_HLAV", "Left", -40);
    ini.WriteInteger("form_hlav", "Width", 1005);
    ini.WriteString("NEW", "Key", "a\r\nb");
    EXPECT_EQ(ini.Format(),
              "; kept as written\r\n"
              "[FORM_HLAV]\r\n"
              "Left=-40\r\n"
              "  PageControl1->ActivePageIndex = 2 \r\n"
              "Extra=keep me\r\n"
              "Width=1005\r\n"
              "\r\n"
              "[PORTS]\r\n"
              "COM5=/dev/ttyACM0\r\n"
              "com6=/dev/pts/7\r\n"
              "[NEW]\r\n"
              "Key=ab\r\n");
}

TEST(IniFile, ReadsValuesSectionsAndDefaults) {
    const IniFile ini = IniFile::Parse(kForeign);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "PageControl1->ActivePageIndex", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Form_Hlav", "LEFT", 0), 12);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Missing", 77), 77);
    EXPECT_EQ(ini.ReadInteger("PORTS", "COM5", 77), 77);  // not a number
    EXPECT_EQ(ini.ReadString("FORM_HLAV", "Extra", "x"), "keep me");
    EXPECT_EQ(ini.ReadString("NONE", "Extra", "x"), "x");
    const std::map<std::string, std::string> ports = ini.ReadSection("ports");
    EXPECT_EQ(ports, (std::map<std::string, std::string>{{"COM5", "/dev/ttyACM0"},
                                                         {"com6", "/dev/pts/7"}}));
}

TEST(IniFile, ByteOrderMarkDoesNotHideTheFirstSection) {
    const std::string text = "\xEF\xBB\xBF[FORM_HLAV]\r\nLeft=3\r\n";
    IniFile ini = IniFile::Parse(text);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Left", 0), 3);
    EXPECT_EQ(ini.Format(), text);
}

TEST(IniFile, IntegerSyntax) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42},  {"-7", -7},  {" +3 ", 3}, {"0x1F", 31},        {"12ab", -1},
        {"", -1},    {"-", -1},   {"0x", -1},  {"99999999999", -1}, {"2147483647", 2147483647},
        {"1 2", -1}, {"--1", -1},
    };
    for (auto [text, expected] : cases) {
        IniFile ini;
        ini.WriteString("S", "K", text);
        EXPECT_EQ(ini.ReadInteger("S", "K", -1), expected) << '"' << text << '"';
    }
}

TEST(IniFile, SavesAndLoads) {
    testing::TempFolder folder;
    IniFile ini = IniFile::Parse(kForeign);
    ini.WriteString("FORM_HLAV", "File", "/home/me/tunes/r6 race.ign");
    ASSERT_TRUE(ini.Save(folder / "a.ini"));
    const IniFile loaded = IniFile::Load(folder / "a.ini");
    EXPECT_EQ(loaded.Format(), ini.Format());
    EXPECT_EQ(loaded.ReadString("FORM_HLAV", "File", ""), "/home/me/tunes/r6 race.ign");
    EXPECT_EQ(IniFile::Load(folder / "missing.ini").Format(), "");
}

}  // namespace
}  // namespace orvell
