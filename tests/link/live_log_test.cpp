// The live log's rows, from a monitoring frame through the monitor state to the CSV text, and
// the recorder's flushing and failure.
#include "link/live_log.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace orvell {
namespace {

Frame MonitorFrame(const std::function<void(Frame&)>& fill) {
    Frame f{};
    f[0] = command::kMonitorAnswer;
    f[monitor::kUnitProgramVersion] = 75;
    f[monitor::kServoInOrder] = 1;
    f[monitor::kPickupRevolutions] = f[monitor::kPickupRevolutions + 1] = 200;
    fill(f);
    SetCheckByte(f);
    return f;
}

void PutWord(Frame& f, std::size_t at, int v) {
    f[at] = static_cast<std::uint8_t>(v & 0xFF);
    f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A frame of a running engine with every reading set.
void Running(Frame& f) {
    PutWord(f, monitor::kEngineSpeed, 5230);
    PutWord(f, monitor::kSupplyVoltage, 13800);
    f[monitor::kThrottlePercent] = 45;
    PutWord(f, monitor::kThrottleReading, 430);  // 2101 mV
    f[monitor::kChannelAdvance + 0] = 130;
    f[monitor::kChannelAdvance + 1] = 95;  // 5 degrees after
    f[monitor::kChannelAdvance + 2] = 0;   // fires nothing
    f[monitor::kChannelAdvance + 3] = 100;
    f[monitor::kPickupSignal] = 1;
    f[monitor::kInputGrounded + 1] = 1;
    PutWord(f, monitor::kServoDesired, 512);   // 2502 mV
    PutWord(f, monitor::kServoMeasured, 500);  // 2443 mV
}

TEST(LiveLog, RowsCarryTheFramesNumbersAndLeaveUnknownReadingsEmpty) {
    struct Case {
        const char* name;
        std::function<void(Frame&)> frame;
        std::function<void(ParamImage&)> set;
        LivePoint point;
        std::string row;
    };
    const auto none = [](ParamImage&) {};
    const Case cases[] = {
        {"running", Running, [](ParamImage& i) { i.SetServoEnable(1); }, LivePoint{6, false, 0, 4},
         "1234,5230,13800,45,2101,30,-5,,0,1,0,0,1,2502,2443,5,7\n"},
        {"servo not in the set", Running, none, LivePoint{0, false, 0, 9},
         "1234,5230,13800,45,2101,30,-5,,0,1,0,0,1,,,10,1\n"},
        {"engine below the map", Running, none, LivePoint{0, true, 0, 9},
         "1234,5230,13800,45,2101,30,-5,,0,1,0,0,1,,,,\n"},
        {"throttle sensor in error",
         [](Frame& f) {
             Running(f);
             f[monitor::kThrottlePercent] = 130;
         },
         none, LivePoint{0, true, 0, 9}, "1234,5230,13800,,2101,30,-5,,0,1,0,0,1,,,,\n"},
        {"pick-up in error: no advance is believed",
         [](Frame& f) {
             Running(f);
             f[monitor::kPickupRevolutions] = 1;
             f[monitor::kPickupPulses] = 50;
         },
         [](ParamImage& i) {
             i.SetRevolutionsWithoutIgnition(5);
             i.SetLobeCount(1);
         },
         LivePoint{0, true, 0, 9}, "1234,5230,13800,45,2101,,,,,1,0,0,1,,,,\n"},
        {"engine stopped", [](Frame&) {}, none, LivePoint{0, true, 0, 9},
         "1234,0,0,0,0,,,,,0,0,0,0,,,,\n"},
    };
    const MessageTexts texts = MessagesFor(kEnglish);
    for (const Case& c : cases) {
        ParamImage image;
        c.set(image);
        MonitorState state;
        MonitorReadout readout;
        ASSERT_TRUE(HandleMonitorFrame(MonitorFrame(c.frame), image, texts, state, readout))
            << c.name;
        std::array<char, 256> buffer{};
        EXPECT_EQ(FormatLiveLogRow(1234, state, c.point, buffer), c.row) << c.name;
    }
}

TEST(LiveLog, HeaderNamesEveryColumnWithItsUnit) {
    const std::string header(LiveLogHeader());
    std::array<char, 256> buffer{};
    const std::string row(FormatLiveLogRow(0, MonitorState{}, LivePoint{}, buffer));
    EXPECT_EQ(std::count(header.begin(), header.end(), ','),
              std::count(row.begin(), row.end(), ','));
    EXPECT_EQ(header.substr(0, 33), "time_ms,engine_speed_rpm,battery_");
    EXPECT_EQ(header.back(), '\n');
}

// Keeps what was written and flushed; fails on request.
struct MemorySink : LogSink {
    bool Write(std::string_view text) override {
        if (failWrite) return false;
        pending += text;
        return true;
    }
    bool Flush() override {
        ++flushes;
        flushed += pending;
        pending.clear();
        return true;
    }
    std::string pending, flushed;
    int flushes = 0;
    bool failWrite = false;
};

TEST(LiveLog, FlushesOnceASecondAndStopsWhenTheSinkFails) {
    MemorySink sink;
    LiveLog log;
    ASSERT_TRUE(log.Start(sink, 10'000));
    EXPECT_EQ(sink.flushed, LiveLogHeader());  // the header is on disk at once
    MonitorState state;
    state.liveEngineSpeed = 3000;
    const LivePoint point{2, false, 0, 9};
    int flushesAtOneSecond = 0;
    for (int tick = 1; tick <= 40; ++tick) {
        ASSERT_TRUE(log.Record(10'000 + 55 * tick, state, point));
        if (tick == 18) flushesAtOneSecond = sink.flushes;  // 990 ms
    }
    EXPECT_EQ(flushesAtOneSecond, 1);
    EXPECT_EQ(sink.flushes, 3);  // at 1045 ms and 2090 ms
    EXPECT_EQ(log.Rows(), 40);
    EXPECT_TRUE(log.Stop());
    EXPECT_TRUE(sink.pending.empty());
    EXPECT_EQ(std::count(sink.flushed.begin(), sink.flushed.end(), '\n'), 41);
    EXPECT_EQ(sink.flushed.substr(LiveLogHeader().size(), 10), "55,3000,0,");

    ASSERT_TRUE(log.Start(sink, 0));
    sink.failWrite = true;
    EXPECT_FALSE(log.Record(55, state, point));
    EXPECT_FALSE(log.Recording());
    EXPECT_FALSE(log.Record(110, state, point));
}

}  // namespace
}  // namespace orvell
