#include "TestText.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(Codes, TablesHoldTheirRowsFirstNumberFastest)
{
    struct Case { const std::vector<UnicodeString>& table; std::size_t size; UnicodeString first, second, last; };
    const Case cases[] = {
        {Codes::ColorCodes1(), 10, T({C, "0"}), T({C, "1"}), T({C, "9"})},
        {Codes::ColorCodes2(), 16, T({C, "00"}), T({C, "01"}), T({C, "15"})},
        {Codes::ColorPairCodes11(), 100, T({C, "0,0"}), T({C, "1,0"}), T({C, "9,9"})},
        {Codes::ColorPairCodes12(), 160, T({C, "0,00"}), T({C, "1,00"}), T({C, "9,15"})},
        {Codes::ColorPairCodes21(), 160, T({C, "00,0"}), T({C, "01,0"}), T({C, "15,9"})},
        {Codes::ColorPairCodes22(), 256, T({C, "00,00"}), T({C, "01,00"}), T({C, "15,15"})},
        {Codes::AdjacentColorCodes11(), 100, T({C, "0", C, "0"}), T({C, "1", C, "0"}), T({C, "9", C, "9"})},
        {Codes::AdjacentColorCodes12(), 160, T({C, "0", C, "00"}), T({C, "1", C, "00"}), T({C, "9", C, "15"})},
        {Codes::AdjacentColorCodes21(), 160, T({C, "00", C, "0"}), T({C, "01", C, "0"}), T({C, "15", C, "9"})},
        {Codes::AdjacentColorCodes22(), 256, T({C, "00", C, "00"}), T({C, "01", C, "00"}), T({C, "15", C, "15"})},
        {Codes::DoubledColorCodes1(), 10, T({C, "0", C, "0"}), T({C, "1", C, "1"}), T({C, "9", C, "9"})},
        {Codes::DoubledColorCodes2(), 16, T({C, "00", C, "00"}), T({C, "01", C, "01"}), T({C, "15", C, "15"})},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.table.size(), c.size);
        EXPECT_EQ(c.table[0], c.first);
        EXPECT_EQ(c.table[1], c.second);
        EXPECT_EQ(c.table.back(), c.last);
    }
    // Row 197 of the two-digit pairs is 16 * 12 + 4 + 1.
    EXPECT_EQ(Codes::ColorPairCodes22()[196], T({C, "04,12"}));
}

TEST(Codes, ColourTableRowsMatchTheirIndex)
{
    for (std::size_t i = 0; i < ColorTable.size(); ++i) {
        EXPECT_EQ(UnicodeString(ColorTable[i].index), Codes::Numbers2()[i]);
        EXPECT_EQ(std::string(ColorTable[i].caption).substr(0, 3), std::string(ColorTable[i].index) + " ");
    }
    EXPECT_STREQ(ColorTable[4].formatName, "clRed");
    EXPECT_EQ(ColorTable[4].color, 0x0000FFu);
    EXPECT_STREQ(ColorTable[10].formatName, "clTeal");
}

} // namespace
