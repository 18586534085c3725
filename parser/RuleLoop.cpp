#include "RuleLoop.h"

#include "Application.h"
#include "FastRuleLoop.h"

namespace {

int Find(const UnicodeString& text, const UnicodeString& pattern, bool anchored)
{
    if (!anchored)
        return text.Pos(pattern);
    return text.SubString(1, pattern.Length()) == pattern && !pattern.IsEmpty() ? 1 : 0;
}

// Below this length the literal engine is the quicker one.
constexpr int FastFrom = 16;

} // namespace

RuleLoop RuleLoop::Of(std::vector<RewriteRule> rules)
{
    RuleLoop loop;
    for (const auto& r : rules)
        loop.guards.push_back(r.pattern);
    loop.rules = std::move(rules);
    return loop;
}

RuleLoop RuleLoop::Strip(const UnicodeString& literal)
{
    return Of({RewriteRule{literal, 0, literal.Length(), {}, 0}});
}

RuleLoop RuleLoop::StripStage(const std::vector<UnicodeString>& literals)
{
    std::vector<RewriteRule> rules;
    for (const auto& l : literals)
        rules.push_back(RewriteRule{l, 0, l.Length(), {}, 0});
    return Of(std::move(rules));
}

RuleLoop RuleLoop::Collapse(const UnicodeString& doubled)
{
    return Of({RewriteRule{doubled, 0, doubled.Length() / 2, {}, 0}});
}

void RuleLoop::Run(UnicodeString& text) const
{
    if (text.Length() < FastFrom)
        RunLiteral(text);
    else
        FastRuleLoop::Run(text, {this, 1});
}

void RuleLoop::RunLiteral(UnicodeString& text) const
{
    for (;;) {
        if (pumps)
            Application->ProcessMessages();
        for (const auto& rule : rules) {
            if (Find(text, rule.pattern, anchored) == 0)
                continue;
            const int pos = Find(text, rule.pattern, anchored);
            if (rule.Deletes())
                text.Delete(pos + rule.delOffset, rule.delCount);
            if (rule.Inserts())
                text.Insert(rule.insText, pos + rule.insOffset);
        }
        bool again = false;
        for (const auto& guard : guards) {
            if (Find(text, guard, anchored) > 0) {
                again = true;
                break;
            }
        }
        if (!again)
            return;
    }
}

void RunLoops(UnicodeString& text, const std::vector<RuleLoop>& loops)
{
    if (text.Length() < FastFrom)
        RunLoopsLiteral(text, loops);
    else
        FastRuleLoop::Run(text, loops);
}

void RunLoopsLiteral(UnicodeString& text, const std::vector<RuleLoop>& loops)
{
    for (const auto& loop : loops)
        loop.RunLiteral(text);
}

RuleLoopCounts Count(const std::vector<RuleLoop>& loops)
{
    RuleLoopCounts c;
    for (const auto& loop : loops) {
        ++c.loops;
        for (const auto& r : loop.rules) {
            ++c.rules;
            c.deleting += r.Deletes();
            c.inserting += r.Inserts();
            c.both += r.Deletes() && r.Inserts();
        }
    }
    return c;
}
