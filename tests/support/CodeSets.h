#pragma once
// The sets of codes each operation deletes or keeps, as the checks of the
// tests and the fuzz targets name them, and the comma heads of Pass1.
#include "UnicodeString.h"

#include <string>
#include <vector>

namespace tt {

inline const std::u16string Digits = u"0123456789";
// The six codes of the wrap triples, the scan and the trailing strip.
inline const std::u16string EndCodes = u"\x02\x03\x0F\x1D\x1E\x1F";
// What RemStyles deletes: styles, tab, 0x0E and reset.
inline const std::u16string StyleStripCodes = u"\x02\x1F\x1E\x1D\x09\x0E\x0F";
// What RemEscapes and FormatContent leave none of.
inline const std::u16string EscapeCodes = u"\x02\x03\x09\x0E\x0F\x1D\x1E\x1F";
// What the remover's RemoveEscapes deletes.
inline const std::u16string RemoverEscapeCodes = u"\x02\x03\x1F\x1E\x0F";
// What Pass2 deletes as unsupported.
inline const std::u16string UnsupportedCodes = u"\x04\x11\x16\x17";
// Codes that no stripper or remover deletes.
inline const std::u16string OtherCodes = u"\x04\x0C\x11\x16\x17";

// 0x03, a number of one digit ("0".."9") or two ("00".."99"), and a comma,
// in the order Pass1 strips their backgrounds.
const std::vector<UnicodeString>& CommaHeads();

} // namespace tt
