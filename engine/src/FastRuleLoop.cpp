// The fast engine: the loops of a plan on a chunked text with its index.
#include "FastRuleLoop.h"

#include "Application.h"
#include "EditReach.h"
#include "EngineCheck.h"
#include "LoopPlan.h"
#include "OccurrenceIndex.h"

#include <algorithm>
#include <optional>

namespace {

using Cursor = ChunkText::Cursor;

// Runs the loops of a plan that the fast engine takes on one chunked text.
class Runner {
public:
    // Takes over from loop `first` on: the patterns of the loops before are retired.
    Runner(ChunkText& text, const LoopPlan& plan, std::size_t first) : text_(text), index_(text, plan.trie)
    {
        for (std::size_t j = 0; j < first; ++j)
            index_.Retire(plan.loops[j].retire);
        index_.Build();
    }

    void Run(const RuleLoop& loop, const LoopPlan::Loop& plan)
    {
        index_.Retire(plan.retire);
        if (plan.engine == LoopPlan::Engine::Anchored)
            RunAnchored(loop);
        else
            RunIndexed(loop, plan);
    }

    // After the text was laid out afresh.
    void Reindex() { index_.Build(); }

private:
    static void Pump(const RuleLoop& loop)
    {
        if (loop.pumps)
            Application->ProcessMessages();
    }

    // The rule's edit at its match, done with the string class's own rules
    // on a copy of the units it can reach, then cut down to the units that
    // really change, which replace the old ones.
    void Apply(const RewriteRule& r, Cursor at)
    {
        const int need = static_cast<int>(EditReach::Of(r));
        old_.resize(static_cast<std::size_t>(need));
        old_.resize(static_cast<std::size_t>(text_.Read(at, need, old_.data())));
        EngineCheck::Require(std::u16string_view(old_).starts_with(r.pattern.str()),
                             "a rule applied where its pattern does not stand");
        work_.assign(old_);
        UnicodeString w(std::move(work_));
        if (r.Deletes())
            w.Delete(1 + r.delOffset, r.delCount);
        if (r.Inserts())
            w.Insert(r.insText, 1 + r.insOffset);
        work_ = std::move(w.str());
        const std::size_t n = old_.size(), m = work_.size();
        std::size_t a = 0;
        while (a < n && a < m && old_[a] == work_[a])
            ++a;
        std::size_t b = 0;
        while (b < n - a && b < m - a && old_[n - 1 - b] == work_[m - 1 - b])
            ++b;
        if (a + b == n && a + b == m)
            return;
        const std::size_t before = text_.Length();
        index_.Replace(text_.Forward(at, static_cast<int>(a)), static_cast<int>(n - a - b),
                       std::u16string_view(work_).substr(a, m - a - b));
        // A replace that took other units than it was given leaves a text
        // that no later step compares with the rule's edit.
        EngineCheck::Require(text_.Length() + (n - a - b) == before + (m - a - b),
                             "an edit that changed the text's length by another count");
    }

    bool Leads(const UnicodeString& pattern)
    {
        if (pattern.IsEmpty())
            return false;
        const int n = pattern.Length();
        old_.resize(static_cast<std::size_t>(n));
        return text_.Read(text_.Begin(), n, old_.data()) == n && old_ == pattern.str();
    }

    void RunAnchored(const RuleLoop& loop)
    {
        for (;;) {
            Pump(loop);
            for (const auto& rule : loop.rules)
                if (Leads(rule.pattern))
                    Apply(rule, text_.Begin());
            if (std::none_of(loop.guards.begin(), loop.guards.end(), [this](const auto& g) { return Leads(g); }))
                return;
        }
    }

    void RunIndexed(const RuleLoop& loop, const LoopPlan::Loop& plan)
    {
        index_.Watch(plan.guards);
        for (;;) {
            Pump(loop);
            for (std::size_t k = 0; k < loop.rules.size(); ++k) {
                const int id = plan.rules[k];
                if (id >= 0 && index_.Occurs(id))
                    Apply(loop.rules[k], index_.First(id));
            }
            if (!index_.AnyWatchedOccurs())
                return;
        }
    }

    ChunkText& text_;
    OccurrenceIndex index_;
    std::u16string old_, work_;
};

} // namespace

namespace FastRuleLoop {

void Run(UnicodeString& text, std::span<const RuleLoop> loops, const LoopPlan& plan, int chunkSize)
{
    EngineCheck::Require(plan.loops.size() == loops.size(), "a plan made for another list");
    std::optional<ChunkText> chunks; // holds the text while set
    std::optional<Runner> runner;
    try {
        for (std::size_t k = 0; k < loops.size(); ++k) {
            const RuleLoop& loop = loops[k];
            const LoopPlan::Loop& how = plan.loops[k];
            if (how.engine == LoopPlan::Engine::Literal) {
                if (chunks) {
                    text = UnicodeString(chunks->Text());
                    runner.reset();
                    chunks.reset();
                }
                loop.RunLiteral(text);
                continue;
            }
            if (!chunks) {
                chunks.emplace(text.str(), chunkSize);
                runner.emplace(*chunks, plan, k);
            } else if (chunks->Uneven()) {
                chunks->Rebalance();
                runner->Reindex();
            }
            runner->Run(loop, how);
        }
    } catch (...) {
        // Leave the text as far as the loops got, as the literal loops do.
        if (chunks)
            text = UnicodeString(chunks->Text());
        throw;
    }
    if (chunks)
        text = UnicodeString(chunks->Text());
}

} // namespace FastRuleLoop
