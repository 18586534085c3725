// Pass2 on any line, not only on what Pass1 leaves.
#include "Checks.h"
#include "ColorParser.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    fz::CheckRemoveBackColors(in, TColorParser::RemoveBackColors(in));
    return 0;
}
