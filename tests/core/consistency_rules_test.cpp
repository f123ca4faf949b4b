#include "core/consistency_rules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace orvell {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<int> Axis(const ParamImage& image) {
    std::vector<int> axis;
    for (int i = 0; i < kAxisPoints; ++i) axis.push_back(image.RpmAxis(i));
    return axis;
}

void SetAxis(ParamImage& image, const std::vector<int>& axis) {
    for (int i = 0; i < kAxisPoints; ++i) image.SetRpmAxis(i, static_cast<std::uint8_t>(axis[i]));
}

// An image with the usual axis 1500..10000 rpm and a rules object that has settled on it, as
// after start-up.
class AxisRules : public ::testing::Test {
  protected:
    void SetUp() override {
        image.SetSyncMethod(1);
        image.SetLobeCount(5);
        SetAxis(image, {15, 20, 30, 40, 50, 60, 70, 80, 90, 100});
        rules.ApplyConsistencyRules(image);
    }

    // What a spinner or edit box does: the pass finds out which breakpoint moved.
    void UserSetsBreakpoint(int i, int value) {
        image.SetRpmAxis(i, static_cast<std::uint8_t>(value));
        rules.SetEditedBreakpoint(kFindChangedBreakpoint);
        rules.ApplyConsistencyRules(image);
    }

    ParamImage image;
    ConsistencyRules rules;
};

TEST_F(AxisRules, PushedNeighboursFollowBackToTheirOwnValues) {
    UserSetsBreakpoint(2, 45);
    EXPECT_EQ(rules.ActiveBreakpoint(), 2);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 45, 46, 50, 60, 70, 80, 90, 100));
    EXPECT_EQ(rules.Remembered(3), 40);

    UserSetsBreakpoint(2, 49);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 49, 50, 51, 60, 70, 80, 90, 100));
    EXPECT_EQ(rules.Remembered(3), 40);  // first push wins
    EXPECT_EQ(rules.Remembered(4), 50);

    UserSetsBreakpoint(2, 30);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 30, 40, 50, 60, 70, 80, 90, 100));
    for (int i = 0; i < kAxisPoints; ++i) EXPECT_FALSE(rules.Pushed(i)) << i;
}

TEST_F(AxisRules, DownwardChainStopsAtMinimumsAndReturns) {
    UserSetsBreakpoint(5, 5);
    EXPECT_THAT(Axis(image), ElementsAre(3, 4, 5, 6, 7, 8, 70, 80, 90, 100));

    UserSetsBreakpoint(5, 60);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 30, 40, 50, 60, 70, 80, 90, 100));
    for (int i = 0; i < kAxisPoints; ++i) EXPECT_FALSE(rules.Pushed(i)) << i;
}

TEST_F(AxisRules, ActiveBreakpointIsBoundedAtBothEnds) {
    UserSetsBreakpoint(0, 1);
    EXPECT_EQ(image.RpmAxis(0), 3);

    UserSetsBreakpoint(9, 201);
    EXPECT_EQ(image.RpmAxis(9), 199);
    EXPECT_EQ(image.RpmAxis(8), 90);
}

TEST_F(AxisRules, AnAxisAtItsTopStaysStrictlyAscending) {
    // An axis ending 19,900 and 20,000 rpm from a file, then 20,100 typed into breakpoint 10.
    image.SetRpmAxis(8, 199);
    image.SetRpmAxis(9, 200);
    rules.ResetAxisMemory();
    rules.ApplyConsistencyRules(image, nullptr);  // the pass after loading
    UserSetsBreakpoint(9, 201);
    EXPECT_EQ(image.RpmAxis(9), 199);
    EXPECT_EQ(image.RpmAxis(8), 198);
}

TEST_F(AxisRules, ADifferentBreakpointMakesEarlierPushesPermanent) {
    UserSetsBreakpoint(2, 45);  // pushes breakpoint 3 from 40 to 46
    UserSetsBreakpoint(6, 71);  // another breakpoint: memory cleared
    UserSetsBreakpoint(2, 30);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 30, 46, 50, 60, 71, 80, 90, 100));
}

TEST_F(AxisRules, SeveralChangedBreakpointsKeepTheActiveOne) {
    UserSetsBreakpoint(2, 45);
    image.SetRpmAxis(0, 10);
    UserSetsBreakpoint(1, 12);  // two bytes differ from the previous pass
    EXPECT_EQ(rules.ActiveBreakpoint(), 2);
    EXPECT_TRUE(rules.Pushed(3));
}

TEST_F(AxisRules, ReplacedImageIsNotPulledTowardTheOldMemory) {
    UserSetsBreakpoint(2, 45);  // breakpoint 3 remembered at 40
    ASSERT_TRUE(rules.Pushed(3));

    // A file with its own axis is loaded; breakpoint 3 stands at 55 there.
    SetAxis(image, {15, 20, 30, 55, 60, 70, 80, 90, 100, 110});
    rules.ResetAxisMemory();
    rules.ApplyConsistencyRules(image);
    EXPECT_THAT(Axis(image), ElementsAre(15, 20, 30, 55, 60, 70, 80, 90, 100, 110));

    // Without the reset the stale memory would have dragged it back to 40.
    ConsistencyRules stale;
    ParamImage other;
    SetAxis(other, {15, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    stale.ApplyConsistencyRules(other);
    other.SetRpmAxis(2, 45);
    stale.SetEditedBreakpoint(kFindChangedBreakpoint);
    stale.ApplyConsistencyRules(other);
    SetAxis(other, {15, 20, 30, 55, 60, 70, 80, 90, 100, 110});
    stale.ApplyConsistencyRules(other);
    EXPECT_EQ(other.RpmAxis(3), 40);
}

TEST(ConsistencyRules, ServoSpeedsBoundedAndAscending) {
    struct Case {
        int fill;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {1, {3, 4, 5, 6, 7, 8, 9, 10, 11, 12}},
        {250, {191, 192, 193, 194, 195, 196, 197, 198, 199, 200}},
        {100, {100, 101, 102, 103, 104, 105, 106, 107, 108, 109}},
    };
    for (const Case& c : cases) {
        ParamImage image;
        ConsistencyRules rules;
        for (int i = 0; i < kServoPoints; ++i)
            image.SetServoSpeed(i, static_cast<std::uint8_t>(c.fill));
        rules.ApplyConsistencyRules(image);
        std::vector<int> speeds;
        for (int i = 0; i < kServoPoints; ++i) speeds.push_back(image.ServoSpeed(i));
        EXPECT_THAT(speeds, ElementsAreArray(c.expected)) << "fill " << c.fill;
    }
}

TEST(ConsistencyRules, TpsVoltagesAndChannelCountBounded) {
    ParamImage image;
    ConsistencyRules rules;
    image.SetTps0Voltage(251);
    image.SetTps100Voltage(251);
    image.SetChannelCount(9);
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.Tps0Voltage(), 250);
    EXPECT_EQ(image.Tps100Voltage(), 250);
    EXPECT_EQ(image.ChannelCount(), 4);

    image.SetTps100Voltage(250);
    image.SetChannelCount(3);
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.Tps100Voltage(), 250);
    EXPECT_EQ(image.ChannelCount(), 3);
}

TEST(ConsistencyRules, Method0ForcesOneLobe) {
    ParamImage image;
    ConsistencyRules rules;
    image.SetSyncMethod(0);
    image.SetLobeCount(7);
    for (int c = 0; c < kChannels; ++c) {
        image.SetMaxAdvanceLobe(c, 5);
        image.SetStartAdvanceLobe(c, 5);
    }
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.LobeCount(), 1);
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(image.MaxAdvanceLobe(c), 1);
        EXPECT_EQ(image.StartAdvanceLobe(c), 1);
    }
}

TEST(ConsistencyRules, LobeNumbersLieBetweenOneAndLobeCount) {
    ParamImage image;
    ConsistencyRules rules;
    image.SetSyncMethod(2);
    image.SetLobeCount(4);
    image.SetMaxAdvanceLobe(0, 0);
    image.SetStartAdvanceLobe(1, 9);
    image.SetMaxAdvanceLobe(2, 4);
    rules.ApplyConsistencyRules(image);
    EXPECT_EQ(image.MaxAdvanceLobe(0), 1);
    EXPECT_EQ(image.StartAdvanceLobe(1), 4);
    EXPECT_EQ(image.MaxAdvanceLobe(2), 4);
    EXPECT_EQ(image.StartAdvanceLobe(3), 1);
}

TEST(ConsistencyRules, SecondPickupFlagsOnlyForMethodsThatUseThem) {
    for (int method = 0; method <= 12; ++method) {
        ParamImage image;
        ConsistencyRules rules;
        image.SetSyncMethod(static_cast<std::uint8_t>(method));
        image.SetLobeCount(4);
        for (int c = 0; c < kChannels; ++c) {
            image.SetMaxAdvance2ndPickup(c, 1);
            image.SetStartAdvance2ndPickup(c, 1);
            image.SetMaxAdvance2ndEdge(c, 1);
        }
        rules.ApplyConsistencyRules(image);
        const bool kept = method == 0 || method == 4 || method == 9;
        for (int c = 0; c < kChannels; ++c) {
            EXPECT_EQ(image.MaxAdvance2ndPickup(c), kept ? 1 : 0) << "method " << method;
            EXPECT_EQ(image.StartAdvance2ndPickup(c), kept ? 1 : 0) << "method " << method;
            EXPECT_EQ(image.MaxAdvance2ndEdge(c), 1) << "method " << method;
        }
    }
}

TEST(ConsistencyRules, WindowSettingsBounded) {
    struct Case {
        BoundedSettings in;
        BoundedSettings out;
    };
    const Case cases[] = {
        {{3, 30, 29}, {3, 30, 29}},
        {{4, 31, 30}, {0, 0, 0}},
        {{7, 32, 255}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        ParamImage image;
        ConsistencyRules rules;
        BoundedSettings s = c.in;
        rules.ApplyConsistencyRules(image, &s);
        EXPECT_EQ(s.languageIndex, c.out.languageIndex);
        EXPECT_EQ(s.portChoice, c.out.portChoice);
        EXPECT_EQ(s.autoPortNumber, c.out.autoPortNumber);
    }
}

TEST(ConsistencyRules, BytesOutsideTheRulesAreUntouched) {
    ParamImage image;
    for (std::size_t i = 0; i < kImageSize; ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const ParamImage before = image;
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    const std::vector<std::size_t> ruled = {3, 4, 20, 21};
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const bool mayChange = std::find(ruled.begin(), ruled.end(), i) != ruled.end() ||
                               (i >= 30 && i <= 37) || (i >= 46 && i <= 53) || (i >= 70 && i <= 99);
        if (!mayChange) {
            EXPECT_EQ(image[i], before[i]) << i;
        }
    }
}

}  // namespace
}  // namespace orvell
