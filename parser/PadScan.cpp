// The pad scan: the last step of Pass2, after its loops.
#include "PadScan.h"

#include "Application.h"
#include "Codes.h"

#include <cstdint>
#include <string>

namespace Normaliser {

// The walk pads 0x03 "0" whose next character is no digit and 0x03 "1"
// whose next character is none of "0".."5", one step per character of the
// final text. A "0" goes in right after a 0x03, so every look-ahead is the
// character that followed the digit before the walk; the text is therefore
// built in one sweep, with the walk's pumps counted at once (nothing outside
// the pass can see its own copy of the text).
void PadScan(UnicodeString& Input)
{
    const std::u16string& in = Input.str();
    std::u16string out;
    out.reserve(in.size() + in.size() / 8);
    for (std::size_t i = 0; i < in.size(); ++i) {
        out.push_back(in[i]);
        if (in[i] != ctrlC || i + 1 >= in.size())
            continue;
        const char16_t digit = in[i + 1];
        const char16_t next = i + 2 < in.size() ? in[i + 2] : char16_t(0);
        const bool zero = digit == u'0' && !(next >= u'0' && next <= u'9');
        const bool one = digit == u'1' && !(next >= u'0' && next <= u'5');
        if (zero || one)
            out.push_back(u'0');
    }
    Input = UnicodeString(std::move(out));
    Application->ProcessMessages(static_cast<std::uint64_t>(Input.Length()));
}

} // namespace Normaliser
