#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "core/consistency_rules.h"

namespace orvell {
namespace {

// The port keys hold the choice plus one; the smallest and largest integers a key can hold must
// neither overflow on the way nor leave the choices out of range after the rule pass.
TEST(SettingsBounds, ExtremeIntegersEndInsideTheChoices) {
    struct Case {
        const char* value;
        int stored;  // after reading: the low 8 bits of value - 1
    };
    const Case cases[] = {
        {"-2147483648", 255},
        {"2147483647", 254},
        {"0x7fffffff", 254},
        {"-0x80000000", 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Settings s;
        ReadSettings(IniFile::Parse(std::string("[FORM_HLAV]\nComPort=") + c.value +
                                    "\nComPortAuto=" + c.value + "\nLanguage=" + c.value),
                     s);
        EXPECT_EQ(s.portChoice, c.stored);
        EXPECT_EQ(s.autoPortNumber, c.stored);
        BoundedSettings bounded{s.languageIndex, s.portChoice, s.autoPortNumber};
        ParamImage image;
        ConsistencyRules().ApplyConsistencyRules(image, &bounded);
        EXPECT_TRUE(bounded.portChoice >= 0 && bounded.portChoice <= 30);
        EXPECT_TRUE(bounded.autoPortNumber >= 0 && bounded.autoPortNumber <= 29);
        EXPECT_TRUE(bounded.languageIndex >= 0 && bounded.languageIndex <= 3);
    }
}

}  // namespace
}  // namespace orvell
