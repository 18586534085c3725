#pragma once
// Control codes, the colour table and the colour-code tables, shared by the
// passes, the renderer and the remover. Tables are built by rule, once.
#include "UnicodeString.h"

#include <array>
#include <cstdint>
#include <vector>

// Which step knows which code, and in which order: docs/control-codes.md.
inline constexpr char16_t ctrlB = 0x02; // bold
inline constexpr char16_t ctrlC = 0x03; // colour
inline constexpr char16_t ctrlT = 0x0F; // reset
inline constexpr char16_t ctrlI = 0x1D; // italic
inline constexpr char16_t ctrlS = 0x1E; // strikeout
inline constexpr char16_t ctrlU = 0x1F; // underline
inline constexpr char16_t ctrlG = 0x0E;
inline constexpr char16_t ctrlTab = 0x09;
inline constexpr char16_t ctrlFF = 0x0C; // form feed

struct ColorEntry {
    const char* index;      // "00".."15"
    const char* caption;    // insert menu caption
    const char* name;       // colour name
    const char* formatName; // Format List name
    std::uint32_t color;    // preview colour, 0x00BBGGRR
};

inline constexpr std::array<ColorEntry, 16> ColorTable{{
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
}};

namespace Codes {

// A text made of the given units.
UnicodeString Text(std::initializer_list<char16_t> units);

// Colour numbers: one digit "0".."9", two digits "00".."15".
const std::vector<UnicodeString>& Numbers1();
const std::vector<UnicodeString>& Numbers2();

// 0x03 + number.
const std::vector<UnicodeString>& ColorCodes1();
const std::vector<UnicodeString>& ColorCodes2();

// 0x03 + F + "," + B; the first number F varies fastest.
// The digits say how many digits F and B have.
const std::vector<UnicodeString>& ColorPairCodes11();
const std::vector<UnicodeString>& ColorPairCodes12();
const std::vector<UnicodeString>& ColorPairCodes21();
const std::vector<UnicodeString>& ColorPairCodes22();

// 0x03 + F + 0x03 + B; F varies fastest.
const std::vector<UnicodeString>& AdjacentColorCodes11();
const std::vector<UnicodeString>& AdjacentColorCodes12();
const std::vector<UnicodeString>& AdjacentColorCodes21();
const std::vector<UnicodeString>& AdjacentColorCodes22();

// 0x03 + N + 0x03 + N.
const std::vector<UnicodeString>& DoubledColorCodes1();
const std::vector<UnicodeString>& DoubledColorCodes2();

} // namespace Codes
