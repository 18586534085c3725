#pragma once
// The loop lists of Pass3, the trailing-code strip and the two code
// strippers. Each is built once; its operation runs it on the rule-loop
// engine, and a faster engine or a test can run the same list.
#include "RuleLoop.h"

#include <vector>

namespace StripLoops {

// Pass3: 25 collapse loops, two-digit indexes "00".."15", then "1".."9".
const LoopList& Pass3();
// One anchored loop over the reversed text: the six end codes.
const LoopList& TrailingCodes();
// Seven strip loops of style and layout codes.
const LoopList& RemStyles();
// 25 strip loops: style codes, 0x03 with a two-digit index, bare 0x03.
const LoopList& RemEscapes();

} // namespace StripLoops
