#include "core/bike_presets.h"

namespace orvell {

namespace {

// Parses one side of a channel cell: a lobe number followed by E (2nd edge) and/or P (2nd pick-up).
constexpr const char* ParseLobe(const char* s, std::uint8_t& lobe, bool& edge, bool& pickup) {
    int n = 0;
    while (*s >= '0' && *s <= '9') n = n * 10 + (*s++ - '0');
    lobe = static_cast<std::uint8_t>(n);
    for (; *s == 'E' || *s == 'P'; ++s) (*s == 'E' ? edge : pickup) = true;
    return s;
}

// "27E/30E": maximum-advance lobe / start-advance lobe, written as in the preset table.
constexpr ChannelPreset Ch(const char* cell) {
    ChannelPreset c;
    const char* s = ParseLobe(cell, c.maxLobe, c.max2ndEdge, c.max2ndPickup);
    if (*s == '/') ParseLobe(s + 1, c.startLobe, c.start2ndEdge, c.start2ndPickup);
    return c;
}

constexpr ByteValue LongExcitation(std::uint8_t v) {
    return {field::kLongExcitation, v};
}
constexpr ByteValue LobeMultiplier(std::uint8_t v) {
    return {field::kLobeMultiplier, v};
}
constexpr ByteValue PickupInterchange(std::uint8_t v) {
    return {field::kPickupInterchange, v};
}
constexpr ByteValue Pickup1Inverted(std::uint8_t v) {
    return {field::kPickup1Inverted, v};
}
constexpr ByteValue Pickup2Inverted(std::uint8_t v) {
    return {field::kPickup2Inverted, v};
}
constexpr ByteValue ServoEnable(std::uint8_t v) {
    return {field::kServoEnable, v};
}
constexpr ByteValue LowerAdvanceAtStart(std::uint8_t v) {
    return {field::kLowerAdvanceAtStart, v};
}

// One line of the preset sheet. A cell is written "max/start" lobe with E for the 2nd edge and P
// for the 2nd pick-up; an empty cell leaves its channel alone.
struct Row {
    const char* text;
    std::uint8_t code;
    std::uint8_t method, lobes, channels;
    std::uint8_t tachoPulses;
    std::uint8_t input1;
    std::uint8_t neutralInputs;
    bool defaultsFirst;
    std::array<const char*, kChannels> cells;
    std::array<ByteValue, 3> further;  // byte 0 (the bike code) marks an unused slot
};

constexpr BikeEntry MakeEntry(int entry, const Row& r) {
    BikeEntry e;
    e.entry = entry;
    e.code = r.code;
    e.englishText = r.text;
    e.defaultsFirst = r.defaultsFirst;
    e.method = r.method;
    e.lobes = r.lobes;
    e.channels = r.channels;
    for (int c = 0; c < kChannels; ++c) e.channel[c] = Ch(r.cells[c]);
    for (const ByteValue& b : r.further) {
        if (b.byte != field::kBikeCode) e.further[e.furtherCount++] = b;
    }
    e.defaultTachoPulses = r.tachoPulses;
    e.defaultInput1 = r.input1;
    e.defaultNeutralInputs = r.neutralInputs;
    return e;
}

constexpr std::uint8_t Off = kInputOff;
constexpr std::uint8_t Blk = kInputBlocking;
constexpr std::uint8_t Kill = kInputKillSwitch;

// The motorcycle list in display order, one preset per line as on the workshop's preset sheet.
// Columns: name, code, method, lobes, channels, tacho pulses, input 1, neutral and side-stand
// inputs, defaults first, the four channel cells, further bytes.
constexpr std::array<BikeEntry, kBikeEntries> BuildTable() {
    // clang-format off
    const Row rows[kBikeEntries - 1] = {
        {"3 Cylinder, 1 pickup",                              23,  1,  4, 3, 1, Off,  0, false, {"1/1E",    "2/2E",    "3/3E",    ""},      {LongExcitation(0)}},
        {"24-1 4 cyl, cam",                                   37, 12, 46, 4, 1, Off,  0, false, {"27E/30E", "39E/42E", "16E/19E", "4E/7E"}, {LobeMultiplier(0), PickupInterchange(1), LongExcitation(0)}},
        {"24-2 4 cyl, cam",                                   36, 12, 44, 4, 1, Off,  0, false, {"26E/29E", "38E/41E", "16E/19E", "4E/7E"}, {LobeMultiplier(0), PickupInterchange(1), LongExcitation(0)}},
        {"Ducati inj. 48-2",                                  32,  8, 46, 2, 2, Off,  0, false, {"18E/23E", "36E/41E", "",        ""},      {LobeMultiplier(0)}},
        {"Kawasaki KZ 1300",                                  35,  9,  4, 3, 1, Off,  0, false, {"1/2",     "1P/2P",   "3P/4P",   ""},      {Pickup1Inverted(1), Pickup2Inverted(1)}},
        {"Kawasaki ZX ",                                       0,  1,  3, 2, 2, Blk,  0, false, {"1/1E",    "2/2E",    "",        ""},      {}},
        {"Kawasaki ZX9R 00",                                  27,  2,  4, 4, 2, Blk,  0, false, {"4/1",     "2/3",     "2/3",     "4/1"},   {LongExcitation(0)}},
        {"Harley",                                            31,  7,  2, 2, 2, Off,  0, false, {"1/1E",    "2/2E",    "",        ""},      {LobeMultiplier(0), Pickup1Inverted(1)}},
        {"Honda CBR 7P",                                       1,  4,  7, 2, 2, Off,  0, false, {"2/3E",    "6/7E",    "",        ""},      {}},
        {"Honda CBR 9P",                                       2,  3,  9, 2, 2, Blk,  1, false, {"1/3E",    "7/9E",    "",        ""},      {}},
        {"Honda Shadow",                                       3,  3,  9, 2, 2, Off,  0, false, {"6/7",     "8/9",     "",        ""},      {}},
        {"Honda VFR 400",                                      4,  4,  7, 2, 4, Off,  0, false, {"4/5",     "6/7",     "",        ""},      {}},
        {"Honda VFR 750",                                     24,  4, 11, 4, 2, Off,  0, false, {"4/5",     "7/8",     "10/11",   "1/2"},   {}},
        {"Honda VT 600 Shadow",                                5,  4,  7, 2, 2, Off,  0, false, {"1E/2E",   "5EP/6EP", "",        ""},      {PickupInterchange(1)}},
        {"Honda VT 1100",                                      6,  4,  7, 2, 2, Off,  0, false, {"3/4E",    "4/5E",    "",        ""},      {}},
        {"Classic (1 lobe, 1 or 2 pick-up) ",                  7,  0,  1, 2, 1, Off,  0, false, {"1/1E",    "1P/1EP",  "1P/1EP",  "1/1E"},  {}},
        {"Classic (2 lobe per revolution, 1 or 2 pick-up)",   28,  0,  1, 2, 1, Off,  0, false, {"1/1E",    "1P/1EP",  "1P/1EP",  "1/1E"},  {LobeMultiplier(2)}},
        {"Classic (3 lobe per revolution, 1 pick-up)",        29,  0,  1, 1, 1, Off,  0, false, {"1/1E",    "1P/1EP",  "1P/1EP",  "1/1E"},  {LobeMultiplier(3)}},
        {"Classic (1 lobe per 2 rev. (CMPS),1 or 2 pick-up)", 30,  0,  1, 2, 1, Off,  0, false, {"1/1E",    "1P/1EP",  "1P/1EP",  "1/1E"},  {LobeMultiplier(0)}},
        {"Laverda 3x120",                                     33,  9,  2, 3, 2, Off,  0, false, {"1/1E",    "1P/1EP",  "2P/2EP",  ""},      {}},
        {"Suzuki 800",                                         8,  3,  4, 2, 1, Off,  0, false, {"1/2",     "3/4",     "",        ""},      {}},
        {"Suzuki GSF 400 A",                                   9,  2,  6, 2, 1, Off,  0, false, {"1/2",     "4/5",     "",        ""},      {}},
        {"Suzuki GSF 400 B",                                  10,  2,  6, 2, 1, Off,  0, false, {"2/3",     "5/6",     "",        ""},      {}},
        {"Suzuki GSX",                                        11,  2,  4, 2, 1, Off,  0, false, {"4/1",     "2/3",     "",        ""},      {}},
        {"Suzuki SV 650",                                     12,  2,  4, 2, 1, Off,  0, false, {"4/1",     "1/2",     "",        ""},      {}},
        {"Suzuki Tci 125",                                    13,  3,  4, 2, 1, Off,  0, false, {"2/3",     "3/4",     "",        ""},      {}},
        {"Suzuki VS 800,",                                    14,  2,  4, 2, 1, Off,  0, true,  {"3/4",     "2/3",     "",        ""},      {}},
        {"TDM 850",                                           15,  2,  4, 2, 2, Blk,  0, false, {"3/4",     "4/1",     "",        ""},      {}},
        {"Triumph Tigra",                                     26,  5,  7, 3, 1, Off,  0, false, {"2/3",     "4/5",     "6/1",     ""},      {LongExcitation(0)}},
        {"Virago XV",                                         16,  3,  2, 2, 2, Off,  0, false, {"1/1E",    "2/2E",    "",        ""},      {}},
        {"Yamaha 125 SR",                                     17,  4,  2, 2, 2, Kill, 0, false, {"2/1EP",   "1EP/2EP", "",        ""},      {}},
        {"Yamaha Fz 750",                                     18,  2,  8, 2, 2, Blk,  0, true,  {"3/4",     "7/8",     "",        ""},      {}},
        {"Yamaha R1",                                         19,  2,  4, 2, 2, Blk,  0, false, {"3/4",     "1/2",     "",        ""},      {ServoEnable(1)}},
        {"Yamaha R6",                                         20,  1,  5, 2, 2, Blk,  0, true,  {"1E/2E",   "3E/4E",   "",        ""},      {LongExcitation(0)}},
        {"Yamaha XT600E",                                     21,  2,  4, 1, 1, Blk,  0, false, {"4/1",     "2/3",     "",        ""},      {LowerAdvanceAtStart(1)}},
        {"Yamaha XVZ 1300",                                   25,  1,  7, 4, 2, Blk,  0, false, {"1E/2E",   "2E/3E",   "4E/5E",   "5E/6E"}, {}},
        {"3 Cylinder, 1 pickup - kick start",                 34, 10,  4, 3, 1, Off,  0, false, {"2/2E",    "3/3E",    "4/4E",    ""},      {}},
    };
    // clang-format on
    std::array<BikeEntry, kBikeEntries> table{};
    for (int i = 0; i < kBikeEntries - 1; ++i) table[i] = MakeEntry(i, rows[i]);
    BikeEntry& special = table[kBikeEntries - 1];
    special.entry = kBikeEntries - 1;
    special.code = kSpecialBikeCode;
    special.englishText = "Special setting";
    special.hasPreset = false;
    return table;
}

constexpr std::array<BikeEntry, kBikeEntries> kBikeTable = BuildTable();

constexpr std::array<int, kBikeEntries> BuildEntryOfCode() {
    std::array<int, kBikeEntries> entryOf{};
    for (const BikeEntry& e : kBikeTable) entryOf[e.code] = e.entry;
    return entryOf;
}

constexpr std::array<int, kBikeEntries> kEntryOfCode = BuildEntryOfCode();

constexpr std::array<std::uint8_t, kAxisPoints> kDefaultAxis = {15, 20, 30, 40, 50,
                                                                60, 70, 80, 90, 100};
constexpr std::array<std::uint8_t, kServoPoints> kR1ServoSpeeds = {3,  4,  41, 46, 65,
                                                                   70, 75, 83, 90, 105};
constexpr std::array<std::uint8_t, kServoPoints> kR1ServoVoltages = {30, 45, 45, 61, 61,
                                                                     64, 68, 80, 93, 93};
constexpr std::array<std::uint8_t, kServoPoints> kServoSpeeds = {12, 20,  30,  40,  60,
                                                                 80, 100, 120, 140, 160};
constexpr std::array<std::uint8_t, kServoPoints> kServoVoltages = {100, 105, 110, 115, 120,
                                                                   125, 130, 135, 140, 145};
constexpr std::uint8_t kR1BikeCode = 19;

constexpr std::uint8_t kDefaultAdvanceMap[kMapRows][kMapColumns] = {
    {10, 13, 16, 25, 28, 32, 33, 33, 33, 33},  // 0 %
    {10, 16, 22, 31, 33, 35, 35, 35, 35, 35},  // 2 %
    {10, 24, 35, 44, 45, 45, 43, 41, 41, 41},  // 5 %
    {10, 19, 32, 39, 45, 47, 46, 43, 43, 43},  // 10 %
    {10, 12, 15, 25, 31, 33, 32, 32, 32, 31},  // 20 %
    {10, 12, 16, 25, 28, 30, 33, 32, 32, 32},  // 30 %
    {10, 12, 16, 25, 28, 30, 33, 31, 33, 31},  // 40 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  // 60 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  // 80 %
    {10, 12, 15, 25, 28, 30, 32, 32, 32, 32},  // 100 %
};

void WriteChannel(ParamImage& image, int c, const ChannelPreset& p) {
    if (p.maxLobe == 0) return;  // empty cell
    image.SetMaxAdvanceLobe(c, p.maxLobe);
    image.SetStartAdvanceLobe(c, p.startLobe);
    if (p.max2ndEdge) image.SetMaxAdvance2ndEdge(c, 1);
    if (p.max2ndPickup) image.SetMaxAdvance2ndPickup(c, 1);
    if (p.start2ndEdge) image.SetStartAdvance2ndEdge(c, 1);
    if (p.start2ndPickup) image.SetStartAdvance2ndPickup(c, 1);
}

}  // namespace

const std::array<BikeEntry, kBikeEntries>& BikeTable() {
    return kBikeTable;
}

std::optional<std::uint8_t> BikeCodeFromEntry(int entry) {
    if (entry < 0 || entry >= kBikeEntries) return std::nullopt;
    return kBikeTable[entry].code;
}

std::optional<int> EntryFromBikeCode(int code) {
    if (code < 0 || code >= kBikeEntries) return std::nullopt;
    return kEntryOfCode[code];
}

const BikeEntry* FindBikeByCode(int code) {
    const auto entry = EntryFromBikeCode(code);
    return entry ? &kBikeTable[*entry] : nullptr;
}

void ApplyDefaults(ParamImage& image) {
    const std::uint8_t code = image.BikeCode();
    const BikeEntry* bike = FindBikeByCode(code);

    if (code != kSpecialBikeCode) {
        for (std::size_t i = field::kMaxAdvance2ndEdge; i <= field::kStartAdvance2ndPickup + 3;
             ++i) {
            image[i] = 0;
        }
    }
    image.SetBaseAdvance(10);
    image.SetPickup1Inverted(0);
    image.SetPickup2Inverted(0);
    image.SetPickupInterchange(0);
    image.SetNoLobeLengthCheck(0);
    image.SetSparkBeforeLobe(0);
    image.SetLowerAdvanceAtStart(0);
    image.SetLimiterSpeed(110);
    image.SetShiftLightSpeed(90);
    image.SetTps0Voltage(70);
    image.SetTps100Voltage(129);
    image.SetTpsMapFlag(0);
    image.SetServoEnable(0);
    image.SetServoHysteresis(20);
    image.SetLongExcitation(1);
    image.SetLobeMultiplier(1);
    image.SetTachoCorrection(100);
    for (int i = 0; i < kAxisPoints; ++i) image.SetRpmAxis(i, kDefaultAxis[i]);
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) image.MapCell(r, c) = kDefaultAdvanceMap[r][c];
    }
    const bool r1 = code == kR1BikeCode;
    for (int i = 0; i < kServoPoints; ++i) {
        image.SetServoSpeed(i, (r1 ? kR1ServoSpeeds : kServoSpeeds)[i]);
        image.SetServoVoltage(i, (r1 ? kR1ServoVoltages : kServoVoltages)[i]);
    }
    image.SetRevolutionsWithoutIgnition(1);
    for (int i = 0; i < kCompensations; ++i) image.SetCompensation(i, 11);
    image.SetClutchMasterTime(10);
    image.SetClutchMasterPause(50);

    if (bike != nullptr && bike->defaultTachoPulses)
        image.SetTachoPulses(*bike->defaultTachoPulses);
    image.SetInput1Function(bike != nullptr ? bike->defaultInput1 : kInputOff);
    image.SetInput2Function(kInputOff);
    image.SetNeutralSideStandInputs(bike != nullptr ? bike->defaultNeutralInputs : 0);
}

void ApplyBikePreset(ParamImage& image) {
    const BikeEntry* bike = FindBikeByCode(image.BikeCode());
    if (bike == nullptr || !bike->hasPreset) return;
    if (bike->defaultsFirst) ApplyDefaults(image);
    image.SetSyncMethod(bike->method);
    image.SetLobeCount(bike->lobes);
    image.SetChannelCount(bike->channels);
    for (int c = 0; c < kChannels; ++c) WriteChannel(image, c, bike->channel[c]);
    for (int i = 0; i < bike->furtherCount; ++i)
        image[bike->further[i].byte] = bike->further[i].value;
}

void ApplyStartupSet(ParamImage& image) {
    image.SetBikeCode(kStartupBikeCode);
    ApplyDefaults(image);
    ApplyBikePreset(image);
}

}  // namespace orvell
