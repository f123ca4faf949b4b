// The whole program without a display: the main window started in a folder of its own, the
// recording desktop, and a simulated unit on an in-process line whose answers arrive with the
// next tick.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "fake_platform.h"
#include "link_fakes.h"
#include "temp_folder.h"

namespace orvell::testing {

class ShellTest : public ::testing::Test {
  protected:
    ShellTest() {
        // The device map must not be pointed elsewhere by the machine running the tests.
        for (int com = 1; com <= kComPortCount; ++com) {
            ::unsetenv(("ORVELL_COM" + std::to_string(com)).c_str());
        }
        platform.executableDir = folder / "bin/";
    }
    ~ShellTest() override {
        // A window that was not closed by the test is dropped like a crashed program.
        form.reset();
    }

    void Start(std::vector<std::string> arguments = {}) {
        form = std::make_unique<TFormHlav>(platform,
                                           FormOptions{folder.Path(), std::move(arguments), &line});
        form->FormCreate();
    }
    // Closes the window and starts the program again on the same files.
    void Restart() {
        form->FormClose();
        Start();
    }
    // The unit's answers to what was sent in the previous tick arrive, then the window ticks.
    void Tick(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            line.DeliverTick();
            form->Timer1Timer();
        }
    }
    // Ticks until the transfer is back in Idle; returns the status texts in the order shown.
    std::vector<std::string> RunTransfer(int limit = 200) {
        std::vector<std::string> shown;
        for (int i = 0; i < limit; ++i) {
            const std::string& status = w().LabelHlaseni.Caption();
            if (shown.empty() || shown.back() != status) shown.push_back(status);
            if (form->Link().GetTransfer().Mode() == TransferMode::Idle && i > 0) break;
            Tick();
        }
        return shown;
    }

    void WriteSettingsFile(std::string_view lines) {
        WriteFile(folder / kSettingsFileName, "[FORM_HLAV]\r\n" + std::string(lines));
    }
    // Types a value into an edit box and leaves it, as the user does.
    void Type(EditBox& box, std::string_view text) {
        box.SetText(text);
        form->EditExit();
    }

    WindowModel& w() { return form->window; }
    ParamImage& image() { return form->image; }

    TempFolder folder;
    FakePlatform platform;
    sim::SimulatedUnit unit;
    UnitLine line{unit};
    std::unique_ptr<TFormHlav> form;
};

// The image the program starts with when it finds no files.
inline ParamImage StartUpImage() {
    ParamImage image;
    ApplyStartupSet(image);
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    return image;
}

inline bool SameStored(const ParamImage& a, const ParamImage& b) {
    return std::equal(a.Stored().begin(), a.Stored().end(), b.Stored().begin());
}

}  // namespace orvell::testing
