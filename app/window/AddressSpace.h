#pragma once
// Checks that the process can still take a given amount of memory, before
// work that Qt's text documents do: they cannot survive an allocation that
// fails (the program would end), where a failed check is an ordinary
// std::bad_alloc that the click's error box reports.
#include <cstddef>

// Throws std::bad_alloc when bytes more cannot be had at this moment.
void RequireAddressSpace(std::size_t bytes);

// What a "Line" render takes per unit of its line at most: the listing,
// the log and the preview's line, laid out (about 610 measured on a line of
// a million units, and room).
inline constexpr std::size_t RenderBytesPerUnit = 768;
