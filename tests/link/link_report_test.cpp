// The link tells what happened as data, in the order it happened, and a report handler that runs
// the tick again (a message box does) does not disturb that order.
#include "link/link_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "link_fakes.h"

namespace orvell {
namespace {

std::string Describe(const PortOpening& r) {
    return "port opening COM" + std::to_string(r.com);
}
std::string Describe(const PortChosen& r) {
    return "port chosen " + std::to_string(r.choice);
}
std::string Describe(const UnitSilence& r) {
    return r.silent ? "silent" : "heard";
}
std::string Describe(const MessageForUser& r) {
    return "message: " + r.text.substr(0, r.text.find('\n'));
}
std::string Describe(const StatusShown& r) {
    return "status: " + r.text;
}
std::string Describe(const StatusChanged& r) {
    return "status text: " + r.text;
}
std::string Describe(const StatusCountdownSet& r) {
    return "countdown " + std::to_string(r.ticks);
}
std::string Describe(const TransferStarted& r) {
    return "started: " + r.text;
}
std::string Describe(const TransferSucceeded& r) {
    return "succeeded: " + r.message;
}
std::string Describe(const TransferFailed& r) {
    return "failed: " + r.message;
}
std::string Describe(const MonitorFrameDecoded&) {
    return "monitoring frame";
}
std::string Describe(const UnitInfoArrived& r) {
    return "unit info: " + r.texts.programId + " version " + std::to_string(r.version) +
           (r.readGoesOn ? ", the read goes on" : "");
}
std::string Describe(const ReadCompleted&) {
    return "read completed";
}

// A link on an in-process line to a simulated unit whose reports are taken raw after every step.
// Progress is left out of `seen`. The link starts out counting the unit as silent, so the first
// tick says so, and the first answer that counts says the unit is heard again.
struct ReportBench {
    explicit ReportBench(sim::UnitOptions options) : unit(options), line(unit) {
        link.OpenPort();
        Take();
        seen.clear();
    }
    void Take() {
        link.Reports().Take([this](const auto& report) { Record(report); });
    }
    void Tick() {
        line.DeliverTick();
        link.PollReceive();
        Take();
        link.TransferTick();
        Take();
        link.WatchdogTick();
        Take();
    }
    void RunTransfer() {
        for (int i = 0; i < 200; ++i) {
            Tick();
            if (link.GetTransfer().Mode() == TransferMode::Idle) return;
        }
    }

    void Record(const ProgressChanged&) {}
    void Record(const MonitorFrameDecoded& r) {
        readout = r.readout;
        seen.push_back(Describe(r));
    }
    void Record(const ReadCompleted& r) {
        read = r;
        seen.push_back(Describe(r));
    }
    template <class Report>
    void Record(const Report& r) {
        seen.push_back(Describe(r));
    }

    sim::SimulatedUnit unit;
    testing::UnitLine line;
    ParamImage image = testing::PatternImage(11);
    MessageTexts texts = MessagesFor(kEnglish);
    DeviceLink link{line, image, texts};
    std::vector<std::string> seen;
    const MonitorReadout* readout = nullptr;
    std::optional<ReadCompleted> read;
};

TEST(LinkReport, EachTransferAndFrameIsReportedInOrder) {
    struct Case {
        const char* name;
        // A function rather than the options themselves: GCC 12 at -O3 takes a table of them
        // for uninitialized strings.
        sim::UnitOptions (*unit)();
        std::function<void(ReportBench&)> act;
        std::vector<std::string> expected;
        std::function<void(const ReportBench&)> check;
    };
    const Case cases[] = {
        {"Program, verified",
         [] { return sim::UnitOptions{}; },
         [](ReportBench& b) {
             b.link.StartProgram();
             b.RunTransfer();
         },
         {"started: Program device:", "silent", "unit info: ORV07 version 75", "heard",
          "status: Verify::", "succeeded: Verify:: OK", "status text: Program device:: OK"},
         [](const ReportBench& b) { EXPECT_TRUE(testing::BlocksEqual(b.unit, b.image, false)); }},
        {"Read, completed and verified",
         [] { return sim::UnitOptions{}; },
         [](ReportBench& b) {
             b.link.StartRead();
             b.RunTransfer();
         },
         {"started: Read:", "silent", "unit info: ORV07 version 75, the read goes on", "heard",
          "read completed", "status: Verify::", "succeeded: Verify:: OK"},
         [](const ReportBench& b) {
             ASSERT_TRUE(b.read);
             EXPECT_TRUE(
                 std::equal(b.read->block1.begin(), b.read->block1.end(), b.unit.Block(1).begin()));
             EXPECT_TRUE(
                 std::equal(b.read->block2.begin(), b.read->block2.end(), b.unit.Block(2).begin()));
             EXPECT_TRUE(testing::BlocksEqual(b.unit, b.image, false));
         }},
        {"Verify against a silent unit",
         testing::SilentUnit,
         [](ReportBench& b) {
             b.link.StartVerify();
             b.RunTransfer();
         },
         {"started: Verify:", "silent", "failed: Verify error!"},
         nullptr},
        {"Program against a unit of another version",
         [] { return testing::UnitOfVersion(74); },
         [](ReportBench& b) {
             b.link.StartProgram();
             b.RunTransfer();
         },
         // The unit is heard with the first block 0; its information comes with the second,
         // which agrees.
         {"started: Program device:", "silent", "heard", "unit info: ORV07 version 74",
          "message: Unmatched version of PC and Ignition programs!  PC-75, IGN-74", "countdown 0"},
         nullptr},
        {"Monitoring while idle",
         [] { return sim::UnitOptions{}; },
         [](ReportBench& b) {
             for (int i = 0; i < 8; ++i) b.Tick();
         },
         {"silent", "monitoring frame", "heard"},
         [](const ReportBench& b) {
             EXPECT_EQ(b.readout, &b.link.Readout());
             EXPECT_EQ(b.link.Readout().engineSpeed.text.rfind("RPM = ", 0), 0u);
         }},
        {"A chosen port that does not open",
         [] { return sim::UnitOptions{}; },
         [](ReportBench& b) {
             b.line.present = {"/dev/ttyUSB0"};
             b.link.ChoosePort(4);
             b.Take();
         },
         {"port opening COM5", "message: Com opening error!", "port chosen 4"},
         nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportBench b(c.unit());
        c.act(b);
        EXPECT_EQ(b.seen, c.expected);
        if (c.check) c.check(b);
    }
}

// A message box keeps the tick running, and that tick takes its own reports while the box's
// report is being handled. Its reports come before those still waiting, and a handler may add
// more reports than the queue has room for without losing the one it is handling.
struct NestingHandler {
    LinkReports& reports;
    std::vector<std::string>& order;

    void operator()(const MessageForUser& m) {
        order.push_back(Describe(m));
        if (m.text != "box") return;
        for (int i = 0; i < 2 * static_cast<int>(LinkReports::kReserved); ++i) {
            reports.Add<ProgressChanged>(i, 1000);
        }
        reports.Add<StatusShown>("tick behind the box");
        reports.Take(*this);
        reports.Add<StatusChanged>("after the box");  // taken by the outer call
        order.push_back("closed: " + m.text);
    }
    void operator()(const ProgressChanged&) {}
    template <class Report>
    void operator()(const Report& r) {
        order.push_back(Describe(r));
    }
};

TEST(LinkReport, ReportsAddedWhileOneIsHandledKeepTheOrderOfEvents) {
    LinkReports reports;
    std::vector<std::string> order;
    NestingHandler handler{reports, order};
    reports.Add<MessageForUser>("box");
    reports.Add<StatusCountdownSet>(0);
    reports.Take(handler);
    EXPECT_EQ(order, (std::vector<std::string>{"message: box", "status: tick behind the box",
                                               "closed: box", "countdown 0",
                                               "status text: after the box"}));
    order.clear();
    reports.Take(handler);
    EXPECT_TRUE(order.empty()) << "every report is handed out once";
}

}  // namespace
}  // namespace orvell
