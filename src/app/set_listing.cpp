#include "app/set_listing.h"

#include <cstdio>
#include <string>

#include "core/bike_presets.h"
#include "i18n/catalogue.h"

namespace orvell {

namespace {

using namespace std::string_view_literals;

std::string Text(int value) {
    return std::to_string(value);
}

// The English name of a list choice in the window, or the number when there is none.
std::string ChoiceName(const ListedField& f, int value) {
    if (f.byte == field::kBikeCode) {
        if (const BikeEntry* bike = FindBikeByCode(value)) return std::string(bike->englishText);
    }
    if (f.byte == field::kSyncMethod) {
        if (const ControlText* t = FindControlText("ComboBoxSynchro", Property::ListEntry, value)) {
            return std::string(t->texts[kEnglish]);
        }
    }
    return {};
}

std::string JsonString(std::string_view s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string ElementName(const ListedField& f, int i) {
    // Appended piece by piece: GCC 12 at -O3 reports a false overlap for `" " + string`.
    std::string name(f.name);
    if (f.count > 1) {
        name += ' ';
        name += Text(i + 1);
    }
    if (!f.unit.empty()) {
        name += " [";
        name += f.unit;
        name += ']';
    }
    return name;
}

}  // namespace

const std::vector<ListedField>& ListedFields() {
    static const std::vector<ListedField> fields = {
        {"bike", "Motorbike type", ""sv, field::kBikeCode, 1, conv::kIdentity},
        {"limiter", "Limiter", "rpm", field::kLimiterSpeed, 1, conv::kRpm},
        {"shift_light", "Gear shift light", "rpm", field::kShiftLightSpeed, 1, conv::kRpm},
        {"clutch_master_time", "Clutch master time", "ms", field::kClutchMasterTime, 1,
         conv::kClutchTime},
        {"clutch_master_pause", "Clutch master pause", "ms", field::kClutchMasterPause, 1,
         conv::kClutchTime},
        {"revolutions_without_ignition", "Revolutions without ignition", "",
         field::kRevolutionsWithoutIgnition, 1, conv::kIdentity},
        {"long_excitation", "Excitation long (0/1)", "", field::kLongExcitation, 1,
         conv::kIdentity},
        {"tps_0", "TPS 0 %", "mV", field::kTps0Voltage, 1, conv::kTps0Voltage},
        {"tps_100", "TPS 100 %", "mV", field::kTps100Voltage, 1, conv::kTps100Voltage},
        {"compensation", "Compensation", "", field::kCompensation, kCompensations, conv::kIdentity},
        {"neutral_side_stand_inputs", "Inputs for neutral side and stand (0/1)", "",
         field::kNeutralSideStandInputs, 1, conv::kIdentity},
        {"input_1", "Input 1 function (0 off, 1 kill switch, 2 blocking)", "",
         field::kInput1Function, 1, conv::kIdentity},
        {"input_2",
         "Input 2 function (0 off, 1 kill switch, 2 blocking, 3 clutch master, 4 inverted)", "",
         field::kInput2Function, 1, conv::kIdentity},
        {"tacho_pulses", "Tachometer pulses per revolution", "", field::kTachoPulses, 1,
         conv::kIdentity},
        {"tacho_correction", "Tachometer correction", "%", field::kTachoCorrection, 1,
         conv::kTachoCorrection},
        {"pickup_1_inverted", "Inverse polarity of pick-up 1 (0/1)", "", field::kPickup1Inverted, 1,
         conv::kIdentity},
        {"pickup_2_inverted", "Inverse polarity of pick-up 2 (0/1)", "", field::kPickup2Inverted, 1,
         conv::kIdentity},
        {"pickups_interchanged", "Pick-ups interchanged (0/1)", "", field::kPickupInterchange, 1,
         conv::kIdentity},
        {"no_lobe_length_check", "No lobe length check (0/1)", "", field::kNoLobeLengthCheck, 1,
         conv::kIdentity},
        {"spark_before_lobe", "Spark before lobe (0/1)", "", field::kSparkBeforeLobe, 1,
         conv::kIdentity},
        {"lower_advance_at_start", "Lower advance at start (0/1)", "", field::kLowerAdvanceAtStart,
         1, conv::kIdentity},
        {"sync_method", "Synchronization method", "", field::kSyncMethod, 1, conv::kIdentity},
        {"lobes", "Number of lobes at rotor", "", field::kLobeCount, 1, conv::kIdentity},
        {"channels", "Number of outputs (coils)", "", field::kChannelCount, 1, conv::kIdentity},
        {"lobe_multiplier", "Ignitions per revolution (0 = one per two)", "",
         field::kLobeMultiplier, 1, conv::kIdentity},
        {"max_advance_lobe", "Maximum advance lobe, channel", "", field::kMaxAdvanceLobe, kChannels,
         conv::kIdentity},
        {"start_advance_lobe", "Start advance lobe, channel", "", field::kStartAdvanceLobe,
         kChannels, conv::kIdentity},
        {"max_advance_2nd_edge", "Maximum advance on 2nd edge (0/1), channel", "",
         field::kMaxAdvance2ndEdge, kChannels, conv::kIdentity},
        {"start_advance_2nd_edge", "Start advance on 2nd edge (0/1), channel", "",
         field::kStartAdvance2ndEdge, kChannels, conv::kIdentity},
        {"max_advance_2nd_pickup", "Maximum advance on 2nd pick-up (0/1), channel", "",
         field::kMaxAdvance2ndPickup, kChannels, conv::kIdentity},
        {"start_advance_2nd_pickup", "Start advance on 2nd pick-up (0/1), channel", "",
         field::kStartAdvance2ndPickup, kChannels, conv::kIdentity},
        {"base_advance", "Base advance", "°", field::kBaseAdvance, 1, conv::kIdentity},
        {"tps_map", "TPS map (0/1)", "", field::kTpsMapFlag, 1, conv::kIdentity},
        {"servo", "Servo (0/1)", "", field::kServoEnable, 1, conv::kIdentity},
        {"servo_hysteresis", "Servo hysteresis", "mV", field::kServoHysteresis, 1,
         conv::kServoHysteresis},
        {"servo_speed", "Servo speed, point", "rpm", field::kServoSpeed, kServoPoints, conv::kRpm},
        {"servo_voltage", "Servo voltage, point", "mV", field::kServoVoltage, kServoPoints,
         conv::kServoVoltage},
    };
    return fields;
}

int ShownValue(const ParamImage& image, const ListedField& f, int i) {
    return f.conversion.Show(image[f.byte + static_cast<std::size_t>(i)]);
}

void PrintSet(const ParamImage& image, std::ostream& out) {
    for (const ListedField& f : ListedFields()) {
        for (int i = 0; i < f.count; ++i) {
            const int value = ShownValue(image, f, i);
            std::string line = ElementName(f, i) + ": " + Text(value);
            const std::string choice = ChoiceName(f, value);
            if (!choice.empty()) line += " (" + choice + ")";
            out << line << '\n';
        }
    }
    out << "\nAdvance map [°] (throttle rows over rpm)\n";
    char cell[16];
    out << "  TPS \\ rpm";
    for (int c = 0; c < kAxisPoints; ++c) {
        std::snprintf(cell, sizeof cell, "%7d", conv::kRpm.Show(image.RpmAxis(c)));
        out << cell;
    }
    out << '\n';
    for (int r = 0; r < kMapRows; ++r) {
        std::snprintf(cell, sizeof cell, "%9d%%",
                      kThrottleBreakpoints[static_cast<std::size_t>(r)]);
        out << cell << ' ';
        for (int c = 0; c < kMapColumns; ++c) {
            std::snprintf(cell, sizeof cell, "%7d", image.MapCell(r, c));
            out << cell;
        }
        out << '\n';
    }
}

void PrintSetJson(const ParamImage& image, std::ostream& out) {
    out << "{\n  \"fields\": [\n";
    bool first = true;
    for (const ListedField& f : ListedFields()) {
        out << (first ? "" : ",\n") << "    {\"key\": " << JsonString(f.key)
            << ", \"name\": " << JsonString(f.name) << ", \"unit\": " << JsonString(f.unit)
            << ", \"values\": [";
        for (int i = 0; i < f.count; ++i) out << (i ? ", " : "") << ShownValue(image, f, i);
        out << "]}";
        first = false;
    }
    out << "\n  ],\n  \"rpm_axis\": [";
    for (int c = 0; c < kAxisPoints; ++c) {
        out << (c ? ", " : "") << conv::kRpm.Show(image.RpmAxis(c));
    }
    out << "],\n  \"throttle_rows\": [";
    for (int r = 0; r < kMapRows; ++r) {
        out << (r ? ", " : "") << kThrottleBreakpoints[static_cast<std::size_t>(r)];
    }
    out << "],\n  \"advance_map\": [\n";
    for (int r = 0; r < kMapRows; ++r) {
        out << "    [";
        for (int c = 0; c < kMapColumns; ++c) out << (c ? ", " : "") << +image.MapCell(r, c);
        out << (r + 1 < kMapRows ? "],\n" : "]\n");
    }
    out << "  ]\n}\n";
}

std::vector<std::string> DiffSets(const ParamImage& a, const ParamImage& b) {
    std::vector<std::string> lines;
    for (const ListedField& f : ListedFields()) {
        for (int i = 0; i < f.count; ++i) {
            const int va = ShownValue(a, f, i);
            const int vb = ShownValue(b, f, i);
            if (va != vb) lines.push_back(ElementName(f, i) + ": " + Text(va) + " -> " + Text(vb));
        }
    }
    for (int c = 0; c < kAxisPoints; ++c) {
        const int va = conv::kRpm.Show(a.RpmAxis(c));
        const int vb = conv::kRpm.Show(b.RpmAxis(c));
        if (va != vb) {
            lines.push_back("RPM breakpoint " + Text(c + 1) + " [rpm]: " + Text(va) + " -> " +
                            Text(vb));
        }
    }
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            if (a.MapCell(r, c) == b.MapCell(r, c)) continue;
            lines.push_back("Advance map, throttle " +
                            Text(kThrottleBreakpoints[static_cast<std::size_t>(r)]) + "% (row " +
                            Text(r + 1) + "), column " + Text(c + 1) +
                            " [°]: " + Text(a.MapCell(r, c)) + " -> " + Text(b.MapCell(r, c)));
        }
    }
    return lines;
}

}  // namespace orvell
