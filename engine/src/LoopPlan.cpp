// The plan of a loop list: which engine runs each loop, the patterns in one
// trie, and when each pattern is no longer looked for.
#include "LoopPlan.h"

#include "EditReach.h"

#include <algorithm>
#include <cstdint>

namespace {

// More patterns than this, in a loop or in a list, and the index would
// outgrow its use; later loops then run literally.
constexpr std::size_t MaxPatterns = 4096;
constexpr std::size_t MaxListPatterns = 8192;

} // namespace

LoopPlan::LoopPlan(std::span<const RuleLoop> list)
{
    int units = 0;
    for (const auto& loop : list)
        for (const auto& r : loop.rules)
            units += r.pattern.Length();
    trie.Clear(units);
    for (const auto& loop : list) {
        Loop& p = loops.emplace_back();
        const std::size_t more = loop.rules.size() + loop.guards.size();
        if (!Accepts(loop) || (!loop.anchored && trie.Patterns() + more > MaxListPatterns))
            continue;
        if (loop.anchored) {
            p.engine = Engine::Anchored;
            continue;
        }
        p.engine = Engine::Indexed;
        for (const auto& r : loop.rules)
            p.rules.push_back(r.pattern.IsEmpty() ? -1 : trie.Add(r.pattern.str()));
        for (const auto& g : loop.guards)
            if (!g.IsEmpty())
                p.guards.push_back(trie.Add(g.str()));
        std::sort(p.guards.begin(), p.guards.end());
        p.guards.erase(std::unique(p.guards.begin(), p.guards.end()), p.guards.end());
    }
    trie.Freeze();
    // Each pattern retires at the start of the loop after the last that looks for it.
    std::vector<std::size_t> last(static_cast<std::size_t>(trie.Patterns()), 0);
    for (std::size_t k = 0; k < loops.size(); ++k) {
        for (int id : loops[k].rules)
            if (id >= 0)
                last[static_cast<std::size_t>(id)] = k;
        for (int id : loops[k].guards)
            last[static_cast<std::size_t>(id)] = k;
    }
    for (std::size_t id = 0; id < last.size(); ++id)
        if (last[id] + 1 < loops.size())
            loops[last[id] + 1].retire.push_back(static_cast<int>(id));
}

bool LoopPlan::Accepts(const RuleLoop& loop)
{
    if (loop.rules.size() + loop.guards.size() > MaxPatterns)
        return false;
    for (const auto& r : loop.rules) {
        if (!EditReach::Fits(r))
            return false;
        if (!loop.anchored && !r.pattern.IsEmpty() && !PatternTrie::Fits(r.pattern.str()))
            return false;
    }
    for (const auto& g : loop.guards) {
        if (loop.anchored ? g.Length() > EditReach::Max : !g.IsEmpty() && !PatternTrie::Fits(g.str()))
            return false;
    }
    return true;
}
