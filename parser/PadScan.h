#pragma once
// The last step of Pass2, after its loops: pads 0x03 "0" and 0x03 "1" whose
// next character does not complete a colour index.
#include "UnicodeString.h"

namespace Normaliser {

void PadScan(UnicodeString& Input);

} // namespace Normaliser
