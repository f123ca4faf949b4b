#include "core/param_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace orvell {
namespace {

TEST(ParamImage, StartsAllZero) {
    ParamImage image;
    ASSERT_EQ(image.Raw().size(), 307u);
    for (std::size_t i = 0; i < kImageSize; ++i) EXPECT_EQ(image[i], 0) << i;
}

// Each setter must write its own byte and nothing else; a wrong offset would corrupt a neighbour
// that the unit reads as something entirely different.
TEST(ParamImage, EachAccessorOwnsExactlyItsByte) {
    struct Case {
        std::size_t byte;
        std::function<void(ParamImage&)> set;
        std::function<std::uint8_t(const ParamImage&)> get;
    };
    const std::vector<Case> cases = {
        {0, [](auto& m) { m.SetBikeCode(0xA5); }, [](auto& m) { return m.BikeCode(); }},
        {2, [](auto& m) { m.SetSyncMethod(0xA5); }, [](auto& m) { return m.SyncMethod(); }},
        {3, [](auto& m) { m.SetLobeCount(0xA5); }, [](auto& m) { return m.LobeCount(); }},
        {4, [](auto& m) { m.SetChannelCount(0xA5); }, [](auto& m) { return m.ChannelCount(); }},
        {5, [](auto& m) { m.SetLobeMultiplier(0xA5); }, [](auto& m) { return m.LobeMultiplier(); }},
        {6, [](auto& m) { m.SetPickup1Inverted(0xA5); },
         [](auto& m) { return m.Pickup1Inverted(); }},
        {7, [](auto& m) { m.SetShiftLightSpeed(0xA5); },
         [](auto& m) { return m.ShiftLightSpeed(); }},
        {8, [](auto& m) { m.SetPickup2Inverted(0xA5); },
         [](auto& m) { return m.Pickup2Inverted(); }},
        {9, [](auto& m) { m.SetBaseAdvance(0xA5); }, [](auto& m) { return m.BaseAdvance(); }},
        {10, [](auto& m) { m.SetRevolutionsWithoutIgnition(0xA5); },
         [](auto& m) { return m.RevolutionsWithoutIgnition(); }},
        {11, [](auto& m) { m.SetTachoPulses(0xA5); }, [](auto& m) { return m.TachoPulses(); }},
        {12, [](auto& m) { m.SetTachoCorrection(0xA5); },
         [](auto& m) { return m.TachoCorrection(); }},
        {13, [](auto& m) { m.SetLimiterSpeed(0xA5); }, [](auto& m) { return m.LimiterSpeed(); }},
        {15, [](auto& m) { m.SetLongExcitation(0xA5); },
         [](auto& m) { return m.LongExcitation(); }},
        {16, [](auto& m) { m.SetServoEnable(0xA5); }, [](auto& m) { return m.ServoEnable(); }},
        {17, [](auto& m) { m.SetServoHysteresis(0xA5); },
         [](auto& m) { return m.ServoHysteresis(); }},
        {20, [](auto& m) { m.SetTps0Voltage(0xA5); }, [](auto& m) { return m.Tps0Voltage(); }},
        {21, [](auto& m) { m.SetTps100Voltage(0xA5); }, [](auto& m) { return m.Tps100Voltage(); }},
        {22, [](auto& m) { m.SetTpsMapFlag(0xA5); }, [](auto& m) { return m.TpsMapFlag(); }},
        {26, [](auto& m) { m.SetCompensation(3, 0xA5); },
         [](auto& m) { return m.Compensation(3); }},
        {27, [](auto& m) { m.SetClutchMasterTime(0xA5); },
         [](auto& m) { return m.ClutchMasterTime(); }},
        {28, [](auto& m) { m.SetClutchMasterPause(0xA5); },
         [](auto& m) { return m.ClutchMasterPause(); }},
        {30, [](auto& m) { m.SetMaxAdvanceLobe(0, 0xA5); },
         [](auto& m) { return m.MaxAdvanceLobe(0); }},
        {37, [](auto& m) { m.SetStartAdvanceLobe(3, 0xA5); },
         [](auto& m) { return m.StartAdvanceLobe(3); }},
        {39, [](auto& m) { m.SetMaxAdvance2ndEdge(1, 0xA5); },
         [](auto& m) { return m.MaxAdvance2ndEdge(1); }},
        {44, [](auto& m) { m.SetStartAdvance2ndEdge(2, 0xA5); },
         [](auto& m) { return m.StartAdvance2ndEdge(2); }},
        {49, [](auto& m) { m.SetMaxAdvance2ndPickup(3, 0xA5); },
         [](auto& m) { return m.MaxAdvance2ndPickup(3); }},
        {50, [](auto& m) { m.SetStartAdvance2ndPickup(0, 0xA5); },
         [](auto& m) { return m.StartAdvance2ndPickup(0); }},
        {54, [](auto& m) { m.SetInput1Function(0xA5); },
         [](auto& m) { return m.Input1Function(); }},
        {55, [](auto& m) { m.SetInput2Function(0xA5); },
         [](auto& m) { return m.Input2Function(); }},
        {56, [](auto& m) { m.SetNeutralSideStandInputs(0xA5); },
         [](auto& m) { return m.NeutralSideStandInputs(); }},
        {57, [](auto& m) { m.SetPickupInterchange(0xA5); },
         [](auto& m) { return m.PickupInterchange(); }},
        {58, [](auto& m) { m.SetNoLobeLengthCheck(0xA5); },
         [](auto& m) { return m.NoLobeLengthCheck(); }},
        {59, [](auto& m) { m.SetSparkBeforeLobe(0xA5); },
         [](auto& m) { return m.SparkBeforeLobe(); }},
        {60, [](auto& m) { m.SetLowerAdvanceAtStart(0xA5); },
         [](auto& m) { return m.LowerAdvanceAtStart(); }},
        {79, [](auto& m) { m.SetServoSpeed(9, 0xA5); }, [](auto& m) { return m.ServoSpeed(9); }},
        {80, [](auto& m) { m.SetServoVoltage(0, 0xA5); },
         [](auto& m) { return m.ServoVoltage(0); }},
        {95, [](auto& m) { m.SetRpmAxis(5, 0xA5); }, [](auto& m) { return m.RpmAxis(5); }},
        {190, [](auto& m) { m.MapCell(9, 0) = 0xA5; }, [](auto& m) { return m.MapCell(9, 0); }},
        {109, [](auto& m) { m.MapCell(0, 9) = 0xA5; }, [](auto& m) { return m.MapCell(0, 9); }},
    };
    for (const Case& c : cases) {
        ParamImage image;
        c.set(image);
        EXPECT_EQ(c.get(image), 0xA5) << "byte " << c.byte;
        for (std::size_t i = 0; i < kImageSize; ++i) {
            EXPECT_EQ(image[i], i == c.byte ? 0xA5 : 0)
                << "setter of byte " << c.byte << " wrote " << i;
        }
    }
}

TEST(ParamImage, IndexOutsideItsFieldIsRefused) {
    ParamImage image;
    EXPECT_THROW(image.SetMaxAdvanceLobe(4, 1), std::out_of_range);
    EXPECT_THROW(image.RpmAxis(-1), std::out_of_range);
    EXPECT_THROW(image.MapCell(10, 0), std::out_of_range);
    EXPECT_THROW(image.MapCell(0, 10), std::out_of_range);
}

TEST(ParamImage, BlockViewsCoverTheirBytes) {
    ParamImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(image.Block1().front(), 0);
    EXPECT_EQ(image.Block1().back(), 99);
    EXPECT_EQ(image.Block2().front(), 100);
    EXPECT_EQ(image.Block2().back(), 199);
    EXPECT_EQ(image.UnitInfo().front(), 207);
    EXPECT_EQ(image.UnitInfo().back(), static_cast<std::uint8_t>(306));
    EXPECT_EQ(image.Stored().size(), 207u);
    image.Block2()[0] = 0xEE;
    EXPECT_EQ(image.MapCell(0, 0), 0xEE);
}

TEST(ParamImage, UnlistedBytesAreNotFieldBytes) {
    const std::vector<std::size_t> unlisted = {1,  14, 18, 19, 29, 61, 62,
                                               63, 64, 65, 66, 67, 68, 69};
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool expectUnlisted =
            i >= kReservedOffset ||
            std::find(unlisted.begin(), unlisted.end(), i) != unlisted.end();
        EXPECT_EQ(IsFieldByte(i), !expectUnlisted) << i;
    }
}

TEST(Conversions, StoredFromShownAtRangeEnds) {
    struct Case {
        const char* what;
        Conversion conversion;
        int shown;
        std::uint8_t stored;
    };
    const Case cases[] = {
        {"tps100 low", conv::kTps100Voltage, 2500, 0},
        {"tps100 high", conv::kTps100Voltage, 4750, 225},
        {"tps100 5000 mV", conv::kTps100Voltage, 5000, 250},
        {"tps0 low", conv::kTps0Voltage, 250, 25},
        {"tps0 high", conv::kTps0Voltage, 2500, 250},
        {"tacho -60", conv::kTachoCorrection, -60, 40},
        {"tacho 0", conv::kTachoCorrection, 0, 100},
        {"tacho +60", conv::kTachoCorrection, 60, 160},
        {"limiter truncates", conv::kRpm, 15050, 150},
        {"limiter low end", conv::kRpm, 999, 9},
        {"limiter high end", conv::kRpm, 25000, 250},
        {"axis first low end", conv::kRpm, 199, 1},
        {"hysteresis high", conv::kServoHysteresis, 1275, 255},
        {"servo voltage", conv::kServoVoltage, 5000, 250},
        {"servo voltage truncates", conv::kServoVoltage, 39, 1},
        {"clutch", conv::kClutchTime, 2500, 250},
    };
    for (const Case& c : cases) EXPECT_EQ(c.conversion.Store(c.shown), c.stored) << c.what;
}

TEST(Conversions, ShownFromStored) {
    EXPECT_EQ(conv::kTps100Voltage.Show(0), 2500);
    EXPECT_EQ(conv::kTps100Voltage.Show(225), 4750);
    EXPECT_EQ(conv::kTachoCorrection.Show(40), -60);
    EXPECT_EQ(conv::kTachoCorrection.Show(160), 60);
    EXPECT_EQ(conv::kRpm.Show(150), 15000);
    EXPECT_EQ(conv::kServoHysteresis.Show(255), 1275);
    EXPECT_EQ(conv::kServoVoltage.Show(250), 5000);
}

TEST(Conversions, Tps100MatchesBothFormsOverItsRange) {
    for (int mv = 2500; mv <= 4750; mv += 10) {
        EXPECT_EQ(conv::kTps100Voltage.Store(mv), static_cast<std::uint8_t>(mv / 10 + 6)) << mv;
        EXPECT_EQ(conv::kTps100Voltage.Show(conv::kTps100Voltage.Store(mv)), mv);
    }
}

TEST(Conversions, LobeMultiplierListIndex) {
    const std::uint8_t storedOfIndex[] = {1, 2, 3, 4, 0};
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(conv::LobeMultiplierFromListIndex(index), storedOfIndex[index]);
        EXPECT_EQ(conv::ListIndexFromLobeMultiplier(storedOfIndex[index]), index);
    }
}

}  // namespace
}  // namespace orvell
