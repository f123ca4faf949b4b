// The program's knowledge of engines: the default parameter set and one synchronisation preset
// per motorcycle entry of the bike list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/param_image.h"

namespace orvell {

inline constexpr int kBikeEntries = 38;
inline constexpr std::uint8_t kSpecialBikeCode = 22;  // "Special setting": description by hand
inline constexpr std::uint8_t kStartupBikeCode = 20;  // "Yamaha R6"

// Lobe numbers and edge flags of one channel. A lobe number of 0 means the cell is empty and
// nothing of the channel is written; a flag that is false is left alone, not cleared.
struct ChannelPreset {
    std::uint8_t maxLobe = 0;
    bool max2ndEdge = false;
    bool max2ndPickup = false;
    std::uint8_t startLobe = 0;
    bool start2ndEdge = false;
    bool start2ndPickup = false;
};

struct ByteValue {
    std::uint8_t byte = 0;
    std::uint8_t value = 0;
};

struct BikeEntry {
    int entry = 0;
    std::uint8_t code = 0;
    std::string_view englishText;
    bool hasPreset = true;  // false only for the special entry
    bool defaultsFirst = false;
    std::uint8_t method = 0;
    std::uint8_t lobes = 0;
    std::uint8_t channels = 0;
    std::array<ChannelPreset, kChannels> channel{};
    std::array<ByteValue, 3> further{};
    int furtherCount = 0;
    std::optional<std::uint8_t> defaultTachoPulses;  // empty: unchanged
    std::uint8_t defaultInput1 = kInputOff;
    std::uint8_t defaultNeutralInputs = 0;
};

// The 38 entries in list order.
const std::array<BikeEntry, kBikeEntries>& BikeTable();

// Entry -> code; an entry outside 0..37 (no selection) gives nothing and leaves the code alone.
std::optional<std::uint8_t> BikeCodeFromEntry(int entry);
// Code -> entry; a code outside 0..37 gives nothing and leaves the selection alone.
std::optional<int> EntryFromBikeCode(int code);
// The table row of a bike code, or null for codes outside 0..37.
const BikeEntry* FindBikeByCode(int code);

// Writes the default parameter set; reads only the bike code.
void ApplyDefaults(ParamImage& image);
// The parameter set of a first start: bike code 20, its defaults and its preset.
void ApplyStartupSet(ParamImage& image);

// Writes the preset of the current bike code (codes 14, 18 and 20 get the defaults first).
// The special code and codes above 37 write nothing.
void ApplyBikePreset(ParamImage& image);

}  // namespace orvell
