#include "core/param_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "core/field_ranges.h"
#include "temp_folder.h"

namespace orvell {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ReadFile;
using testing::TempFolder;

const std::filesystem::path kData = ORVELL_TEST_DATA_DIR;

// Byte i holds i, so a byte written or read at the wrong place cannot go unnoticed.
ParamImage ByteIndexImage() {
    ParamImage image;
    for (std::size_t i = 0; i < kStoredSize; ++i) image[i] = static_cast<std::uint8_t>(i);
    return image;
}

ParamImage Filled(std::uint8_t value) {
    ParamImage image;
    image.Raw().fill(value);
    return image;
}

// Every byte that has a range brought to its nearest end, as the reader does.
ParamImage LimitedToRanges(ParamImage image) {
    for (const FieldRange& r : FieldRanges()) {
        for (std::size_t b = r.byte; b < r.byte + r.count; ++b) {
            image[b] = std::clamp(image[b], r.StoredMin(), r.StoredMax());
        }
    }
    return image;
}

// The start-up set as the window holds it, after the rule pass.
ParamImage StartUpSet() {
    ParamImage image;
    ApplyStartupSet(image);
    ConsistencyRules().ApplyConsistencyRules(image);
    return image;
}

// The file carries the field bytes; every other byte of the target must stay as it was.
void ExpectLoaded(const ParamImage& loaded, const ParamImage& source, const ParamImage& before) {
    for (std::size_t i = 0; i < kImageSize; ++i) {
        EXPECT_EQ(loaded[i], IsFieldByte(i) ? source[i] : before[i]) << "byte " << i;
    }
}

TEST(ParamFile, WriterMatchesTheGoldenFileByteForByte) {
    EXPECT_EQ(FormatParameterFile(ByteIndexImage()), ReadFile(kData / "golden_byte_index.ign"));
}

TEST(ParamFile, GoldenFileLoadsEveryFieldByte) {
    // The byte index lies outside the ranges of the tacho, TPS 0 % and map bytes.
    ParamImage source = LimitedToRanges(ByteIndexImage());
    // The flags are written as 0 or 1.
    source.SetLongExcitation(1);
    source.SetServoEnable(1);
    source.SetTpsMapFlag(1);
    const ParamImage before = Filled(0xEE);
    ParamImage loaded = before;
    ParamFileReadResult result =
        ParseParameterFile(ReadFile(kData / "golden_byte_index.ign"), loaded);
    EXPECT_EQ(result.version, 75u);
    EXPECT_THAT(result.unmatchedVersions, IsEmpty());
    EXPECT_THAT(result.limitedFields, ElementsAre("TPS", "RPM", "ADVANCE"));
    ExpectLoaded(loaded, source, before);
}

TEST(ParamFile, WriteThenReadGivesBackEveryStoredByte) {
    std::vector<ParamImage> images;
    const ParamImage defaults = StartUpSet();
    images.push_back(defaults);
    // TPS 100 % at both ends of its range, and tacho corrections at the ends, below, at and
    // above zero.
    for (std::uint8_t tps100 : {0, 225}) {
        for (std::uint8_t tacho : {40, 80, 99, 100, 160}) {
            ParamImage image = defaults;
            image.SetTps100Voltage(tps100);
            image.SetTachoCorrection(tacho);
            images.push_back(image);
        }
    }
    // Bytes without a range take any value; the others lie at an end of theirs.
    ParamImage high = LimitedToRanges(Filled(255));
    high.SetLongExcitation(1);
    high.SetServoEnable(1);
    high.SetTpsMapFlag(1);
    images.push_back(high);
    images.push_back(LimitedToRanges(Filled(0)));
    // A value of its own in every byte where the range allows, so that a number read into the
    // wrong byte shows.
    ParamImage spread = ByteIndexImage();
    for (const FieldRange& r : FieldRanges()) {
        for (std::size_t b = r.byte; b < r.byte + r.count; ++b) {
            spread[b] =
                static_cast<std::uint8_t>(r.StoredMin() + b % (r.StoredMax() - r.StoredMin() + 1u));
        }
    }
    spread.SetLongExcitation(1);
    spread.SetServoEnable(1);
    spread.SetTpsMapFlag(1);
    images.push_back(spread);

    for (const ParamImage& source : images) {
        const std::string text = FormatParameterFile(source);
        std::string lfOnly;
        for (char c : text) {
            if (c != '\r') lfOnly += c;
        }
        for (const std::string& variant : {text, lfOnly}) {
            const ParamImage before = Filled(0x5A);
            ParamImage loaded = before;
            const ParamFileReadResult result = ParseParameterFile(variant, loaded);
            EXPECT_EQ(result.version, 75u);
            EXPECT_THAT(result.limitedFields, IsEmpty());
            ExpectLoaded(loaded, source, before);
        }
    }
}

TEST(ParamFile, LineBreaksAreCrLfWithoutAFinalOne) {
    const std::string text = FormatParameterFile(ByteIndexImage());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            EXPECT_EQ(text[i - 1], '\r') << "at " << i;
        }
    }
    EXPECT_EQ(text.substr(text.size() - 6), " 1780 ");
}

struct VersionCase {
    const char* name;
    std::string text;
    std::uint32_t version;
    std::vector<std::uint32_t> unmatched;
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;  // expected after the read
};

TEST(ParamFile, VersionSearch) {
    const std::vector<VersionCase> cases = {
        {"75 clears the newer flags",
         "VOLTARIS_KEY 75",
         75,
         {},
         {{57, 0}, {58, 0}, {59, 0}, {60, 0}, {5, 0xEE}, {54, 0xEE}}},
        {"54 is older and keeps the input setup",
         "VOLTARIS_KEY 54\r\nBASE_ADV 7",
         54,
         {},
         {{57, 0}, {60, 0}, {5, 0xEE}, {54, 0xEE}, {9, 7}}},
        {"48 presets what it did not know",
         "VOLTARIS_KEY  48\nBASE_ADV 7",
         48,
         {},
         {{5, 1}, {54, 2}, {55, 3}, {56, 0}, {57, 0}, {58, 0}, {59, 0}, {60, 0}, {9, 7}}},
        {"48 presets yield to its keywords",
         "VOLTARIS_KEY 48 GEBER_MODE 4 INPUT 0 1 5 6 7 SPECIAL_START 1",
         48,
         {},
         {{5, 4}, {6, 0}, {8, 1}, {54, 5}, {55, 6}, {56, 7}, {60, 1}}},
        {"50 then 75: keywords between are not read",
         "VOLTARIS_KEY 50 BASE_ADV 3 VOLTARIS_KEY 75 LIMITER 9",
         75,
         {50},
         {{9, 0xEE}, {13, 9}}},
        {"a key without a number, then a good one",
         "VOLTARIS_KEY VOLTARIS_KEY 75 LIMITER 9",
         75,
         {0},
         {{13, 9}}},
        {"the whole number must match, not its low byte",
         "VOLTARIS_KEY 331 LIMITER 9",
         0,
         {331},
         {}},
        {"unknown versions only", "VOLTARIS_KEY 76 BASE_ADV 3\r\nVOLTARIS_KEY 12", 0, {76, 12}, {}},
        {"no key at all", "BIKE 1 2 3 BASE_ADV 3", 0, {}, {}},
        {"empty file", "", 0, {}, {}},
        {"key in lower case", "voltaris_key 75 BASE_ADV 3", 0, {}, {}},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ParamImage before = Filled(0xEE);
        ParamImage image = before;
        ParamFileReadResult result = ParseParameterFile(c.text, image);
        EXPECT_EQ(result.version, c.version);
        EXPECT_EQ(result.Loaded(), c.version != 0);
        EXPECT_EQ(result.OlderVersion(), c.version == 54 || c.version == 48);
        EXPECT_EQ(result.unmatchedVersions, c.unmatched);
        if (c.version == 0) {
            EXPECT_EQ(image, before);
        }
        for (auto [byte, value] : c.bytes) EXPECT_EQ(image[byte], value) << "byte " << byte;
    }
}

struct KeywordCase {
    std::string body;  // after the version key
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
};

TEST(ParamFile, KeywordsAndNumbers) {
    const std::vector<KeywordCase> cases = {
        // Scaled values divide with truncation; TPS 100 % lands as mV / 10 - 250 in 8 bits.
        {"PILOT_LIGHT 12599 CLUTCH 59 61 SERVO_HYSTER 14", {{7, 125}, {27, 5}, {28, 6}, {17, 2}}},
        {"TPS 2509 4750", {{20, 250}, {21, 225}}},
        {"TPS 250 2500", {{20, 25}, {21, 0}}},
        // A signed tacho correction. Bytes without a range take every value modulo 2^32 and
        // then to 8 bits.
        {"RPM 2 -20", {{11, 2}, {12, 80}}},
        {"RPM 3 +5", {{11, 3}, {12, 105}}},
        {"GEBER_MODE 4294967298 INPUT 0 1 256 -1 3", {{5, 2}, {54, 0}, {55, 255}, {56, 3}}},
        // Any order, stray words and numbers skipped, the last of a repeated keyword wins.
        {"17 junk SERVO_ENABLE 1 LIMITER 15 LIMITER 16 ;", {{16, 1}, {13, 16}}},
        // A missing number repeats the last one read; the word is then read as a keyword.
        {"LIMITER 40 CLUTCH 50 BASE_ADV 2", {{13, 40}, {27, 5}, {28, 5}, {9, 2}}},
        {"SERVO_RPM 1000 2000 SERVO_MV", {{70, 10}, {71, 20}, {79, 20}, {80, 100}, {89, 100}}},
        // Without INPUT the two pick-up bytes keep what BIKE left in them: its last number.
        {"BIKE 20 0 1 2 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 4 5 6 9",
         {{0, 20}, {4, 2}, {26, 9}, {6, 9}, {8, 9}}},
        {"BIKE 20 0 1 2 1 1 1 1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 3 4 5 6 9 0 1",
         {{6, 0}, {8, 1}}},
        // A sign alone or digits glued to letters do not consume the next keyword. Even the
        // version is a number read before.
        {"LIMITER - BASE_ADV 4", {{13, 75}, {9, 4}}},
        {"LIMITER 12AB BASE_ADV 4", {{13, 12}, {9, 4}}},
        {"EXCITATION 1 TPS_MAPA 1 NO_LOBE_CHECK 1 SPARK_BEFORE_LOBE 1 PICKUPS_INTERCHANGE 1",
         {{15, 1}, {22, 1}, {58, 1}, {59, 1}, {57, 1}}},
    };
    for (const KeywordCase& c : cases) {
        SCOPED_TRACE(c.body);
        ParamImage image;
        ASSERT_EQ(ParseParameterFile("VOLTARIS_KEY 75\r\n" + c.body, image).version, 75u);
        for (auto [byte, value] : c.bytes) EXPECT_EQ(image[byte], value) << "byte " << byte;
    }
}

struct LimitCase {
    std::string body;  // after the version key
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
    std::vector<std::string> limited;
};

// A hand-edited number outside its field's range loads as the nearest end of the range, never
// wrapped into 8 bits, and the keyword is reported so that the user learns of it.
TEST(ParamFile, NumbersOutsideTheirRangeTakeTheNearestEnd) {
    const std::vector<LimitCase> cases = {
        {"PILOT_LIGHT 26000", {{7, 250}}, {"PILOT_LIGHT"}},  // not 400 rpm
        {"PILOT_LIGHT 99", {{7, 1}}, {"PILOT_LIGHT"}},
        {"LIMITER 300", {{13, 250}}, {"LIMITER"}},  // the stored byte, 9..250
        {"LIMITER 4294967306", {{13, 250}}, {"LIMITER"}},
        {"LIMITER 8", {{13, 9}}, {"LIMITER"}},
        {"BASE_ADV 260", {{9, 40}}, {"BASE_ADV"}},
        {"BASE_ADV -1", {{9, 0}}, {"BASE_ADV"}},
        {"RPM 4 -150", {{11, 4}, {12, 40}}, {"RPM"}},  // -60 %, not +106 %
        {"RPM 7 61", {{11, 6}, {12, 160}}, {"RPM"}},
        {"TPS 249 5000", {{20, 25}, {21, 225}}, {"TPS"}},
        {"TPS -10 -10", {{20, 25}, {21, 0}}, {"TPS"}},
        {"CLUTCH 2600 -1", {{27, 250}, {28, 0}}, {"CLUTCH"}},
        {"SERVO_HYSTER 1280 SERVO_MV 0",
         {{17, 255}, {80, 1}, {89, 1}},
         {"SERVO_HYSTER", "SERVO_MV"}},
        // Digits beyond any integer still count as too large.
        {"ADVANCE 61 -3 99999999999999999999999",
         {{100, 60}, {101, 0}, {102, 60}, {199, 60}},
         {"ADVANCE"}},
        {"BIKE 20 0 59 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 41 300 1 2 3 0 1",
         {{3, 58}, {4, 1}, {30, 1}, {10, 40}, {23, 255}, {24, 1}},
         {"BIKE"}},
        // The first axis point and servo speeds reach lower than the rest.
        {"RPM_ADV 100 250 SERVO_RPM 100 200 200",
         {{90, 1}, {91, 3}, {70, 2}, {71, 2}, {72, 3}},
         {"RPM_ADV", "SERVO_RPM"}},
        // Each keyword once, in the order first met.
        {"BASE_ADV 99 LIMITER 0 BASE_ADV 41 CLUTCH 9999 9999",
         {{9, 40}, {13, 9}},
         {"BASE_ADV", "LIMITER", "CLUTCH"}},
        // A number that stores as a byte inside the range is in range.
        {"PILOT_LIGHT 25099 LIMITER 9 BASE_ADV 40", {{7, 250}, {13, 9}, {9, 40}}, {}},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.body);
        for (const char* version : {"75", "54", "48"}) {
            ParamImage image;
            const ParamFileReadResult result =
                ParseParameterFile(std::string("VOLTARIS_KEY ") + version + "\r\n" + c.body, image);
            ASSERT_TRUE(result.Loaded());
            EXPECT_EQ(result.limitedFields, c.limited);
            EXPECT_EQ(result.Limited(), !c.limited.empty());
            for (auto [byte, value] : c.bytes) EXPECT_EQ(image[byte], value) << "byte " << byte;
        }
    }
}

// What the program writes holds no such number: every preset after the rule pass reads back
// unchanged and unreported.
TEST(ParamFile, EveryPresetReadsBackWithoutLimits) {
    for (int code = 0; code < kBikeEntries; ++code) {
        SCOPED_TRACE(code);
        ParamImage source = StartUpSet();
        source.SetBikeCode(static_cast<std::uint8_t>(code));
        ApplyBikePreset(source);
        ConsistencyRules().ApplyConsistencyRules(source);
        ParamImage loaded;
        const ParamFileReadResult result = ParseParameterFile(FormatParameterFile(source), loaded);
        EXPECT_THAT(result.limitedFields, IsEmpty());
        ExpectLoaded(loaded, source, ParamImage{});
    }
}

TEST(ParamFile, TruncatedAdvanceBlockRepeatsItsLastNumber) {
    std::string text = "VOLTARIS_KEY 75\r\nADVANCE";
    for (int k = 0; k < 95; ++k) {
        text += ' ';
        text += std::to_string(k % 60);
    }
    text += "\r\nSERVO_ENABLE 1";
    ParamImage image;
    ParseParameterFile(text, image);
    for (int k = 0; k < 95; ++k) EXPECT_EQ(image[100 + k], k % 60);
    for (int k = 95; k < 100; ++k) EXPECT_EQ(image[100 + k], 94 % 60);
    EXPECT_EQ(image.ServoEnable(), 1);
}

TEST(ParamFile, OverlongWordsAreNeverKeywords) {
    const std::string longWord = "LIMITER" + std::string(300, 'X');
    ParamImage image;
    ParseParameterFile(
        "VOLTARIS_KEY 75 " + longWord + " 7 " + std::string(100000, 'B') + " BASE_ADV 5", image);
    EXPECT_EQ(image.LimiterSpeed(), 0);
    EXPECT_EQ(image.BaseAdvance(), 5);
}

TEST(ParamFile, FileRoundTripAndOpenFailures) {
    TempFolder folder;
    const ParamImage source = StartUpSet();
    ASSERT_TRUE(WriteParameterFile(folder / "tune.ign", source));
    EXPECT_EQ(ReadFile(folder / "tune.ign"), FormatParameterFile(source));

    ParamImage loaded;
    ParamFileReadResult result = ReadParameterFile(folder / "tune.ign", loaded);
    EXPECT_TRUE(result.opened);
    EXPECT_EQ(result.version, 75u);
    ExpectLoaded(loaded, source, ParamImage{});

    for (const char* name : {"missing.ign", ""}) {
        const ParamImage before = Filled(3);
        ParamImage image = before;
        result = ReadParameterFile(folder / name, image);
        EXPECT_FALSE(result.opened) << name;
        EXPECT_FALSE(result.Loaded());
        EXPECT_EQ(image, before);
    }
}

}  // namespace
}  // namespace orvell
