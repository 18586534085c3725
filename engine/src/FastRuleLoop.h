#pragma once
// The rule loop on a chunked text with an index of where each pattern
// occurs: the same iterations, edits and pumps as RuleLoop::RunLiteral, at a
// cost that grows with the text, the edits and the rules tried, not with
// their product.
#include "ChunkText.h"
#include "LoopPlan.h"
#include "RuleLoop.h"

#include <span>

namespace FastRuleLoop {

// Runs the loops one after the other, each until it stops, keeping the text
// in chunks of about `chunkSize` units across them; a loop that the plan
// leaves to the literal engine runs literally.
void Run(UnicodeString& text, std::span<const RuleLoop> loops, const LoopPlan& plan, int chunkSize);

} // namespace FastRuleLoop
