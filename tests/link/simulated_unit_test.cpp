#include "simulated_unit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "link/monitor.h"
#include "link_fakes.h"

namespace orvell::sim {
namespace {

TEST(SimulatedUnit, AnswersBlock0WithVersionAndProgramText) {
    UnitOptions options;
    options.version = 74;
    options.programText = "Track day";
    SimulatedUnit unit(options);
    for (const std::uint8_t cmd : {0x00, 0x40}) {
        const auto answer = unit.Answer(MakeFrame(cmd));
        ASSERT_TRUE(answer);
        EXPECT_EQ((*answer)[0], cmd | 0x80);
        EXPECT_TRUE(HasValidCheckByte(*answer));
        const auto info = DecodeUnitInfo(Payload(*answer));
        EXPECT_EQ(Payload(*answer)[kUnitVersionByte], 74);
        EXPECT_EQ(info.programId, "Track day");
        EXPECT_EQ(info.programDate, "11.12.2026");
        EXPECT_EQ(info.programTime, "08:30");
    }
}

TEST(SimulatedUnit, ProgramStoresEchoesCountsAndSaves) {
    SimulatedUnit unit;
    const ParamImage image = testing::PatternImage(3);
    for (const std::uint8_t block : {1, 2}) {
        const auto data = block == 1 ? image.Block1() : image.Block2();
        const auto echo = unit.Answer(MakeFrame(block, data));
        ASSERT_TRUE(echo);
        EXPECT_EQ((*echo)[0], 0x80 | block);
        EXPECT_TRUE(std::equal(data.begin(), data.end(), Payload(*echo).begin()));
        // Reads return the stored block whatever payload comes with them.
        const auto read = unit.Answer(MakeFrame(0x40 | block));
        EXPECT_TRUE(std::equal(data.begin(), data.end(), Payload(*read).begin()));
    }
    EXPECT_EQ(unit.ProgramCount(), 1);
    EXPECT_EQ(Word(unit.MonitorFrame(), monitor::kSavingCountdown), 414);
    unit.Advance(kSavingMs / 2);
    EXPECT_EQ(Word(unit.MonitorFrame(), monitor::kSavingCountdown), 207);
    unit.Advance(kSavingMs);
    EXPECT_EQ(Word(unit.MonitorFrame(), monitor::kSavingCountdown), 0);
    EXPECT_EQ(Word(unit.MonitorFrame(), monitor::kProgramCount), 1);
}

TEST(SimulatedUnit, IgnoresWhatIsNotARequest) {
    SimulatedUnit unit;
    Frame bad = MakeFrame(0x41);
    bad[kCheckByte] ^= 1;
    EXPECT_FALSE(unit.Answer(bad));
    EXPECT_FALSE(unit.Answer(MakeFrame(0x03)));
    EXPECT_FALSE(unit.Answer(MakeFrame(0xC1)));
    EXPECT_FALSE(unit.Answer(MakeFrame(0x21)));
}

TEST(SimulatedUnit, MonitoringAdvanceComesFromTheStoredMap) {
    SimulatedUnit unit;
    ParamImage image = testing::PatternImage(0);
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 10; ++c) image.MapCell(r, c) = static_cast<std::uint8_t>(r + c);
    image.MapCell(9, 9) = 40;
    image.SetChannelCount(2);
    image.SetTpsMapFlag(0);  // row 9 whatever the throttle
    unit.SetBlocks(image);
    for (int t = 0; t < 20; ++t) {
        const Frame f = unit.MonitorFrame();
        ASSERT_TRUE(HasValidCheckByte(f));
        const int advance = f[monitor::kChannelAdvance] - 100;
        EXPECT_GE(advance, 9);
        EXPECT_LE(advance, 40);
        EXPECT_EQ(f[monitor::kChannelAdvance + 1], f[monitor::kChannelAdvance]);
        EXPECT_EQ(f[monitor::kChannelAdvance + 2], 0) << "channel 3 is not in use";
        EXPECT_EQ(Word(f, monitor::kChannelMaxAdvance), 40);
        EXPECT_EQ(f[monitor::kUnitProgramVersion], 75);
        unit.Advance(900);
    }
}

TEST(SimulatedUnit, FaultsHitTheAnswerNotTheStoredBlocks) {
    UnitOptions options;
    options.corruptShare = 1.0;
    options.seed = 11;
    SimulatedUnit unit(options);
    const ParamImage image = testing::PatternImage(4);
    int kinds[4] = {};
    for (int i = 0; i < 300; ++i) {
        const auto echo = unit.Answer(MakeFrame(1, image.Block1()));
        ASSERT_TRUE(echo);
        ++kinds[static_cast<int>(unit.LastCorruption())];
        EXPECT_FALSE(
            std::equal(image.Block1().begin(), image.Block1().end(), Payload(*echo).begin()) &&
            HasValidCheckByte(*echo));
        EXPECT_EQ(HasValidCheckByte(*echo), unit.LastCorruption() == Corruption::TwinBits);
    }
    EXPECT_EQ(kinds[0], 0);
    EXPECT_GT(kinds[1], 50);
    EXPECT_GT(kinds[2], 50);
    EXPECT_GT(kinds[3], 50);
    EXPECT_TRUE(std::equal(image.Block1().begin(), image.Block1().end(), unit.Block(1).begin()));

    unit.Options().dropShare = 1.0;
    EXPECT_FALSE(unit.Answer(MakeFrame(0x30)));
}

// A request damaged on its way is acted on as it arrived. Whatever the unit makes of it, its
// answer never passes for the echo of the request that was sent.
TEST(SimulatedUnit, DamagedRequestsNeverBringTheExpectedEcho) {
    UnitOptions options;
    options.requestCorruptShare = 1.0;
    options.seed = 12;
    SimulatedUnit unit(options);
    const ParamImage image = testing::PatternImage(6);
    int kinds[4] = {};
    int answered = 0, storedOtherwise = 0;
    for (int i = 0; i < 600; ++i) {
        const std::uint8_t block = i % 2 == 0 ? 1 : 2;
        const auto data = block == 1 ? image.Block1() : image.Block2();
        const auto answer = unit.Answer(MakeFrame(block, data));
        const Corruption kind = unit.LastRequestCorruption();
        ++kinds[static_cast<int>(kind)];
        EXPECT_EQ(unit.LastCorruption(), Corruption::None);
        if (kind != Corruption::TwinBits) {
            EXPECT_FALSE(answer) << "the check byte shows it";
        }
        if (!answer) continue;
        ++answered;
        EXPECT_FALSE((*answer)[0] == (0x80 | block) &&
                     std::equal(data.begin(), data.end(), Payload(*answer).begin()));
        storedOtherwise += !std::equal(data.begin(), data.end(), unit.Block(block).begin());
    }
    EXPECT_EQ(kinds[0], 0);
    EXPECT_GT(kinds[1], 100);
    EXPECT_GT(kinds[2], 100);
    EXPECT_GT(kinds[3], 100);
    EXPECT_GT(answered, 100);
    EXPECT_GT(storedOtherwise, 0) << "a damaged write stores what arrived";
}

TEST(SimulatedUnit, StoreSurvivesARestart) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("orvell-unit-store-" + std::to_string(::getpid()) + ".txt");
    SimulatedUnit unit;
    const ParamImage image = testing::PatternImage(5);
    unit.Answer(MakeFrame(1, image.Block1()));
    unit.Answer(MakeFrame(2, image.Block2()));
    std::string error;
    ASSERT_TRUE(unit.Save(path, &error)) << error;

    SimulatedUnit restarted;
    ASSERT_TRUE(restarted.Load(path, &error)) << error;
    EXPECT_TRUE(testing::BlocksEqual(restarted, image, false));
    EXPECT_EQ(restarted.ProgramCount(), 1);
    std::filesystem::remove(path);
    EXPECT_FALSE(restarted.Load(path, &error));
}

}  // namespace
}  // namespace orvell::sim
