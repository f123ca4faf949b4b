// orvell-cli's commands against the simulated unit on an in-process line, and on files.
#include "tools/cli/cli.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "core/param_file.h"
#include "link/live_log.h"
#include "link_fakes.h"
#include "temp_folder.h"

extern char** environ;

namespace orvell {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// One simulated unit on its line, driven by the command's own ticks.
struct Bench {
    explicit Bench(sim::UnitOptions options = {}) : unit(options), line(unit) {
        env.port = &line;
        env.waitTick = [this] { line.DeliverTick(); };
    }
    Outcome Run(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::Run(args, out, err, env);
        return {status, out.str(), err.str()};
    }
    sim::SimulatedUnit unit;
    testing::UnitLine line;
    cli::Environment env;
};

std::string Path(const testing::TempFolder& folder, const char* name) {
    return (folder.Path() / name).string();
}

// A consistent set with one change from the start-up set, as a file.
std::string WriteSet(const testing::TempFolder& folder, const char* name, int baseAdvance,
                     int cell = -1) {
    ParamImage image;
    ApplyStartupSet(image);
    image.SetBaseAdvance(static_cast<std::uint8_t>(baseAdvance));
    if (cell >= 0) image.MapCell(cell / 10, cell % 10) = 44;
    ConsistencyRules().ApplyConsistencyRules(image);
    const std::string path = Path(folder, name);
    EXPECT_TRUE(WriteParameterFile(path, image));
    return path;
}

TEST(Cli, ReadThenProgramIntoAnotherUnitGivesTheSameSet) {
    testing::TempFolder folder;
    Bench first;
    const std::string tuned = WriteSet(folder, "tuned.ign", 12, 57);
    EXPECT_EQ(first.Run({"program", tuned}).status, cli::kExitOk);
    const std::string read = Path(folder, "read.ign");
    const Outcome r = first.Run({"read", read});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err;

    Bench second;
    EXPECT_EQ(second.Run({"verify", read}).status, cli::kExitDifferent);
    EXPECT_EQ(second.Run({"program", read}).status, cli::kExitOk);
    EXPECT_EQ(second.Run({"verify", read}).status, cli::kExitOk);
    for (int block : {1, 2}) {
        const auto a = first.unit.Block(block);
        const auto b = second.unit.Block(block);
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin())) << "block " << block;
    }
}

TEST(Cli, LinkFailuresAreErrorsWithOneClearLine) {
    testing::TempFolder folder;
    const std::string set = WriteSet(folder, "set.ign", 10);
    enum class Unit { Healthy, Silent, Older };
    struct Case {
        const char* name;
        Unit unit;
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {"silent unit", Unit::Silent, {"verify", set}, "no answer from the unit"},
        {"other version", Unit::Older, {"program", set}, "Unmatched version"},
        {"other version, info", Unit::Older, {"info"}, "Unmatched version"},
        {"missing file", Unit::Healthy, {"program", Path(folder, "none.ign")}, "cannot open"},
        {"usage", Unit::Healthy, {"program"}, "needs one file"},
        {"silent unit, log", Unit::Silent, {"log", Path(folder, "run.csv")},
         "no answer from the unit"},
        {"log without a file", Unit::Healthy, {"log"}, "log needs one file"},
        {"log for no time", Unit::Healthy, {"log", Path(folder, "run.csv"), "--seconds", "0"},
         "--seconds"},
        {"log into no folder", Unit::Healthy, {"log", Path(folder, "none/run.csv")},
         "cannot create"},
    };
    for (const Case& c : cases) {
        sim::UnitOptions options;
        options.silent = c.unit == Unit::Silent;
        if (c.unit == Unit::Older) options.version = 74;
        Bench bench(options);
        const Outcome o = bench.Run(c.args);
        EXPECT_EQ(o.status, cli::kExitError) << c.name;
        EXPECT_NE(o.err.find(c.says), std::string::npos) << c.name << ": " << o.err;
    }
    Bench absent;
    absent.line.present = {"/dev/somewhere-else"};
    const Outcome o = absent.Run({"--port", "/dev/ttyUSB7", "info"});
    EXPECT_EQ(o.status, cli::kExitError);
    EXPECT_NE(o.err.find("Com opening error!"), std::string::npos) << o.err;
    EXPECT_EQ(absent.line.openedPaths.back(), "/dev/ttyUSB7");
}

// An echo of the programmed set damaged in a way the check byte cannot see (the same bit in two
// bytes), on every answer, must never end in success, whichever bytes it hits.
TEST(Cli, ADamagedEchoNeverGivesSuccess) {
    testing::TempFolder folder;
    const std::string set = WriteSet(folder, "set.ign", 14);
    for (const std::size_t at : {std::size_t{5}, std::size_t{40}, std::size_t{80}}) {
        Bench bench;
        bench.line.tamper = [at](const Frame&, Frame& answer) {
            const int block = answer[0] & command::kBlockMask;
            if (block != 1 && block != 2) return;  // only answers about parameter blocks
            answer[at] ^= 0x10;
            answer[at + 1] ^= 0x10;
        };
        EXPECT_NE(bench.Run({"program", set}).status, cli::kExitOk) << at;
    }
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::size_t CountEnding(const std::vector<std::string>& names, std::string_view end) {
    return static_cast<std::size_t>(std::count_if(names.begin(), names.end(), [&](const auto& n) {
        return n.size() >= end.size() && n.compare(n.size() - end.size(), end.size(), end) == 0;
    }));
}

TEST(Cli, CompletedReadsAndVerifiedProgramsLeaveBackups) {
    testing::TempFolder folder;
    const std::filesystem::path backups = folder / "backups";
    const std::string tuned = WriteSet(folder, "tuned.ign", 12, 57);
    Bench bench;
    bench.env.backupFolder = backups;
    ASSERT_EQ(bench.Run({"program", tuned}).status, cli::kExitOk);
    ASSERT_EQ(bench.Run({"read", Path(folder, "read.ign")}).status, cli::kExitOk);
    EXPECT_EQ(bench.Run({"verify", tuned}).status, cli::kExitOk);
    EXPECT_EQ(bench.Run({"--no-backup", "read", Path(folder, "again.ign")}).status, cli::kExitOk);
    auto names = FilesIn(backups);
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(CountEnding(names, "_programmed_ORV07.ign"), 1u);
    EXPECT_EQ(CountEnding(names, "_read_ORV07.ign"), 1u);
    for (const std::string& name : names) {
        EXPECT_EQ(bench.Run({"diff", tuned, (backups / name).string()}).status, cli::kExitOk)
            << name;
    }

    sim::UnitOptions quiet;
    quiet.silent = true;
    Bench silent(quiet);
    silent.env.backupFolder = backups;
    EXPECT_EQ(silent.Run({"program", tuned}).status, cli::kExitError);
    EXPECT_EQ(FilesIn(backups).size(), 2u) << "a failed program keeps no backup";

    // A backup that cannot be written is told; the read itself succeeded.
    Bench blocked;
    blocked.env.backupFolder = folder / "tuned.ign" / "backups";
    const Outcome o = blocked.Run({"read", Path(folder, "third.ign")});
    EXPECT_EQ(o.status, cli::kExitOk);
    EXPECT_NE(o.err.find("backup could not be written"), std::string::npos) << o.err;
    EXPECT_TRUE(std::filesystem::exists(Path(folder, "third.ign")));
}

TEST(Cli, ShowAndDiffOnFiles) {
    testing::TempFolder folder;
    const std::string a = WriteSet(folder, "a.ign", 10);
    const std::string b = WriteSet(folder, "b.ign", 12, 57);
    Bench bench;
    const Outcome shown = bench.Run({"show", a});
    EXPECT_EQ(shown.status, cli::kExitOk);
    EXPECT_NE(shown.out.find("Base advance [°]: 10"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("  TPS \\ rpm"), std::string::npos);
    const Outcome json = bench.Run({"show", "--json", b});
    EXPECT_NE(json.out.find("\"key\": \"base_advance\", \"name\": \"Base advance\", \"unit\": "
                            "\"°\", \"values\": [12]"),
              std::string::npos)
        << json.out;

    struct Case {
        std::string left, right;
        int status;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {a, a, cli::kExitOk, {}},
        {a,
         b,
         cli::kExitDifferent,
         {"Base advance [°]: 10 -> 12",
          "Advance map, throttle 30% (row 6), column 8 [°]: 32 -> 44"}},
    };
    for (const Case& c : cases) {
        const Outcome o = bench.Run({"diff", c.left, c.right});
        EXPECT_EQ(o.status, c.status);
        std::string expected;
        for (const std::string& line : c.lines) expected += line + "\n";
        EXPECT_EQ(o.out, expected);
    }
    { std::ofstream(Path(folder, "picture.ign")) << "\x89PNG\r\n"; }
    const Outcome notASet = bench.Run({"diff", a, Path(folder, "picture.ign")});
    EXPECT_EQ(notASet.status, cli::kExitError);
    EXPECT_NE(notASet.err.find("holds no parameter set"), std::string::npos) << notASet.err;
}

// The programs themselves over a pseudo-terminal, at the real pace: what a script sees.
std::vector<std::string> Lines(const std::string& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::int64_t Time(const std::string& row) {
    return std::stoll(row.substr(0, row.find(',')));
}

TEST(Cli, LogWritesOneRowPerFrameForItsTimeAndNoneWhileTheUnitIsSilent) {
    testing::TempFolder folder;
    const std::string file = Path(folder, "run.csv");
    Bench bench;
    int ticks = 0;
    int monitorAnswers = 0;
    bench.line.tamper = [&](const Frame&, Frame& answer) {
        if (answer[0] == command::kMonitorAnswer) ++monitorAnswers;
    };
    bench.env.waitTick = [&] {
        // The unit's set is read first (a few dozen ticks); then it goes quiet for a while.
        ++ticks;
        if (ticks == 100) bench.unit.Options().silent = true;
        if (ticks == 150) bench.unit.Options().silent = false;
        bench.line.DeliverTick();
    };
    const Outcome o = bench.Run({"log", file, "--seconds", "20"});
    ASSERT_EQ(o.status, cli::kExitOk) << o.err;
    EXPECT_NE(o.err.find("stopped answering"), std::string::npos) << o.err;
    EXPECT_NE(o.err.find("answers again"), std::string::npos) << o.err;

    const std::vector<std::string> lines = Lines(file);
    ASSERT_GT(lines.size(), 30u);  // about three frames a second
    EXPECT_EQ(lines[0] + "\n", LiveLogHeader());
    EXPECT_NE(o.out.find(std::to_string(lines.size() - 1) + " rows in " + file), std::string::npos);
    // Every monitoring answer the unit gave became one row, save the one still on the line at
    // the end; the silence shows as a gap in time.
    EXPECT_LE(static_cast<int>(lines.size()) - 1, monitorAnswers);
    EXPECT_GE(static_cast<int>(lines.size()) - 1, monitorAnswers - 1);
    std::int64_t longestGap = 0;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 16) << lines[i];
        longestGap = std::max(longestGap, Time(lines[i]) - Time(lines[i - 1]));
    }
    EXPECT_GE(longestGap, 50 * 55);
    EXPECT_LT(Time(lines.back()), 20'000);
}

TEST(Cli, AnInterruptedLogEndsWithItsFileComplete) {
    testing::TempFolder folder;
    const std::string file = Path(folder, "run.csv");
    Bench bench;
    int ticks = 0;
    bool caught = false;
    bench.env.waitTick = [&] {
        ++ticks;
        bench.line.DeliverTick();
    };
    bench.env.catchInterrupt = [&] { caught = true; };
    bench.env.interrupted = [&] { return ticks >= 200; };
    const Outcome o = bench.Run({"log", file});
    EXPECT_EQ(o.status, cli::kExitOk) << o.err;
    EXPECT_TRUE(caught);
    const std::vector<std::string> lines = Lines(file);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_EQ(std::count(lines.back().begin(), lines.back().end(), ','), 16);
}

TEST(CliProcess, ReadsAndVerifiesTheSimulatorOverAPty) {
    testing::TempFolder folder;
    const std::string link = Path(folder, "unit");
    std::vector<std::string> args = {ORVELL_UNIT_SIM, "--link", link};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t sim = 0;
    ASSERT_EQ(::posix_spawn(&sim, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    for (int i = 0; i < 1000 && !std::filesystem::exists(link); ++i) ::poll(nullptr, 0, 5);

    const std::string file = Path(folder, "read.ign");
    const auto run = [&](const std::string& command) {
        // Backups go to the test's folder, not the user's.
        const int status =
            std::system(("XDG_DATA_HOME=" + folder.Path().string() + " " + ORVELL_CLI + " --port " +
                         link + " " + command + " 2>/dev/null")
                            .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("read " + file), cli::kExitOk);
    EXPECT_EQ(run("verify " + file), cli::kExitOk);
    EXPECT_EQ(run("verify " + WriteSet(folder, "other.ign", 17)), cli::kExitDifferent);
    EXPECT_EQ(CountEnding(FilesIn(folder / "orvell" / "backups"), ".ign"), 1u);

    // Ctrl+C ends a log without a time limit with every row in the file.
    const std::string log = Path(folder, "run.csv");
    std::vector<std::string> logArgs = {ORVELL_CLI, "--port", link, "log", log};
    std::vector<char*> logArgv;
    for (auto& a : logArgs) logArgv.push_back(a.data());
    logArgv.push_back(nullptr);
    pid_t cli = 0;
    ASSERT_EQ(::posix_spawn(&cli, logArgv[0], nullptr, nullptr, logArgv.data(), environ), 0);
    for (int i = 0; i < 1000 && Lines(log).size() < 5; ++i) ::poll(nullptr, 0, 10);
    ::kill(cli, SIGINT);
    int status = 0;
    ::waitpid(cli, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), cli::kExitOk);
    const std::vector<std::string> lines = Lines(log);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(std::count(lines.back().begin(), lines.back().end(), ','), 16);

    ::kill(sim, SIGTERM);
    ::waitpid(sim, nullptr, 0);
}

}  // namespace
}  // namespace orvell
