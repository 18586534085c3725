#include "LoopPlan.h"

#include "EditReach.h"

#include <algorithm>
#include <cstdint>
#include <mutex>

namespace {

// More patterns than this, in a loop or in a list, and the index would
// outgrow its use; later loops then run literally.
constexpr std::size_t MaxPatterns = 4096;
constexpr std::size_t MaxListPatterns = 8192;
// Lists whose plans are kept.
constexpr std::size_t CacheSize = 32;

// Texts here are short: a plain loop beats a call per comparison.
bool SameText(const UnicodeString& a, const UnicodeString& b)
{
    const std::u16string& x = a.str();
    const std::u16string& y = b.str();
    if (x.size() != y.size())
        return false;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i] != y[i])
            return false;
    return true;
}

bool SameRule(const RewriteRule& a, const RewriteRule& b)
{
    return a.delOffset == b.delOffset && a.delCount == b.delCount && a.insOffset == b.insOffset
           && SameText(a.pattern, b.pattern) && SameText(a.insText, b.insText);
}

bool SameLoop(const RuleLoop& a, const RuleLoop& b)
{
    return a.anchored == b.anchored && a.pumps == b.pumps
           && std::equal(a.guards.begin(), a.guards.end(), b.guards.begin(), b.guards.end(), SameText)
           && std::equal(a.rules.begin(), a.rules.end(), b.rules.begin(), b.rules.end(), SameRule);
}

bool SameList(std::span<const RuleLoop> a, std::span<const RuleLoop> b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameLoop);
}

std::shared_ptr<const LoopPlan> Make(std::span<const RuleLoop> loops)
{
    auto plan = std::make_shared<LoopPlan>();
    int units = 0;
    for (const auto& loop : loops)
        for (const auto& r : loop.rules)
            units += r.pattern.Length();
    plan->trie.Clear(units);
    for (const auto& loop : loops) {
        LoopPlan::Loop& p = plan->loops.emplace_back();
        const std::size_t more = loop.rules.size() + loop.guards.size();
        if (!LoopPlan::Accepts(loop) || (!loop.anchored && plan->trie.Patterns() + more > MaxListPatterns))
            continue;
        if (loop.anchored) {
            p.engine = LoopPlan::Engine::Anchored;
            continue;
        }
        p.engine = LoopPlan::Engine::Indexed;
        for (const auto& r : loop.rules)
            p.rules.push_back(r.pattern.IsEmpty() ? -1 : plan->trie.Add(r.pattern.str()));
        for (const auto& g : loop.guards)
            if (!g.IsEmpty())
                p.guards.push_back(plan->trie.Add(g.str()));
        std::sort(p.guards.begin(), p.guards.end());
        p.guards.erase(std::unique(p.guards.begin(), p.guards.end()), p.guards.end());
    }
    plan->trie.Freeze();
    // Each pattern retires at the start of the loop after the last that looks for it.
    std::vector<std::size_t> last(static_cast<std::size_t>(plan->trie.Patterns()), 0);
    for (std::size_t k = 0; k < plan->loops.size(); ++k) {
        for (int id : plan->loops[k].rules)
            if (id >= 0)
                last[static_cast<std::size_t>(id)] = k;
        for (int id : plan->loops[k].guards)
            last[static_cast<std::size_t>(id)] = k;
    }
    for (std::size_t id = 0; id < last.size(); ++id)
        if (last[id] + 1 < plan->loops.size())
            plan->loops[last[id] + 1].retire.push_back(static_cast<int>(id));
    return plan;
}

struct Cached {
    std::vector<RuleLoop> source; // what the plan was made from
    std::shared_ptr<const LoopPlan> plan;
};

} // namespace

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

std::shared_ptr<const LoopPlan> LoopPlan::For(std::span<const RuleLoop> loops)
{
    static std::mutex mutex;
    static std::vector<Cached> cache; // most recent first
    {
        const std::lock_guard lock(mutex);
        for (auto it = cache.begin(); it != cache.end(); ++it) {
            if (SameList(it->source, loops)) {
                std::rotate(cache.begin(), it, it + 1);
                return cache.front().plan;
            }
        }
    }
    auto plan = Make(loops);
    const std::lock_guard lock(mutex);
    cache.insert(cache.begin(), Cached{std::vector<RuleLoop>(loops.begin(), loops.end()), plan});
    if (cache.size() > CacheSize)
        cache.pop_back();
    return plan;
}
