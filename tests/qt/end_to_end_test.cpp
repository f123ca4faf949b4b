// The program as a user runs it: the real window on its 55 ms timer, the real serial port, and
// the simulator program on a pseudo-terminal as COM1. Program, Verify and Read are started by
// key, button and menu, and each ends with its status on the line.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "qt_fixture.h"

extern char** environ;

namespace orvell {
namespace {

// The simulator process; stopped and waited for at the end.
class SimulatorProcess {
  public:
    explicit SimulatorProcess(const std::filesystem::path& link) {
        std::vector<std::string> args = {ORVELL_UNIT_SIM, "--link", link.string()};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
    }
    ~SimulatorProcess() {
        if (pid_ == 0) return;
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    bool Started() const { return pid_ != 0; }

  private:
    pid_t pid_ = 0;
};

// Runs the event loop until `done` or the time is up; generous, as a loaded machine stretches
// the ticks.
template <class Done>
bool RunUntil(Done done, int ms = 60000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(EndToEnd, ProgramVerifyAndReadAgainstTheSimulatorProcess) {
    EnsureApplication();
    ForgetPortOverrides();
    testing::TempFolder folder;
    const auto link = folder / "unit";
    SimulatorProcess simulator(link);
    ASSERT_TRUE(simulator.Started());
    ASSERT_TRUE(RunUntil([&] { return std::filesystem::exists(link); }, 10000));
    ::setenv("ORVELL_COM1", link.c_str(), 1);

    // A box would wait for a click that never comes: note its text and close it.
    std::vector<std::string> boxes;
    QTimer boxCloser;
    QObject::connect(&boxCloser, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes.push_back(box->text().toStdString());
            box->reject();
        }
    });
    boxCloser.start(200);

    Front front(FormOptions{folder / "settings", {}, nullptr});
    front.Show();
    MainWindow& window = *front.window;
    WindowModel& w = front.form.window;
    auto* status = qobject_cast<QLabel*>(window.Bindings().WidgetOf(w.LabelHlaseni));
    auto* limiter = qobject_cast<QLineEdit*>(window.Bindings().WidgetOf(w.EditOmez2));
    ASSERT_NE(status, nullptr);
    ASSERT_NE(limiter, nullptr);
    const auto idle = [&] { return front.form.Link().GetTransfer().Mode() == TransferMode::Idle; };
    const auto runTransfer = [&] {
        return RunUntil([&] { return !idle(); }, 5000) && RunUntil(idle);
    };

    ASSERT_TRUE(RunUntil([&] { return !w.LabelSpojeni.Visible(); })) << "the unit was not found";

    limiter->setFocus();
    limiter->selectAll();
    QTest::keyClicks(limiter, QStringLiteral("12500"));
    QTest::keyClick(limiter, Qt::Key_Return);
    QTest::keyClick(&window, Qt::Key_F9);
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(status->text(), QStringLiteral("Program device:: OK"));

    QTest::mouseClick(window.Bindings().WidgetOf(w.BitBtnVerify), Qt::LeftButton);
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(status->text(), QStringLiteral("Verify:: OK"));

    // What the unit holds comes back over what was typed since.
    limiter->setFocus();
    limiter->selectAll();
    QTest::keyClicks(limiter, QStringLiteral("9000"));
    QTest::keyClick(limiter, Qt::Key_Return);
    EXPECT_EQ(front.form.image.LimiterSpeed(), 90);
    window.Bindings().ActionOf(w.MenuRead)->trigger();
    ASSERT_TRUE(runTransfer());
    EXPECT_EQ(status->text(), QStringLiteral("Verify:: OK"));
    EXPECT_EQ(limiter->text(), QStringLiteral("12,500"));
    EXPECT_TRUE(boxes.empty()) << boxes.front();

    window.close();
    ::unsetenv("ORVELL_COM1");
}

}  // namespace
}  // namespace orvell

namespace orvell {
namespace {

// A logout or `kill` ends the program through its closing steps: the settings are written.
TEST(EndToEnd, ATerminatedProgramStillWritesItsSettings) {
    ForgetPortOverrides();
    testing::TempFolder folder;
    const auto link = folder / "unit";
    SimulatorProcess simulator(link);
    ASSERT_TRUE(simulator.Started());
    for (int i = 0; i < 200 && !std::filesystem::exists(link); ++i) ::usleep(50000);
    ASSERT_TRUE(std::filesystem::exists(link));

    const std::string com1 = "ORVELL_COM1=" + link.string();
    const std::string config = "XDG_CONFIG_HOME=" + (folder / "config").string();
    // The toolkit's process-long caches are no leak of ours; a sanitizer build would say so.
    std::vector<std::string> env = {com1, config, "QT_QPA_PLATFORM=offscreen",
                                    "ASAN_OPTIONS=detect_leaks=0"};
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (!entry.starts_with("ORVELL_COM") && !entry.starts_with("XDG_CONFIG_HOME=") &&
            !entry.starts_with("QT_QPA_PLATFORM=") && !entry.starts_with("ASAN_OPTIONS=")) {
            env.push_back(entry);
        }
    }
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string program = ORVELL_PROGRAM;
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(::posix_spawn(&pid, argv[0], nullptr, nullptr, argv, envp.data()), 0);
    const auto settings = folder / "config/orvell" / kSettingsFileName;
    // Running: the folder exists once the program started; give the window time to come up.
    for (int i = 0; i < 200 && !std::filesystem::exists(settings.parent_path()); ++i) {
        ::usleep(50000);
    }
    ::usleep(1500000);
    ASSERT_FALSE(std::filesystem::exists(settings));
    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(std::filesystem::exists(settings));
}

}  // namespace
}  // namespace orvell
