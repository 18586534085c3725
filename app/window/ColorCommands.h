#pragma once
// The edit menu's sixteen colour commands, in the order of the colour-table
// rows they insert. Each names its menu item, its field and its handler (the
// item's name with "Click"); the fields, the handlers, the menu and the
// bindings are all made from this one list, so they cannot fall out of step.
#include <cstddef>
#include <string_view>

#define TINTLINE_COLOR_COMMANDS(X)                                                                                     \
    X(White1)                                                                                                          \
    X(Black1)                                                                                                          \
    X(Blau1)                                                                                                           \
    X(Green1)                                                                                                          \
    X(Red1)                                                                                                            \
    X(Brown1)                                                                                                          \
    X(Lila1)                                                                                                           \
    X(Orange1)                                                                                                         \
    X(Yellow1)                                                                                                         \
    X(Lightgreen1)                                                                                                     \
    X(Cyan1)                                                                                                           \
    X(LightCyan1)                                                                                                      \
    X(LightBlue1)                                                                                                      \
    X(Pink1)                                                                                                           \
    X(Grey1)                                                                                                           \
    X(LightGray1)

#define TINTLINE_COLOR_COMMAND_NAME(item) #item,
inline constexpr std::string_view ColorCommandNames[] = {TINTLINE_COLOR_COMMANDS(TINTLINE_COLOR_COMMAND_NAME)};
#undef TINTLINE_COLOR_COMMAND_NAME

// The colour-table row of a colour command's menu item.
consteval std::size_t ColorCommandRow(std::string_view item)
{
    for (std::size_t row = 0; row < std::size(ColorCommandNames); ++row)
        if (ColorCommandNames[row] == item)
            return row;
    throw "not a colour command";
}
