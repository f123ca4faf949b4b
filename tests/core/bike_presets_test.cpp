#include "core/bike_presets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/consistency_rules.h"

namespace orvell {
namespace {

ParamImage Filled(std::uint8_t value, std::uint8_t bikeCode) {
    ParamImage image;
    image.Raw().fill(value);
    image.SetBikeCode(bikeCode);
    return image;
}

std::map<std::size_t, int> ChangedBytes(const ParamImage& before, const ParamImage& after) {
    std::map<std::size_t, int> changed;
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (before[i] != after[i]) changed[i] = after[i];
    }
    return changed;
}

TEST(BikeTable, EntriesAndCodesAreOneToOne) {
    std::set<int> codes;
    for (int entry = 0; entry < kBikeEntries; ++entry) {
        const auto code = BikeCodeFromEntry(entry);
        ASSERT_TRUE(code.has_value());
        codes.insert(*code);
        EXPECT_EQ(EntryFromBikeCode(*code), entry);
        EXPECT_EQ(BikeTable()[entry].entry, entry);
    }
    EXPECT_EQ(codes.size(), 38u);
    EXPECT_EQ(*codes.rbegin(), 37);
    EXPECT_EQ(BikeCodeFromEntry(-1), std::nullopt);
    EXPECT_EQ(BikeCodeFromEntry(38), std::nullopt);
    EXPECT_EQ(EntryFromBikeCode(38), std::nullopt);
    EXPECT_EQ(EntryFromBikeCode(255), std::nullopt);
    EXPECT_EQ(BikeTable()[37].englishText, "Special setting");
    EXPECT_EQ(BikeTable()[15].englishText, "Classic (1 lobe, 1 or 2 pick-up) ");
    EXPECT_EQ(BikeTable()[5].englishText, "Kawasaki ZX ");
}

// Every preset, written over two different backgrounds: it may only touch the synchronisation
// description and its own few further bytes, it writes method, lobes and channels, and a flag
// without a letter keeps whatever was there.
TEST(BikePresets, EveryPresetWritesOnlyItsOwnBytes) {
    const std::set<std::size_t> allowed = [] {
        std::set<std::size_t> s = {2, 3, 4, 5, 6, 8, 15, 16, 57, 58, 59, 60};
        for (std::size_t i = 30; i <= 53; ++i) s.insert(i);
        return s;
    }();
    for (const BikeEntry& bike : BikeTable()) {
        if (!bike.hasPreset || bike.defaultsFirst) continue;
        for (std::uint8_t background : {0x00, 0xEE}) {
            const ParamImage before = Filled(background, bike.code);
            ParamImage after = before;
            ApplyBikePreset(after);
            for (const auto& [byte, value] : ChangedBytes(before, after)) {
                EXPECT_TRUE(allowed.count(byte)) << bike.englishText << " wrote byte " << byte;
            }
            EXPECT_EQ(after.SyncMethod(), bike.method) << bike.englishText;
            EXPECT_EQ(after.LobeCount(), bike.lobes) << bike.englishText;
            EXPECT_EQ(after.ChannelCount(), bike.channels) << bike.englishText;
            for (int c = 0; c < kChannels; ++c) {
                const ChannelPreset& p = bike.channel[c];
                if (p.maxLobe == 0) {
                    EXPECT_EQ(after.MaxAdvanceLobe(c), background)
                        << bike.englishText << " ch " << c;
                    continue;
                }
                EXPECT_EQ(after.MaxAdvance2ndEdge(c), p.max2ndEdge ? 1 : background);
                EXPECT_EQ(after.StartAdvance2ndPickup(c), p.start2ndPickup ? 1 : background);
            }
        }
    }
}

// Selected rows written out byte by byte, over a background of 0xEE.
TEST(BikePresets, SampleRowsByteForByte) {
    struct Case {
        std::uint8_t code;
        std::map<std::size_t, int> bytes;
    };
    const Case cases[] = {
        // Honda VFR 400: method 4, 7 lobes, 2 channels, 4/5 6/7.
        {4, {{2, 4}, {3, 7}, {4, 2}, {30, 4}, {34, 5}, {31, 6}, {35, 7}}},
        // Honda VT 600 Shadow: 1E/2E 5EP/6EP, pick-up interchange.
        {5,
         {{2, 4},
          {3, 7},
          {4, 2},
          {30, 1},
          {34, 2},
          {38, 1},
          {42, 1},
          {31, 5},
          {35, 6},
          {39, 1},
          {43, 1},
          {47, 1},
          {51, 1},
          {57, 1}}},
        // Kawasaki KZ 1300: 1/2 1P/2P 3P/4P, both pick-ups inverted.
        {35,
         {{2, 9},
          {3, 4},
          {4, 3},
          {30, 1},
          {34, 2},
          {31, 1},
          {35, 2},
          {47, 1},
          {51, 1},
          {32, 3},
          {36, 4},
          {48, 1},
          {52, 1},
          {6, 1},
          {8, 1}}},
        // Yamaha XT600E shares the preset of Suzuki GSX but with one channel and lower advance.
        {21, {{2, 2}, {3, 4}, {4, 1}, {30, 4}, {34, 1}, {31, 2}, {35, 3}, {60, 1}}},
        {11, {{2, 2}, {3, 4}, {4, 2}, {30, 4}, {34, 1}, {31, 2}, {35, 3}}},
        // Classic 3 lobe: the preset of Classic 1 lobe, one channel, lobe multiplier 3.
        {29, {{2, 0},  {3, 1},  {4, 1},  {5, 3},  {30, 1}, {34, 1}, {42, 1},
              {31, 1}, {35, 1}, {47, 1}, {43, 1}, {51, 1}, {32, 1}, {36, 1},
              {48, 1}, {44, 1}, {52, 1}, {33, 1}, {37, 1}, {45, 1}}},
        // 24-1 4 cyl, cam.
        {37, {{2, 12},  {3, 46},  {4, 4},   {5, 0},   {57, 1}, {15, 0}, {30, 27}, {34, 30},
              {31, 39}, {35, 42}, {32, 16}, {36, 19}, {33, 4}, {37, 7}, {38, 1},  {39, 1},
              {40, 1},  {41, 1},  {42, 1},  {43, 1},  {44, 1}, {45, 1}}},
    };
    for (const Case& c : cases) {
        const ParamImage before = Filled(0xEE, c.code);
        ParamImage after = before;
        ApplyBikePreset(after);
        EXPECT_EQ(ChangedBytes(before, after), c.bytes) << "code " << int(c.code);
    }
}

TEST(BikePresets, SpecialAndUnknownCodesWriteNothing) {
    for (std::uint8_t code : {std::uint8_t{22}, std::uint8_t{38}, std::uint8_t{255}}) {
        const ParamImage before = Filled(0x5A, code);
        ParamImage after = before;
        ApplyBikePreset(after);
        EXPECT_EQ(after, before) << int(code);
    }
}

TEST(BikePresets, SomePresetsStartFromTheDefaults) {
    for (std::uint8_t code : {std::uint8_t{14}, std::uint8_t{18}, std::uint8_t{20}}) {
        ParamImage viaPreset = Filled(0xEE, code);
        ApplyBikePreset(viaPreset);
        EXPECT_EQ(viaPreset.LimiterSpeed(), 110) << int(code);
        EXPECT_EQ(viaPreset.MapCell(2, 1), 24) << int(code);
    }
    ParamImage noDefaults = Filled(0xEE, 11);
    ApplyBikePreset(noDefaults);
    EXPECT_EQ(noDefaults.LimiterSpeed(), 0xEE);
}

TEST(Defaults, WritesTheDefaultSetAndNothingOfTheDescription) {
    ParamImage image = Filled(0xEE, 8);  // Suzuki 800: tacho 1, input 1 off
    ApplyDefaults(image);

    const std::map<std::size_t, int> scalars = {
        {9, 10},   {6, 0},   {8, 0},    {57, 0},   {58, 0},  {59, 0},  {60, 0},
        {13, 110}, {7, 90},  {20, 70},  {21, 129}, {22, 0},  {16, 0},  {17, 20},
        {15, 1},   {5, 1},   {12, 100}, {10, 1},   {23, 11}, {24, 11}, {25, 11},
        {26, 11},  {27, 10}, {28, 50},  {11, 1},   {54, 0},  {55, 0},  {56, 0}};
    for (const auto& [byte, value] : scalars) EXPECT_EQ(image[byte], value) << "byte " << byte;
    for (std::size_t i = 38; i <= 53; ++i) EXPECT_EQ(image[i], 0) << "flag " << i;
    const int axis[] = {15, 20, 30, 40, 50, 60, 70, 80, 90, 100};
    const int speeds[] = {12, 20, 30, 40, 60, 80, 100, 120, 140, 160};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(image.RpmAxis(i), axis[i]);
        EXPECT_EQ(image.ServoSpeed(i), speeds[i]);
        EXPECT_EQ(image.ServoVoltage(i), 100 + 5 * i);
    }
    EXPECT_EQ(image.MapCell(0, 5), 32);
    EXPECT_EQ(image.MapCell(3, 5), 47);
    EXPECT_EQ(image.MapCell(4, 9), 31);
    EXPECT_EQ(image.MapCell(6, 8), 33);
    EXPECT_EQ(image.MapCell(9, 9), 32);

    // Never written: bike code, description, unlisted and reserved bytes, unit information.
    for (std::size_t i :
         {0, 1, 2, 3, 4, 14, 18, 19, 29, 30, 33, 34, 37, 61, 69, 200, 206, 207, 306}) {
        EXPECT_EQ(image[i], i == 0 ? 8 : 0xEE) << "byte " << i;
    }
}

TEST(Defaults, BikeDependentValues) {
    struct Case {
        std::uint8_t code;
        int tacho, input1, neutral;
        bool flagsCleared;
    };
    const Case cases[] = {
        {4, 4, 0, 0, true},       // Honda VFR 400
        {2, 2, 2, 1, true},       // Honda CBR 9P: blocking and neutral inputs
        {17, 2, 1, 0, true},      // Yamaha 125 SR: kill switch
        {22, 0xEE, 0, 0, false},  // special: tacho and hand-made flags kept
        {40, 0xEE, 0, 0, true},   // unknown code: nothing bike-dependent
    };
    for (const Case& c : cases) {
        ParamImage image = Filled(0xEE, c.code);
        ApplyDefaults(image);
        EXPECT_EQ(image.TachoPulses(), c.tacho) << int(c.code);
        EXPECT_EQ(image.Input1Function(), c.input1) << int(c.code);
        EXPECT_EQ(image.NeutralSideStandInputs(), c.neutral) << int(c.code);
        EXPECT_EQ(image.MaxAdvance2ndEdge(0), c.flagsCleared ? 0 : 0xEE) << int(c.code);
    }
}

TEST(Defaults, YamahaR1GetsItsServoCurve) {
    ParamImage image = Filled(0, 19);
    ApplyDefaults(image);
    ApplyBikePreset(image);
    EXPECT_EQ(image.ServoEnable(), 1);
    EXPECT_EQ(conv::kRpm.Show(image.ServoSpeed(0)), 300);
    EXPECT_EQ(conv::kServoVoltage.Show(image.ServoVoltage(0)), 600);
    EXPECT_EQ(conv::kRpm.Show(image.ServoSpeed(9)), 10500);
    EXPECT_EQ(conv::kServoVoltage.Show(image.ServoVoltage(9)), 1860);
}

TEST(Defaults, StartUpImageIsYamahaR6) {
    ParamImage image;
    image.SetBikeCode(kStartupBikeCode);
    ApplyDefaults(image);
    ApplyBikePreset(image);
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.SyncMethod(), 1);
    EXPECT_EQ(image.LobeCount(), 5);
    EXPECT_EQ(image.ChannelCount(), 2);
    EXPECT_EQ(image.MaxAdvanceLobe(0), 1);
    EXPECT_EQ(image.StartAdvanceLobe(0), 2);
    EXPECT_EQ(image.MaxAdvanceLobe(1), 3);
    EXPECT_EQ(image.StartAdvanceLobe(1), 4);
    EXPECT_EQ(image.MaxAdvance2ndEdge(0), 1);
    EXPECT_EQ(image.StartAdvance2ndEdge(1), 1);
    EXPECT_EQ(image.LongExcitation(), 0);
    EXPECT_EQ(image.Input1Function(), kInputBlocking);
    EXPECT_EQ(image.TachoPulses(), 2);
    for (std::size_t i = 207; i < kImageSize; ++i) EXPECT_EQ(image[i], 0);
}

TEST(BikePresets, PresetOverAnotherKeepsFlagsItDoesNotName) {
    // Honda VT 600 Shadow first, then Kawasaki KZ 1300 answered with No (no defaults).
    ParamImage image;
    image.SetBikeCode(5);
    ApplyDefaults(image);
    ApplyBikePreset(image);
    image.SetBikeCode(35);
    ApplyBikePreset(image);
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.MaxAdvance2ndEdge(0), 1);
    EXPECT_EQ(image.StartAdvance2ndEdge(0), 1);
    EXPECT_EQ(image.MaxAdvance2ndEdge(1), 1);
    EXPECT_EQ(image.StartAdvance2ndEdge(1), 1);
    EXPECT_EQ(image.MaxAdvance2ndPickup(1), 1);
    EXPECT_EQ(image.StartAdvance2ndPickup(2), 1);  // method 9 keeps 2nd pick-up flags
}

}  // namespace
}  // namespace orvell
