// A list of loops with its plan, and the choice of engine for each run.
#include "RuleLoop.h"

#include "ChunkText.h"
#include "FastRuleLoop.h"
#include "LoopPlan.h"

namespace {

static_assert(LoopList::DefaultChunkSize == ChunkText::DefaultChunkSize);

// Below this length the literal engine is the quicker one.
constexpr int FastFrom = 16;

} // namespace

LoopList::LoopList(std::vector<RuleLoop> loops)
    : loops_(std::move(loops)), plan_(std::make_shared<const LoopPlan>(loops_))
{}

void LoopList::Run(UnicodeString& text) const
{
    if (text.Length() < FastFrom)
        RunLiteral(text);
    else
        RunFast(text);
}

void LoopList::RunLiteral(UnicodeString& text) const
{
    for (const auto& loop : loops_)
        loop.RunLiteral(text);
}

void LoopList::RunFast(UnicodeString& text, int chunkSize) const { FastRuleLoop::Run(text, loops_, *plan_, chunkSize); }

bool LoopList::RunsFast(std::size_t k) const { return plan_->loops.at(k).engine != LoopPlan::Engine::Literal; }
