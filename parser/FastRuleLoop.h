#pragma once
// The rule loop on a chunked text with an index of where each pattern
// occurs: the same iterations, edits and pumps as RuleLoop::RunLiteral, at a
// cost that grows with the text, the edits and the rules tried, not with
// their product.
#include "ChunkText.h"
#include "RuleLoop.h"

#include <span>

namespace FastRuleLoop {

// Whether this engine runs the loop with exactly the literal results: every
// edit lies at non-negative offsets within a few dozen units of its match,
// and an unanchored loop's patterns and guards are short and below 0x80.
bool Accepts(const RuleLoop& loop);

// Runs the loops one after the other, each until it stops, keeping the text
// in chunks of about `chunkSize` units across them; a loop it does not
// accept runs literally.
void Run(UnicodeString& text, std::span<const RuleLoop> loops, int chunkSize = ChunkText::DefaultChunkSize);

} // namespace FastRuleLoop
