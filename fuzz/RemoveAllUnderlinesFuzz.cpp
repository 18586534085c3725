// RemoveAllUnderlines on any line.
#include "Application.h"
#include "Checks.h"
#include "Codes.h"
#include "ColorRemover.h"
#include "FuzzText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString in = fz::TextFrom(data, size);
    const PumpCounter pumps;
    const UnicodeString out = TColorRemover::RemoveAllUnderlines(in);
    fz::CheckStripOne(ctrlU, in, out, pumps.Count());
    return 0;
}
