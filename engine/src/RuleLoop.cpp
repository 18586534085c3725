// Building loops, and the literal loop: each step as the loop is defined.
#include "RuleLoop.h"

#include "Application.h"

namespace {

int Find(const UnicodeString& text, const UnicodeString& pattern, bool anchored)
{
    if (!anchored)
        return text.Pos(pattern);
    return text.SubString(1, pattern.Length()) == pattern && !pattern.IsEmpty() ? 1 : 0;
}

// Each code as a literal of its own.
std::vector<UnicodeString> Literals(std::initializer_list<char16_t> codes)
{
    std::vector<UnicodeString> literals;
    literals.reserve(codes.size());
    for (char16_t code : codes)
        literals.emplace_back(code);
    return literals;
}

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

std::vector<RuleLoop> RuleLoop::StripEach(const std::vector<UnicodeString>& literals)
{
    std::vector<RuleLoop> loops;
    loops.reserve(literals.size());
    for (const auto& l : literals)
        loops.push_back(Strip(l));
    return loops;
}

std::vector<RuleLoop> RuleLoop::StripEach(std::initializer_list<char16_t> codes) { return StripEach(Literals(codes)); }

RuleLoop RuleLoop::StripStage(const std::vector<UnicodeString>& literals)
{
    std::vector<RewriteRule> rules;
    for (const auto& l : literals)
        rules.push_back(RewriteRule{l, 0, l.Length(), {}, 0});
    return Of(std::move(rules));
}

RuleLoop RuleLoop::StripStage(std::initializer_list<char16_t> codes) { return StripStage(Literals(codes)); }

RuleLoop RuleLoop::Collapse(const UnicodeString& doubled)
{
    return Of({RewriteRule{doubled, 0, doubled.Length() / 2, {}, 0}});
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
