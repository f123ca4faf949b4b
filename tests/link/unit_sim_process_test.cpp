// The simulator program itself, started as a process: the tool's link programs a parameter set
// into it, and the set is in its store file afterwards.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "link/posix_serial_port.h"
#include "link_fakes.h"

extern char** environ;

namespace orvell {
namespace {

using Clock = std::chrono::steady_clock;

TEST(UnitSimProcess, ProgramEndsVerifiedAndLandsInTheStore) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("orvell-sim-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string linkPath = dir / "unit";
    const std::string storePath = dir / "store.txt";

    std::vector<std::string> args = {ORVELL_UNIT_SIM, "--link", linkPath, "--store", storePath};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);

    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(linkPath) && Clock::now() < deadline) ::poll(nullptr, 0, 5);

    testing::CountingPort port;
    ParamImage image = testing::PatternImage(31);
    const MessageTexts texts = MessagesFor(kEnglish);
    DeviceLink link(port, image, texts);
    testing::FakeWindow view(link.Reports(), link.GetTransfer());
    link.SetPortOverrides({{1, linkPath}});
    ::unsetenv("ORVELL_COM1");
    link.OpenPort();
    view.Take();
    EXPECT_TRUE(view.messages.empty());

    view.MenuProgramClick();
    std::uint64_t answered = 0;
    for (int tick = 0; tick < 60 && !view.SawStatus("Verify:: OK"); ++tick) {
        link.PollReceive();
        view.Take();
        link.TransferTick();
        view.Take();
        link.WatchdogTick();
        view.Take();
        // A paced answer takes about 18 ms; wait for it when a request left, but never long.
        const auto until = Clock::now() + std::chrono::milliseconds(500);
        while (port.writes > answered && port.QueuedBytes() < kFrameSize && Clock::now() < until) {
            ::poll(nullptr, 0, 2);
        }
        answered = port.writes;
    }
    EXPECT_TRUE(view.SawStatus("Verify:: OK"));
    link.ClosePort();

    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_FALSE(std::filesystem::exists(linkPath)) << "the symlink is removed on exit";

    sim::SimulatedUnit restarted;
    std::string error;
    ASSERT_TRUE(restarted.Load(storePath, &error)) << error;
    EXPECT_TRUE(testing::BlocksEqual(restarted, image, false));
    EXPECT_EQ(restarted.ProgramCount(), 1);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orvell
