// Fuzz bytes turned into a line rich in codes, digits, commas and surrogates.
#include "FuzzText.h"

#include <string_view>

namespace fz {
namespace {

constexpr std::u16string_view Hot = u"\x02\x03\x0F\x1D\x1E\x1F\x03\x03\x0E\x09\x0C\x04\x11\x16\x17"
                                    u"0011223456789,,$-+a";

constexpr std::u16string_view Wide =
    u"\xD800\xDBFF\xDC00\xDFFF\xD83D\xDE00\x0102\x010F\x0203\x2029\x00A0\xFF15\xFEFF\xFFFD\xFFFF";
static_assert(Wide.size() == 15);

} // namespace

UnicodeString TextFrom(const std::uint8_t* data, std::size_t size)
{
    std::u16string s;
    s.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b < 0x80) {
            s.push_back(b);
        } else if (b < 0xF0) {
            s.push_back(Hot[(b - 0x80) % Hot.size()]);
        } else if (b < 0xFF) {
            s.push_back(Wide[b - 0xF0]);
        } else {
            const unsigned lo = i + 1 < size ? data[i + 1] : 0;
            const unsigned hi = i + 2 < size ? data[i + 2] : 0;
            s.push_back(static_cast<char16_t>(lo | hi << 8));
            i += 2;
        }
    }
    return UnicodeString(std::move(s));
}

} // namespace fz
