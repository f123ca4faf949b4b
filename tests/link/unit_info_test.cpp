#include "link/unit_info.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvell {
namespace {

std::array<std::uint8_t, kBlockSize> Block0(std::initializer_list<int> first) {
    std::array<std::uint8_t, kBlockSize> b{};
    std::size_t i = 0;
    for (int v : first) b[i++] = static_cast<std::uint8_t>(v);
    return b;
}

TEST(UnitInfo, DecodesIdentificationDateAndTime) {
    const auto t = DecodeUnitInfo(Block0({'Q', 'M', 'X', 42, 5, 13, 9, 7, 4}));
    EXPECT_EQ(t.programId, "QMX42");
    EXPECT_EQ(t.programDate, " 5. 2.2009");
    EXPECT_EQ(t.programTime, "07:04");

    const auto u = DecodeUnitInfo(Block0({'A', 'B', 'C', 3, 10, 38, 99, 9, 59}));
    EXPECT_EQ(u.programId, "ABC03");
    EXPECT_EQ(u.programDate, "10.10.2099");
    EXPECT_EQ(u.programTime, "09:59");
}

TEST(UnitInfo, MonthCodesAreTheSumsOfTheEnglishAbbreviations) {
    const char* names[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* texts[] = {" 1", " 2", " 3", " 4", " 5", " 6", " 7", " 8", " 9", "10", "11", "12"};
    for (int m = 0; m < 12; ++m) {
        const auto code = static_cast<std::uint8_t>(names[m][0] + names[m][1] + names[m][2]);
        EXPECT_STREQ(MonthText(code), texts[m]) << names[m];
    }
    EXPECT_STREQ(MonthText(0), "00");
    EXPECT_STREQ(MonthText(26), "00");
}

TEST(UnitInfo, ProgramTextReplacesTheIdentificationOnlyWhenByte16IsSet) {
    auto b = Block0({'Q', 'M', 'X', 42});
    std::memcpy(b.data() + 17, "IGNORED", 7);
    EXPECT_EQ(DecodeUnitInfo(b).programId, "QMX42");

    std::memcpy(b.data() + 16, "Race map 2", 10);
    EXPECT_EQ(DecodeUnitInfo(b).programId, "Race map 2");

    std::memset(b.data() + 16, 'x', 40);  // no terminating zero within 30 characters
    EXPECT_EQ(DecodeUnitInfo(b).programId, std::string(30, 'x'));
}

}  // namespace
}  // namespace orvell
