// The control codes, the colour table and the colour-code tables built by rule.
#include "TestText.h"
#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>

namespace {

using namespace tt;

TEST(Codes, TablesHoldTheirRowsFirstNumberFastest)
{
    struct Case {
        const std::vector<UnicodeString>& table;
        std::size_t size;
        UnicodeString first, second, last;
    };
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

TEST(Codes, ColourTableIsPinned)
{
    // The menu caption belongs to the insert commands, the name to the
    // passes, the format name and the colour (0x00BBGGRR) to the preview.
    struct Row {
        const char* index;
        const char* caption;
        const char* name;
        const char* formatName;
        std::uint32_t color;
    };
    const Row rows[] = {
        {"00", "00 White", "White", "clWhite", 0xFFFFFF},
        {"01", "01 Black", "Black", "clBlack", 0x000000},
        {"02", "02 Blue", "Blue", "clBlue", 0xFF0000},
        {"03", "03 Green", "Green", "clGreen", 0x008000},
        {"04", "04 Red", "Red", "clRed", 0x0000FF},
        {"05", "05 Brown", "Brown", "clBrown", 0x004080},
        {"06", "06 Purple", "Purple", "clPurple", 0x800080},
        {"07", "07 Orange", "Orange", "clOrange", 0x0080FF},
        {"08", "08 Yellow", "Yellow", "clYellow", 0x00FFFF},
        {"09", "09 Light Green", "LightGreen", "clLightGreen", 0x00FF80},
        {"10", "10 Cyan", "Cyan", "clTeal", 0x808000},
        {"11", "11 Light Cyan", "LightCyan", "clAqua", 0xFFFF00},
        {"12", "12 Light Blue", "LightBlue", "clLightblue", 0xFF8000},
        {"13", "13 Pink", "Pink", "clPink", 0xFF00FF},
        {"14", "14 Gray", "Gray", "clGrey", 0x808080},
        {"15", "15 Light Gray", "LightGray", "clLightgrey", 0xC0C0C0},
    };
    ASSERT_EQ(ColorTable.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].caption);
        EXPECT_STREQ(ColorTable[i].index, rows[i].index);
        EXPECT_STREQ(ColorTable[i].caption, rows[i].caption);
        EXPECT_STREQ(ColorTable[i].name, rows[i].name);
        EXPECT_STREQ(ColorTable[i].formatName, rows[i].formatName);
        EXPECT_EQ(ColorTable[i].color, rows[i].color);
    }
}

} // namespace
