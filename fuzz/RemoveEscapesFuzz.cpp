// The code remover's RemoveEscapes on any line.
#include "Checks.h"
#include "ColorRemover.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    fz::CheckRemoveEscapes(in, TColorRemover::RemoveEscapes(in));
    return 0;
}
