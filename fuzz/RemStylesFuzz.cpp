// The style stripper on any line.
#include "Application.h"
#include "Checks.h"
#include "ColorParser.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    const PumpCounter pumps;
    const UnicodeString out = TColorParser::RemStyles(in);
    fz::CheckRemStyles(in, out, pumps.Count());
    return 0;
}
