// A simulated ORVELL ignition unit: answers every request of the tool as the unit must, keeps
// blocks 1 and 2, and runs a small engine model for the monitoring frames. Faults can be
// injected into its answers. Time only moves when Advance is called, so tests control it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "core/param_image.h"
#include "link/frame.h"
#include "link/unit_info.h"

namespace orvell::sim {

struct UnitOptions {
    std::uint8_t version = 75;  // block 0 byte 10 and monitoring byte 100
    std::string programText;    // optional text in block 0 bytes 16..45
    double dropShare = 0.0;     // share of answers never sent
    double corruptShare = 0.0;  // share of answers damaged on the line
    // Share of requests damaged on their way to the unit, before it acts on them.
    double requestCorruptShare = 0.0;
    bool silent = false;  // answers nothing at all
    std::uint32_t seed = 1;
};

// How a frame was damaged. TwinBits flips the same bit in two bytes, which the check byte
// cannot see: two payload bytes of an answer; in a request the command byte may be one of them.
enum class Corruption { None, CheckByte, PayloadBit, TwinBits };

class SimulatedUnit {
  public:
    explicit SimulatedUnit(UnitOptions options = {});

    // The answer to one request, or nothing (silent unit, dropped answer, invalid request).
    std::optional<Frame> Answer(const Frame& request);
    // Moves the engine model and the saving countdown on.
    void Advance(int milliseconds);

    // The answer before any fault: what a perfect line would carry.
    std::optional<Frame> CleanAnswer(const Frame& request);
    Frame MonitorFrame() const;
    const std::array<std::uint8_t, kBlockSize>& Block0() const { return block0_; }

    std::span<const std::uint8_t, kBlockSize> Block(int n) const;  // 1 or 2
    void SetBlocks(const ParamImage& image);                       // blocks 1 and 2 from the image
    std::uint16_t ProgramCount() const { return programCount_; }
    std::uint16_t SavingCountdown() const { return savingCountdown_; }
    UnitOptions& Options() { return options_; }
    Corruption LastCorruption() const { return lastCorruption_; }
    Corruption LastRequestCorruption() const { return lastRequestCorruption_; }
    // Rises whenever a Program stores a block, so a runner knows when to persist.
    unsigned StoreRevision() const { return storeRevision_; }

    // Stored blocks and the programming counter as a small text file. Save writes a temporary
    // file and renames it, so an interrupted save never leaves a broken store.
    bool Load(const std::string& path, std::string* error);
    bool Save(const std::string& path, std::string* error) const;

  private:
    // Flips bits at or after byte `first` (0: the command byte too).
    Corruption Damage(Frame& frame, std::size_t first);

    UnitOptions options_;
    std::mt19937 rng_;
    std::array<std::uint8_t, kBlockSize> block0_{};
    ParamImage stored_;  // blocks 1 and 2 as the unit holds them
    std::uint16_t programCount_ = 0;
    std::uint16_t savingCountdown_ = 0;
    double savingLeftMs_ = 0;
    std::uint64_t timeMs_ = 0;
    Corruption lastCorruption_ = Corruption::None;
    Corruption lastRequestCorruption_ = Corruption::None;
    unsigned storeRevision_ = 0;
};

inline constexpr int kSavingMs = 2500;  // the saving countdown runs from 414 to 0 in this time

}  // namespace orvell::sim
