// Pass2 on any line, not only on what Pass1 leaves.
#include "ColorParser.h"
#include "Checks.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    fz::CheckRemoveBackColors(in, TColorParser::RemoveBackColors(in));
    return 0;
}
