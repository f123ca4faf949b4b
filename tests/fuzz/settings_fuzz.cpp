// libFuzzer target for the settings file: the INI reader and the [FORM_HLAV] keys. It checks that
// the bounded choices (port, automatic port, language) end inside their ranges after the rule pass,
// that the file's text survives a rewrite, and that what was read is written and read back
// unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/ini_file.h"
#include "app/settings.h"
#include "core/consistency_rules.h"

namespace {

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

// What a rewrite keeps of a text value: it drops line-break characters.
std::string Written(std::string value) {
    std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    IniFile ini = IniFile::Parse(text);
    const std::string formatted = ini.Format();
    if (IniFile::Parse(formatted).Format() != formatted) std::abort();
    (void)ini.ReadSection("PORTS");

    Settings read;
    ReadSettings(ini, read);
    // The choices are taken as bytes; the rule pass brings them into the menus' ranges.
    if (!Within(read.portChoice, 0, 255) || !Within(read.autoPortNumber, 0, 255) ||
        !Within(read.languageIndex, 0, 255)) {
        std::abort();
    }
    BoundedSettings bounded{read.languageIndex, read.portChoice, read.autoPortNumber};
    ParamImage image;
    ConsistencyRules().ApplyConsistencyRules(image, &bounded);
    if (!Within(bounded.portChoice, 0, 30) || !Within(bounded.autoPortNumber, 0, 29) ||
        !Within(bounded.languageIndex, 0, 3)) {
        std::abort();
    }

    WriteSettings(ini, read);
    Settings reread;
    ReadSettings(IniFile::Parse(ini.Format()), reread);
    if (reread.left != read.left || reread.top != read.top || reread.height != read.height ||
        reread.width != read.width || reread.portChoice != read.portChoice ||
        reread.autoPortNumber != read.autoPortNumber ||
        reread.languageIndex != read.languageIndex ||
        reread.activePageIndex != read.activePageIndex ||
        reread.fileName != Written(read.fileName) || reread.iniDir != Written(read.iniDir)) {
        std::abort();
    }
    return 0;
}
