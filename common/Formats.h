#pragma once
// The format names of the Format List beside the codes they stand for: what
// the scan records for each code it deletes, and what the preview applies.
#include "Codes.h"
#include "UnicodeString.h"

#include <array>
#include <optional>
#include <vector>

// What a format does to its run in the preview.
enum class FormatKind { Color, NoColor, NoStyle, Bold, Underline, Italic, Strikeout, Terminate };

struct Format {
    FormatKind kind;
    const char* name; // compared exactly, case and all
    int colorIndex;   // Color: its row of the colour table; else -1
};

// The one-unit codes the scan records, in the order it tries them at a
// position; the sixteen colour codes follow them, and the lone 0x03 last.
struct CodeFormat {
    char16_t code;
    Format format;
};
inline constexpr std::array<CodeFormat, 5> StyleCodeFormats{{
    {ctrlT, {FormatKind::Terminate, "clTerminate", -1}},
    {ctrlB, {FormatKind::Bold, "bold", -1}},
    {ctrlU, {FormatKind::Underline, "clUnderline", -1}},
    {ctrlS, {FormatKind::Strikeout, "clStrikeout", -1}},
    {ctrlI, {FormatKind::Italic, "clItalic", -1}},
}};

// 0x03 with a colour index: that colour's format.
constexpr Format ColorFormat(std::size_t index)
{
    return {FormatKind::Color, ColorTable[index].formatName, static_cast<int>(index)};
}
// The bare 0x03.
inline constexpr Format NoColorFormat{FormatKind::NoColor, "clNoColor", -1};
// No code stands for it, but the preview knows it.
inline constexpr Format NoStyleFormat{FormatKind::NoStyle, "clNoStyle", -1};

// Every format: the sixteen colours, clNoColor, clNoStyle, then the styles.
const std::vector<Format>& AllFormats();
// The format of a name; none when no format has it.
std::optional<Format> FindFormat(const UnicodeString& name);
