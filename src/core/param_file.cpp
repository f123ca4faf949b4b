#include "core/param_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "core/field_ranges.h"
#include "core/text_scanner.h"

namespace orvell {

namespace {

using namespace field;

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kIndent = "\r\n            ";

class FileWriter {
  public:
    void Text(std::string_view s) { out_.append(s); }
    void LineBreak() { out_.append(kLineBreak); }
    void Indent() { out_.append(kIndent); }
    // A keyword on a new line, padded with blanks to `width` columns.
    void Keyword(std::string_view word, std::size_t width = 12) {
        LineBreak();
        out_.append(word);
        if (word.size() < width) out_.append(width - word.size(), ' ');
    }
    void U5(unsigned value) { Printf("%5u ", value); }
    void D5(int value) { Printf("%5d ", value); }
    void Flag(std::uint8_t value) { out_.append(value != 0 ? "    1" : "    0"); }
    std::string Take() { return std::move(out_); }

  private:
    void Printf(const char* format, auto value) {
        char buffer[16];
        int n = std::snprintf(buffer, sizeof buffer, format, value);
        out_.append(buffer, static_cast<std::size_t>(n));
    }
    std::string out_;
};

std::uint8_t Low8(std::int64_t n) {
    return static_cast<std::uint8_t>(n);
}

// Every number, the version included, passes through `last_`: a missing one repeats the last.
class FileReader {
  public:
    explicit FileReader(std::string_view text) : scanner_(text) {}

    std::string_view Word() { return scanner_.NextWord(); }
    ScannedNumber Number() {
        if (std::optional<ScannedNumber> n = scanner_.NextInteger()) last_ = *n;
        return last_;
    }

    // The next number, stored into byte b of the image. `units` turns the file's number into the
    // stored value. A byte with a range takes the nearest end of it for a number outside; such a
    // keyword is noted once. Any other byte takes the low 8 bits, as files were always read.
    void Field(ParamImage& m, std::size_t b, Conversion units = conv::kIdentity) {
        const ScannedNumber n = Number();
        const FieldRange* range = FindFieldRange(b);
        if (range == nullptr) {
            m[b] = Low8(StoreUnbounded(units, n.wrapped));
            return;
        }
        const std::int64_t stored = StoreUnbounded(units, n.value);
        const std::int64_t limited =
            std::clamp<std::int64_t>(stored, range->StoredMin(), range->StoredMax());
        if (limited != stored) NoteLimited();
        m[b] = static_cast<std::uint8_t>(limited);
    }

    void StartKeyword(std::string_view word) { keyword_ = word; }
    std::vector<std::string> TakeLimited() { return std::move(limited_); }

  private:
    void NoteLimited() {
        if (std::find(limited_.begin(), limited_.end(), keyword_) == limited_.end()) {
            limited_.emplace_back(keyword_);
        }
    }

    TextScanner scanner_;
    ScannedNumber last_;
    std::string_view keyword_;
    std::vector<std::string> limited_;
};

// Keywords whose numbers fill consecutive bytes, each number in the given units.
struct RunKeyword {
    std::string_view word;
    std::size_t first;
    std::size_t count;
    Conversion units;
};

constexpr RunKeyword kRunKeywords[] = {
    {"GEBER_MODE", kLobeMultiplier, 1, conv::kIdentity},
    {"PICKUPS_INTERCHANGE", kPickupInterchange, 1, conv::kIdentity},
    {"NO_LOBE_CHECK", kNoLobeLengthCheck, 1, conv::kIdentity},
    {"SPARK_BEFORE_LOBE", kSparkBeforeLobe, 1, conv::kIdentity},
    {"SPECIAL_START", kLowerAdvanceAtStart, 1, conv::kIdentity},
    {"BASE_ADV", kBaseAdvance, 1, conv::kIdentity},
    {"LIMITER", kLimiterSpeed, 1, conv::kIdentity},  // the stored byte, not rpm
    {"PILOT_LIGHT", kShiftLightSpeed, 1, conv::kRpm},
    {"CLUTCH", kClutchMasterTime, 2, conv::kClutchTime},  // time, then pause
    {"EXCITATION", kLongExcitation, 1, conv::kIdentity},
    {"TPS_MAPA", kTpsMapFlag, 1, conv::kIdentity},
    {"RPM_ADV", kRpmAxis, kAxisPoints, conv::kRpm},
    {"ADVANCE", kAdvanceMap, kMapRows* kMapColumns, conv::kIdentity},
    {"SERVO_ENABLE", kServoEnable, 1, conv::kIdentity},
    {"SERVO_HYSTER", kServoHysteresis, 1, conv::kServoHysteresis},
    {"SERVO_RPM", kServoSpeed, kServoPoints, conv::kRpm},
    {"SERVO_MV", kServoVoltage, kServoPoints, conv::kServoVoltage},
};

void ReadKeyword(std::string_view word, FileReader& in, ParamImage& m) {
    in.StartKeyword(word);
    auto bytes = [&](std::initializer_list<std::size_t> positions) {
        for (std::size_t p : positions) in.Field(m, p);
    };

    for (const RunKeyword& k : kRunKeywords) {
        if (word != k.word) continue;
        for (std::size_t i = 0; i < k.count; ++i) in.Field(m, k.first + i, k.units);
        return;
    }
    if (word == "BIKE") {
        bytes({kBikeCode, kSyncMethod, kLobeCount, kChannelCount});
        for (std::size_t c = 0; c < kChannels; ++c) {
            bytes({kMaxAdvanceLobe + c, kMaxAdvance2ndEdge + c, kMaxAdvance2ndPickup + c,
                   kStartAdvanceLobe + c, kStartAdvance2ndEdge + c, kStartAdvance2ndPickup + c});
        }
        bytes({kRevolutionsWithoutIgnition, kCompensation, kCompensation + 1, kCompensation + 2,
               kCompensation + 3});
        // Files of version 48 carried the pick-up inversions here; newer ones set them again
        // with INPUT.
        bytes({kPickup1Inverted, kPickup2Inverted});
    } else if (word == "INPUT") {
        bytes({kPickup1Inverted, kPickup2Inverted, kInput1Function, kInput2Function,
               kNeutralSideStandInputs});
    } else if (word == "TPS") {
        in.Field(m, kTps0Voltage, conv::kTps0Voltage);
        // The 100 % voltage is stored as mV / 10 - 250, which is mV / 10 + 6 in 8 bits.
        in.Field(m, kTps100Voltage, conv::kTps100Voltage);
    } else if (word == "RPM") {
        in.Field(m, kTachoPulses);
        in.Field(m, kTachoCorrection, conv::kTachoCorrection);  // signed percent
    }
}

// Presets of an accepted version, applied before its keywords are read.
void PrepareForVersion(std::uint32_t version, ParamImage& m) {
    for (std::size_t b :
         {kPickupInterchange, kNoLobeLengthCheck, kSparkBeforeLobe, kLowerAdvanceAtStart}) {
        m[b] = 0;
    }
    if (version == 48) {
        m[kLobeMultiplier] = 1;
        m[kInput1Function] = 2;
        m[kInput2Function] = 3;
        m[kNeutralSideStandInputs] = 0;
    }
}

}  // namespace

std::string FormatParameterFile(const ParamImage& m) {
    FileWriter out;
    out.Text(kParamFileKey);
    out.Text("  ");
    char version[8];
    std::snprintf(version, sizeof version, "%3u ", kParamFileVersion);
    out.Text(version);
    out.LineBreak();

    out.Keyword("BIKE");
    out.U5(m[kBikeCode]);
    out.Indent();
    for (std::size_t b : {kSyncMethod, kLobeCount, kChannelCount}) out.U5(m[b]);
    out.Indent();
    for (std::size_t c = 0; c < kChannels; ++c) {
        for (std::size_t b : {kMaxAdvanceLobe, kMaxAdvance2ndEdge, kMaxAdvance2ndPickup}) {
            out.U5(m[b + c]);
        }
        out.Indent();
        for (std::size_t b : {kStartAdvanceLobe, kStartAdvance2ndEdge, kStartAdvance2ndPickup}) {
            out.U5(m[b + c]);
        }
        out.Indent();
    }
    out.Indent();
    out.U5(m[kRevolutionsWithoutIgnition]);
    for (std::size_t i = 0; i < kCompensations; ++i) out.U5(m[kCompensation + i]);

    out.Keyword("GEBER_MODE");
    out.U5(m[kLobeMultiplier]);
    out.Keyword("INPUT");
    out.U5(m[kPickup1Inverted]);
    out.U5(m[kPickup2Inverted]);
    out.U5(m[kInput1Function]);
    out.D5(m[kInput2Function]);
    out.D5(m[kNeutralSideStandInputs]);
    out.Keyword("PICKUPS_INTERCHANGE", 24);
    out.U5(m[kPickupInterchange]);
    out.Keyword("NO_LOBE_CHECK", 18);
    out.U5(m[kNoLobeLengthCheck]);
    out.Keyword("SPARK_BEFORE_LOBE", 18);
    out.U5(m[kSparkBeforeLobe]);
    out.Keyword("SPECIAL_START", 18);
    out.U5(m[kLowerAdvanceAtStart]);
    out.Keyword("BASE_ADV");
    out.U5(m[kBaseAdvance]);
    out.Keyword("LIMITER");
    out.U5(m[kLimiterSpeed]);
    out.Keyword("PILOT_LIGHT");
    out.U5(m[kShiftLightSpeed] * 100u);
    out.Keyword("CLUTCH");
    out.U5(m[kClutchMasterTime] * 10u);
    out.U5(m[kClutchMasterPause] * 10u);
    out.LineBreak();
    out.Keyword("TPS");
    out.U5(m[kTps0Voltage] * 10u);
    out.U5((m[kTps100Voltage] + 250u) * 10u);
    out.Keyword("RPM");
    out.U5(m[kTachoPulses]);
    out.D5(m[kTachoCorrection] - 100);
    out.Keyword("EXCITATION");
    out.Flag(m[kLongExcitation]);
    out.Keyword("TPS_MAPA");
    out.Flag(m[kTpsMapFlag]);
    out.LineBreak();
    out.Keyword("RPM_ADV");
    for (std::size_t i = 0; i < kAxisPoints; ++i) out.U5(m[kRpmAxis + i] * 100u);
    out.LineBreak();
    out.Keyword("ADVANCE");
    for (std::size_t k = 0; k < kMapRows * kMapColumns; ++k) {
        out.U5(m[kAdvanceMap + k]);
        if (k % 10 == 9) out.Indent();
    }
    out.LineBreak();
    out.Keyword("SERVO_ENABLE");
    out.Flag(m[kServoEnable]);
    out.Keyword("SERVO_HYSTER");
    out.U5(m[kServoHysteresis] * 5u);
    out.Keyword("SERVO_RPM");
    for (std::size_t i = 0; i < kServoPoints; ++i) out.U5(m[kServoSpeed + i] * 100u);
    out.Keyword("SERVO_MV");
    for (std::size_t i = 0; i < kServoPoints; ++i) out.U5(m[kServoVoltage + i] * 20u);
    return out.Take();
}

ParamFileReadResult ParseParameterFile(std::string_view text, ParamImage& image) {
    ParamFileReadResult result;
    FileReader in(text);
    for (std::string_view word = in.Word(); !word.empty(); word = in.Word()) {
        if (word != kParamFileKey) continue;
        const std::uint32_t version = in.Number().wrapped;
        if (version == kParamFileVersion || version == 54 || version == 48) {
            result.version = version;
            break;
        }
        result.unmatchedVersions.push_back(version);
    }
    if (!result.Loaded()) return result;

    PrepareForVersion(result.version, image);
    for (std::string_view word = in.Word(); !word.empty(); word = in.Word()) {
        ReadKeyword(word, in, image);
    }
    result.limitedFields = in.TakeLimited();
    return result;
}

WriteOutcome WriteParameterFile(const std::filesystem::path& path, const ParamImage& image) {
    return WriteFileAtomically(path, FormatParameterFile(image));
}

ParamFileReadResult ReadParameterFile(const std::filesystem::path& path, ParamImage& image) {
    std::string text;
    if (!ReadWholeFile(path, text)) {
        ParamFileReadResult failed;
        failed.opened = false;
        return failed;
    }
    return ParseParameterFile(text, image);
}

}  // namespace orvell
