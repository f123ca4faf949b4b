#include "app/last_image_file.h"

#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "core/bike_presets.h"
#include "temp_folder.h"

namespace orvell {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

ParamImage Numbered() {
    ParamImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 3);
    return image;
}

std::string Numbers(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += std::to_string(i % 200) + " ";
    return text;
}

// A file that does not hold all 207 numbers changes nothing: a short one never mixes its first
// bytes with the rest of the set already in memory.
TEST(LastImageFile, RestoresAllOrNothing) {
    struct Case {
        std::string text;
        bool restored;
    };
    const Case cases[] = {
        {Numbers(207), true},
        {Numbers(207) + "junk after the last number", true},
        {Numbers(206), false},
        {Numbers(50) + "x" + Numbers(157), false},  // letters stop the reading
        {Numbers(50), false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const ParamImage before = Numbered();
        ParamImage image = before;
        EXPECT_EQ(RestoreLastImage(c.text, image), c.restored);
        if (c.restored) {
            for (std::size_t i = 0; i < kImageSize; ++i) {
                EXPECT_EQ(image[i], i < kStoredSize ? i % 200 : before[i]) << "byte " << i;
            }
        } else {
            EXPECT_EQ(image, before);
        }
    }
}

// The start-up set stays, the damaged file is moved aside for a look and reported once; the next
// start finds no file and says nothing.
TEST(LastImageFile, DamagedFileIsMovedAsideAndReportedOnce) {
    TempFolder folder;
    const SettingsPaths paths = SettingsPathsIn(folder.Path());
    const std::filesystem::path aside = folder / "_ORVELL_v75.ini.damaged";
    WriteFile(aside, "an older damaged file");
    const std::string damaged = Numbers(50) + "\r\n\xff\xfe garbage";
    WriteFile(paths.lastImageFile, damaged);

    ParamImage startUp;
    ApplyStartupSet(startUp);
    ParamImage image = startUp;
    Settings settings;
    LastImageReadResult result = ReadSettings(paths, settings, image);
    EXPECT_TRUE(result.Damaged());
    EXPECT_FALSE(result);
    EXPECT_EQ(result.keptAs, aside);
    EXPECT_EQ(image, startUp);
    EXPECT_FALSE(std::filesystem::exists(paths.lastImageFile));
    EXPECT_EQ(ReadFile(aside), damaged);

    result = ReadLastImageFile(paths.lastImageFile, image);
    EXPECT_EQ(result.status, LastImageReadResult::Status::kNotRead);
    EXPECT_FALSE(result.Damaged());
    EXPECT_EQ(image, startUp);

    // A good file is restored and stays where it is.
    const ParamImage saved = Numbered();
    ASSERT_TRUE(WriteLastImageFile(paths.lastImageFile, saved));
    result = ReadLastImageFile(paths.lastImageFile, image);
    EXPECT_TRUE(result);
    EXPECT_TRUE(result.keptAs.empty());
    EXPECT_TRUE(std::equal(image.Stored().begin(), image.Stored().end(), saved.Stored().begin()));
    EXPECT_TRUE(std::filesystem::exists(paths.lastImageFile));
}

}  // namespace
}  // namespace orvell
