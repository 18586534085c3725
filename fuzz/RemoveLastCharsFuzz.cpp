// The trailing-code strip on any line.
#include "Checks.h"
#include "ColorParser.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    fz::CheckRemoveLastChars(in, TColorParser::RemoveLastChars(in));
    return 0;
}
