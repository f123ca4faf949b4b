// The window always opens where the user can reach it.
#include "app/window_fit.h"

#include <gtest/gtest.h>

#include <vector>

#include "shell_fixture.h"

namespace orvell {
namespace {

struct FitCase {
    const char* name;
    WindowBounds wanted;
    std::vector<ScreenArea> screens;
    WindowBounds expected;
};

TEST(WindowFit, KeepsTheWindowOnAScreenAndWithinIt) {
    const ScreenArea laptop{0, 0, 1366, 768};
    const ScreenArea panelled{0, 27, 1280, 773};  // a panel along the top
    const ScreenArea fullHd{0, 0, 1920, 1080};
    const ScreenArea scaled{0, 0, 910, 512};  // 1366 x 768 at a scale of 1.5
    const FitCase cases[] = {
        {"design size centred on a laptop", {180, -33, 1005, 834}, {laptop}, {180, 0, 1005, 768}},
        {"under a top panel", {137, -7, 1005, 834}, {panelled}, {137, 27, 1005, 773}},
        {"fits a large screen unchanged", {457, 123, 1005, 834}, {fullHd}, {457, 123, 1005, 834}},
        {"scaled desktop", {-47, -161, 1005, 834}, {scaled}, {0, 0, 910, 512}},
        {"saved on a screen that is gone", {2500, 300, 1005, 834}, {fullHd}, {457, 123, 1005, 834}},
        {"nonsense from the settings", {2147483647, 0, 99999, 99999}, {laptop}, {0, 0, 1366, 768}},
        {"second screen keeps its window",
         {2000, 100, 1005, 834},
         {fullHd, ScreenArea{1920, 0, 1920, 1080}},
         {2000, 100, 1005, 834}},
        {"sticking out on the right is moved in",
         {900, 100, 1005, 600},
         {laptop},
         {361, 100, 1005, 600}},
        {"no screen known", {5, 6, 7, 8}, {}, {5, 6, 7, 8}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowBounds fitted = FitWindowToScreens(c.wanted, c.screens);
        EXPECT_EQ(fitted, c.expected)
            << fitted.left << "," << fitted.top << " " << fitted.width << "x" << fitted.height;
    }
}

using WindowFitShellTest = testing::ShellTest;

TEST_F(WindowFitShellTest, TheWindowStartsWithinALaptopScreen) {
    platform.screen = {1366, 768};
    // Saved on a second screen that is no longer there, with a nonsense height.
    WriteSettingsFile("Left=2500\r\nTop=300\r\nWidth=1005\r\nHeight=99999\r\n");
    Start();
    const Window& form = w().FormHlav;
    EXPECT_EQ(form.Left(), (1366 - 1005) / 2);
    EXPECT_EQ(form.Top(), 0);
    EXPECT_EQ(form.Width(), 1005);
    EXPECT_EQ(form.Height(), 768);
}

}  // namespace
}  // namespace orvell
