#pragma once
// Turns fuzz bytes into a line of text rich in control codes, digits, commas
// and surrogates, so that short inputs reach deep into the passes.
//
// Byte 0x00-0x7F: that unit (every control code, digit and comma).
// Byte 0x80-0xEF: a unit of a small list of the codes and digits that the
//                 passes look for.
// Byte 0xF0-0xFE: a unit beyond 8 bits: surrogates, U+0102 and U+010F (low
//                 byte equal to a code), U+2029, U+FF15.
// Byte 0xFF:      the next two bytes, little-endian, as any 16-bit unit.
#include "UnicodeString.h"

#include <cstddef>
#include <cstdint>

namespace fz {

UnicodeString TextFrom(const std::uint8_t* data, std::size_t size);

} // namespace fz
