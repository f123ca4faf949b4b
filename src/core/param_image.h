// The parameter image: the unit's complete parameter set exactly as the unit stores it,
// followed by the copy of the unit's information block. Every other component works on it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvell {

inline constexpr std::size_t kImageSize = 307;
inline constexpr std::size_t kBlockSize = 100;
inline constexpr std::size_t kBlock1Offset = 0;
inline constexpr std::size_t kBlock2Offset = 100;
inline constexpr std::size_t kReservedOffset = 200;
inline constexpr std::size_t kUnitInfoOffset = 207;
// Bytes 0..206 are what the undo history and the last-image file carry.
inline constexpr std::size_t kStoredSize = 207;

inline constexpr int kMapRows = 10;
inline constexpr int kMapColumns = 10;
inline constexpr int kChannels = 4;
inline constexpr int kAxisPoints = 10;
inline constexpr int kServoPoints = 10;
inline constexpr int kCompensations = 4;

// Throttle position (percent) that each advance-map row stands for; not stored in the image.
inline constexpr std::array<int, kMapRows> kThrottleBreakpoints = {0,  2,  5,  10, 20,
                                                                   30, 40, 60, 80, 100};

// Byte positions of the fields. Arrays give the position of their first element.
namespace field {
inline constexpr std::size_t kBikeCode = 0;
inline constexpr std::size_t kSyncMethod = 2;
inline constexpr std::size_t kLobeCount = 3;
inline constexpr std::size_t kChannelCount = 4;
inline constexpr std::size_t kLobeMultiplier = 5;
inline constexpr std::size_t kPickup1Inverted = 6;
inline constexpr std::size_t kShiftLightSpeed = 7;
inline constexpr std::size_t kPickup2Inverted = 8;
inline constexpr std::size_t kBaseAdvance = 9;
inline constexpr std::size_t kRevolutionsWithoutIgnition = 10;
inline constexpr std::size_t kTachoPulses = 11;
inline constexpr std::size_t kTachoCorrection = 12;
inline constexpr std::size_t kLimiterSpeed = 13;
inline constexpr std::size_t kLongExcitation = 15;
inline constexpr std::size_t kServoEnable = 16;
inline constexpr std::size_t kServoHysteresis = 17;
inline constexpr std::size_t kTps0Voltage = 20;
inline constexpr std::size_t kTps100Voltage = 21;
inline constexpr std::size_t kTpsMapFlag = 22;
inline constexpr std::size_t kCompensation = 23;  // 23..26
inline constexpr std::size_t kClutchMasterTime = 27;
inline constexpr std::size_t kClutchMasterPause = 28;
inline constexpr std::size_t kMaxAdvanceLobe = 30;         // 30..33, channel 1..4
inline constexpr std::size_t kStartAdvanceLobe = 34;       // 34..37
inline constexpr std::size_t kMaxAdvance2ndEdge = 38;      // 38..41
inline constexpr std::size_t kStartAdvance2ndEdge = 42;    // 42..45
inline constexpr std::size_t kMaxAdvance2ndPickup = 46;    // 46..49
inline constexpr std::size_t kStartAdvance2ndPickup = 50;  // 50..53
inline constexpr std::size_t kInput1Function = 54;
inline constexpr std::size_t kInput2Function = 55;
inline constexpr std::size_t kNeutralSideStandInputs = 56;
inline constexpr std::size_t kPickupInterchange = 57;
inline constexpr std::size_t kNoLobeLengthCheck = 58;
inline constexpr std::size_t kSparkBeforeLobe = 59;
inline constexpr std::size_t kLowerAdvanceAtStart = 60;
inline constexpr std::size_t kServoSpeed = 70;    // 70..79
inline constexpr std::size_t kServoVoltage = 80;  // 80..89
inline constexpr std::size_t kRpmAxis = 90;       // 90..99
inline constexpr std::size_t kAdvanceMap = 100;   // 100..199
}  // namespace field

// Values of the input 1 / input 2 function bytes (the clutch master ones only on input 2).
inline constexpr std::uint8_t kInputOff = 0;
inline constexpr std::uint8_t kInputKillSwitch = 1;
inline constexpr std::uint8_t kInputBlocking = 2;
inline constexpr std::uint8_t kInputClutchMaster = 3;
inline constexpr std::uint8_t kInputClutchMasterInverted = 4;

// Values of the synchronisation method byte, in the order of the method list.
inline constexpr std::uint8_t kMethodOneLobe = 0;   // 1 lobe, 1 or 2 pick-ups
inline constexpr std::uint8_t kMethodShortGap = 1;  // inserted lobe
inline constexpr std::uint8_t kMethodWideLobe = 2;
inline constexpr std::uint8_t kMethodLongGap = 3;  // missing lobe
inline constexpr std::uint8_t kMethodTwoPickupsLongGap = 4;
inline constexpr std::uint8_t kMethodTwoShortGaps = 5;
inline constexpr std::uint8_t kMethodCam = 6;
inline constexpr std::uint8_t kMethodHarley = 7;
inline constexpr std::uint8_t kMethodLongGapMoreLobes = 8;  // 48-2; every edge is a 2nd edge
inline constexpr std::uint8_t kMethodMorePickups = 9;
inline constexpr std::uint8_t kMethodShortGapKickStart = 10;
inline constexpr std::uint8_t kMethodHondaCam = 11;
inline constexpr std::uint8_t kMethodLongGapCam = 12;
inline constexpr int kSyncMethods = 13;

// Methods that read a second pick-up, so that a channel may take an edge from it.
constexpr bool MethodHasTwoPickups(int method) {
    return method == kMethodOneLobe || method == kMethodTwoPickupsLongGap ||
           method == kMethodMorePickups;
}
// Methods with a camshaft sensor on the second input.
constexpr bool MethodHasCamSensor(int method) {
    return method == kMethodCam || method == kMethodHondaCam || method == kMethodLongGapCam;
}

// True for the bytes of 0..199 that carry a field; the others are carried through untouched.
bool IsFieldByte(std::size_t index);

// Image byte of advance-map cell (throttle row, rpm column).
constexpr std::size_t MapCellByte(int row, int column) {
    return field::kAdvanceMap + static_cast<std::size_t>(10 * row + column);
}

class ParamImage {
  public:
    using Bytes = std::array<std::uint8_t, kImageSize>;

    ParamImage() = default;  // all zero
    explicit ParamImage(const Bytes& bytes) : bytes_(bytes) {}

    std::uint8_t operator[](std::size_t i) const { return bytes_[i]; }
    std::uint8_t& operator[](std::size_t i) { return bytes_[i]; }
    const Bytes& Raw() const { return bytes_; }
    Bytes& Raw() { return bytes_; }

    std::span<const std::uint8_t, kBlockSize> Block1() const {
        return View<kBlock1Offset, kBlockSize>();
    }
    std::span<std::uint8_t, kBlockSize> Block1() { return View<kBlock1Offset, kBlockSize>(); }
    std::span<const std::uint8_t, kBlockSize> Block2() const {
        return View<kBlock2Offset, kBlockSize>();
    }
    std::span<std::uint8_t, kBlockSize> Block2() { return View<kBlock2Offset, kBlockSize>(); }
    std::span<const std::uint8_t, kBlockSize> UnitInfo() const {
        return View<kUnitInfoOffset, kBlockSize>();
    }
    std::span<std::uint8_t, kBlockSize> UnitInfo() { return View<kUnitInfoOffset, kBlockSize>(); }
    // Bytes 0..206: blocks 1 and 2 and the reserved bytes.
    std::span<const std::uint8_t, kStoredSize> Stored() const { return View<0, kStoredSize>(); }
    std::span<std::uint8_t, kStoredSize> Stored() { return View<0, kStoredSize>(); }

    // Stored-byte accessors. Channel, point and compensation indices count from 0.
#define ORVELL_FIELD(Name, offset)   \
    std::uint8_t Name() const {      \
        return bytes_[offset];       \
    }                                \
    void Set##Name(std::uint8_t v) { \
        bytes_[offset] = v;          \
    }
#define ORVELL_ARRAY_FIELD(Name, offset, count) \
    std::uint8_t Name(int i) const {            \
        return bytes_[Index(offset, count, i)]; \
    }                                           \
    void Set##Name(int i, std::uint8_t v) {     \
        bytes_[Index(offset, count, i)] = v;    \
    }

    ORVELL_FIELD(BikeCode, field::kBikeCode)
    ORVELL_FIELD(SyncMethod, field::kSyncMethod)
    ORVELL_FIELD(LobeCount, field::kLobeCount)
    ORVELL_FIELD(ChannelCount, field::kChannelCount)
    ORVELL_FIELD(LobeMultiplier, field::kLobeMultiplier)
    ORVELL_FIELD(Pickup1Inverted, field::kPickup1Inverted)
    ORVELL_FIELD(ShiftLightSpeed, field::kShiftLightSpeed)
    ORVELL_FIELD(Pickup2Inverted, field::kPickup2Inverted)
    ORVELL_FIELD(BaseAdvance, field::kBaseAdvance)
    ORVELL_FIELD(RevolutionsWithoutIgnition, field::kRevolutionsWithoutIgnition)
    ORVELL_FIELD(TachoPulses, field::kTachoPulses)
    ORVELL_FIELD(TachoCorrection, field::kTachoCorrection)
    ORVELL_FIELD(LimiterSpeed, field::kLimiterSpeed)
    ORVELL_FIELD(LongExcitation, field::kLongExcitation)
    ORVELL_FIELD(ServoEnable, field::kServoEnable)
    ORVELL_FIELD(ServoHysteresis, field::kServoHysteresis)
    ORVELL_FIELD(Tps0Voltage, field::kTps0Voltage)
    ORVELL_FIELD(Tps100Voltage, field::kTps100Voltage)
    ORVELL_FIELD(TpsMapFlag, field::kTpsMapFlag)
    ORVELL_ARRAY_FIELD(Compensation, field::kCompensation, kCompensations)
    ORVELL_FIELD(ClutchMasterTime, field::kClutchMasterTime)
    ORVELL_FIELD(ClutchMasterPause, field::kClutchMasterPause)
    ORVELL_ARRAY_FIELD(MaxAdvanceLobe, field::kMaxAdvanceLobe, kChannels)
    ORVELL_ARRAY_FIELD(StartAdvanceLobe, field::kStartAdvanceLobe, kChannels)
    ORVELL_ARRAY_FIELD(MaxAdvance2ndEdge, field::kMaxAdvance2ndEdge, kChannels)
    ORVELL_ARRAY_FIELD(StartAdvance2ndEdge, field::kStartAdvance2ndEdge, kChannels)
    ORVELL_ARRAY_FIELD(MaxAdvance2ndPickup, field::kMaxAdvance2ndPickup, kChannels)
    ORVELL_ARRAY_FIELD(StartAdvance2ndPickup, field::kStartAdvance2ndPickup, kChannels)
    ORVELL_FIELD(Input1Function, field::kInput1Function)
    ORVELL_FIELD(Input2Function, field::kInput2Function)
    ORVELL_FIELD(NeutralSideStandInputs, field::kNeutralSideStandInputs)
    ORVELL_FIELD(PickupInterchange, field::kPickupInterchange)
    ORVELL_FIELD(NoLobeLengthCheck, field::kNoLobeLengthCheck)
    ORVELL_FIELD(SparkBeforeLobe, field::kSparkBeforeLobe)
    ORVELL_FIELD(LowerAdvanceAtStart, field::kLowerAdvanceAtStart)
    ORVELL_ARRAY_FIELD(ServoSpeed, field::kServoSpeed, kServoPoints)
    ORVELL_ARRAY_FIELD(ServoVoltage, field::kServoVoltage, kServoPoints)
    ORVELL_ARRAY_FIELD(RpmAxis, field::kRpmAxis, kAxisPoints)
#undef ORVELL_FIELD
#undef ORVELL_ARRAY_FIELD

    std::uint8_t MapCell(int row, int column) const {
        return bytes_[CellIndex(row, column)];
    }
    std::uint8_t& MapCell(int row, int column) {
        return bytes_[CellIndex(row, column)];
    }

    friend bool operator==(const ParamImage&, const ParamImage&) = default;

  private:
    template <std::size_t Offset, std::size_t Count>
    std::span<const std::uint8_t, Count> View() const {
        return std::span<const std::uint8_t, Count>(bytes_.data() + Offset, Count);
    }
    template <std::size_t Offset, std::size_t Count>
    std::span<std::uint8_t, Count> View() {
        return std::span<std::uint8_t, Count>(bytes_.data() + Offset, Count);
    }
    static std::size_t Index(std::size_t offset, int count, int i);
    static std::size_t CellIndex(int row, int column);

    Bytes bytes_{};
};

// Whether the parameter set uses the servo: the servo table and the live servo readings are shown
// only then.
inline bool ServoInUse(const ParamImage& image) {
    return image.ServoEnable() != 0;
}

// Display conversions. A field is shown as stored * scale + offset; a shown value is stored as
// shown / scale - offset / scale truncated to 8 bits (C++ division truncates toward zero, as
// the unit's tools always did). No range check: callers pass values their control has limited.
struct Conversion {
    int scale = 1;
    int offset = 0;

    constexpr int Show(std::uint8_t stored) const { return stored * scale + offset; }
    constexpr std::uint8_t Store(int shown) const {
        return static_cast<std::uint8_t>(shown / scale - offset / scale);
    }
};

namespace conv {
inline constexpr Conversion kIdentity{1, 0};       // counts, degrees, lobe numbers, flags
inline constexpr Conversion kRpm{100, 0};          // shift light, limiter, servo speeds, rpm axis
inline constexpr Conversion kServoVoltage{20, 0};  // mV
inline constexpr Conversion kTps0Voltage{10, 0};   // mV
inline constexpr Conversion kTps100Voltage{10, 2500};   // mV; stored = (mV / 10 + 6) mod 256
inline constexpr Conversion kServoHysteresis{5, 0};     // mV
inline constexpr Conversion kClutchTime{10, 0};         // ms, time and pause
inline constexpr Conversion kTachoCorrection{1, -100};  // percent

// The lobe multiplier list shows ignitions per revolution 1..4 first and "one per two
// revolutions" (stored 0) last.
inline constexpr int kLobeMultiplierChoices = 5;
constexpr std::uint8_t LobeMultiplierFromListIndex(int index) {
    return static_cast<std::uint8_t>((index + 1) % kLobeMultiplierChoices);
}
constexpr int ListIndexFromLobeMultiplier(std::uint8_t stored) {
    return (stored + kLobeMultiplierChoices - 1) % kLobeMultiplierChoices;
}
}  // namespace conv

}  // namespace orvell
