// The code remover's FormatContent on any line.
#include "Checks.h"
#include "ColorRemover.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    fz::CheckFormatContent(in, TColorRemover::FormatContent(in));
    return 0;
}
