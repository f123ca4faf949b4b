#include "app/settings.h"

#include <gtest/gtest.h>

#include "app/last_image_file.h"
#include "temp_folder.h"

namespace orvell {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

TEST(Settings, FirstStartKeepsTheStartUpValues) {
    Settings s;
    s.left = 300;
    s.top = 100;
    ReadSettings(IniFile{}, s);
    EXPECT_EQ(s.left, 300);
    EXPECT_EQ(s.top, 100);
    EXPECT_EQ(s.width, 1005);
    EXPECT_EQ(s.height, 834);
    EXPECT_EQ(s.portChoice, 0);        // COM1
    EXPECT_EQ(s.autoPortNumber, 255);  // the consistency pass makes it COM1
    EXPECT_EQ(s.languageIndex, 0);
    EXPECT_EQ(s.fileName, "");
    EXPECT_EQ(s.iniDir, "");
}

TEST(Settings, KeysAreReadWithTheirRules) {
    struct Case {
        const char* line;
        int Settings::*member;
        int expected;
    };
    const Case cases[] = {
        {"ComPort=31", &Settings::portChoice, 30},  // automatic
        {"ComPort=32", &Settings::portChoice, 31},  // out of range, reset by the consistency pass
        {"ComPort=0", &Settings::portChoice, 255},
        {"ComPort=257", &Settings::portChoice, 0},
        {"ComPortAuto=5", &Settings::autoPortNumber, 4},
        {"Language=7", &Settings::languageIndex, 7},
        {"Language=259", &Settings::languageIndex, 3},
        {"Language=-1", &Settings::languageIndex, 255},
        {"Left=-1200", &Settings::left, -1200},
        {"PageControl1->ActivePageIndex=3", &Settings::activePageIndex, 3},
    };
    for (const Case& c : cases) {
        Settings s;
        ReadSettings(IniFile::Parse(std::string("[FORM_HLAV]\n") + c.line), s);
        EXPECT_EQ(s.*c.member, c.expected) << c.line;
    }
}

TEST(Settings, WriteThenReadRestoresEverything) {
    Settings written;
    written.left = -5;
    written.top = 40;
    written.height = 900;
    written.width = 1200;
    written.portChoice = 30;
    written.autoPortNumber = 4;
    written.languageIndex = 3;
    written.fileName = "/home/me/r1.ign";
    written.iniDir = "/home/me/old.ign";
    written.activePageIndex = 2;
    IniFile ini;
    WriteSettings(ini, written);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "ComPort", 0), 31);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "ComPortAuto", 0), 5);
    EXPECT_NE(ini.Format().find("\r\nPageControl1->ActivePageIndex=2\r\n"), std::string::npos);

    Settings read;
    ReadSettings(IniFile::Parse(ini.Format()), read);
    EXPECT_EQ(read.left, -5);
    EXPECT_EQ(read.top, 40);
    EXPECT_EQ(read.height, 900);
    EXPECT_EQ(read.width, 1200);
    EXPECT_EQ(read.portChoice, 30);
    EXPECT_EQ(read.autoPortNumber, 4);
    EXPECT_EQ(read.languageIndex, 3);
    EXPECT_EQ(read.fileName, written.fileName);
    EXPECT_EQ(read.iniDir, written.iniDir);
    EXPECT_EQ(read.activePageIndex, 2);
}

TEST(Settings, FilesRoundTripAndKeepForeignSections) {
    TempFolder folder;
    const SettingsPaths paths = SettingsPathsIn(folder.Path());
    EXPECT_EQ(paths.settingsFile.filename(), "ORVELL_v75.ini");
    EXPECT_EQ(paths.lastImageFile.filename(), "_ORVELL_v75.ini");
    WriteFile(paths.settingsFile, "[PORTS]\r\nCOM3=/dev/ttyS9\r\n");

    ParamImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(255 - i);
    Settings settings;
    settings.languageIndex = 2;
    SettingsWriteOutcome outcome = WriteSettings(paths, settings, image);
    EXPECT_TRUE(outcome.settingsFile);
    EXPECT_TRUE(outcome.lastImageFile);
    EXPECT_EQ(IniFile::Load(paths.settingsFile).ReadSection("PORTS").at("COM3"), "/dev/ttyS9");

    Settings restored;
    ParamImage restoredImage;
    ReadSettings(paths, restored, restoredImage);
    EXPECT_EQ(restored.languageIndex, 2);
    for (std::size_t i = 0; i < kImageSize; ++i) {
        EXPECT_EQ(restoredImage[i], i < kStoredSize ? image[i] : 0) << "byte " << i;
    }
}

TEST(Settings, FolderFollowsXdgConfigHome) {
    EXPECT_EQ(SettingsFolderFor("/x/conf", "/home/me"), "/x/conf/orvell");
    EXPECT_EQ(SettingsFolderFor(nullptr, "/home/me"), "/home/me/.config/orvell");
    EXPECT_EQ(SettingsFolderFor("", "/home/me"), "/home/me/.config/orvell");
    EXPECT_EQ(SettingsFolderFor("relative/conf", "/home/me"), "/home/me/.config/orvell");

    TempFolder folder;
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    EXPECT_EQ(SettingsFolder(), folder / "config" / "orvell");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "config" / "orvell"));
}

TEST(LastImageFile, LayoutIsTwentyOneLinesAndTwoEmptyOnes) {
    ParamImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i);
    const std::string text = FormatLastImage(image);
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    ASSERT_EQ(lines.size(), 23u);
    EXPECT_EQ(lines[0], "    0     1     2     3     4     5     6     7     8     9 ");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "  100   101   102   103   104   105   106   107   108   109 ");
    EXPECT_EQ(lines[21], "");
    EXPECT_EQ(lines[22], "  200   201   202   203   204   205   206 ");
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
}

TEST(LastImageFile, ReaderTakesLowBytesAndStopsEarly) {
    const ParamImage before = [] {
        ParamImage m;
        m.Raw().fill(9);
        return m;
    }();
    struct Case {
        std::string text;
        std::size_t count;
        std::vector<std::uint8_t> first;
    };
    const Case cases[] = {
        {"1 2\n3", 3, {1, 2, 3, 9}},
        {" 256\r\n\r\n 513 -1", 3, {0, 1, 255, 9}},
        {"7 8 x 10", 2, {7, 8, 9}},
        {"", 0, {9}},
    };
    for (const Case& c : cases) {
        ParamImage image = before;
        EXPECT_EQ(ParseLastImage(c.text, image), c.count) << c.text;
        for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_EQ(image[i], c.first[i]) << c.text;
    }
    // More than 207 numbers: the rest is left alone, the information area stays.
    std::string many;
    for (int i = 0; i < 300; ++i) many += "1 ";
    ParamImage image = before;
    EXPECT_EQ(ParseLastImage(many, image), kStoredSize);
    EXPECT_EQ(image[206], 1);
    EXPECT_EQ(image[207], 9);

    TempFolder folder;
    EXPECT_FALSE(ReadLastImageFile(folder / "missing.ini", image));
}

}  // namespace
}  // namespace orvell
