// The format names: every one the Format List knows, found exactly by name.
#include "Formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Formats, EveryNameOnce)
{
    std::vector<std::string> names;
    for (const Format& f : AllFormats())
        names.emplace_back(f.name);
    const std::vector<std::string> want = {
        "clWhite",   "clBlack",      "clBlue",      "clGreen", "clRed",       "clBrown",     "clPurple", "clOrange",
        "clYellow",  "clLightGreen", "clTeal",      "clAqua",  "clLightblue", "clPink",      "clGrey",   "clLightgrey",
        "clNoColor", "clNoStyle",    "clTerminate", "bold",    "clUnderline", "clStrikeout", "clItalic",
    };
    EXPECT_EQ(names, want);
}

TEST(Formats, TheScansCodesInTheirOrder)
{
    const char16_t codes[] = {ctrlT, ctrlB, ctrlU, ctrlS, ctrlI};
    ASSERT_EQ(StyleCodeFormats.size(), std::size(codes));
    for (std::size_t k = 0; k < StyleCodeFormats.size(); ++k)
        EXPECT_EQ(StyleCodeFormats[k].code, codes[k]) << k;
}

TEST(Formats, FoundByTheirExactName)
{
    struct Case {
        const char* name;
        bool found;
        FormatKind kind;
        int colorIndex;
    };
    const Case cases[] = {
        {"clRed", true, FormatKind::Color, 4},
        {"clTeal", true, FormatKind::Color, 10},
        {"clLightgrey", true, FormatKind::Color, 15},
        {"bold", true, FormatKind::Bold, -1},
        {"clNoColor", true, FormatKind::NoColor, -1},
        {"clNoStyle", true, FormatKind::NoStyle, -1},
        {"clTerminate", true, FormatKind::Terminate, -1},
        {"Bold", false, {}, 0},
        {"clred", false, {}, 0},
        {"clCyan", false, {}, 0},
        {"clRed ", false, {}, 0},
        {"", false, {}, 0},
    };
    for (const Case& c : cases) {
        const auto f = FindFormat(UnicodeString(c.name));
        ASSERT_EQ(f.has_value(), c.found) << c.name;
        if (!f)
            continue;
        EXPECT_EQ(f->kind, c.kind) << c.name;
        EXPECT_EQ(f->colorIndex, c.colorIndex) << c.name;
        EXPECT_STREQ(f->name, c.name);
    }
}

} // namespace
