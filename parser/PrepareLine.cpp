// Pass1: drop form feeds, drop the lead code of wrapped triples, drop the
// background number after one- and two-digit colour numbers.
#include "Application.h"
#include "Codes.h"
#include "ColorParser.h"
#include "Exception.h"
#include "RuleLoop.h"

#include <vector>

namespace {

// In the order the wrap rules run; also the order of X and Y.
constexpr char16_t WrapCodes[] = {ctrlC, ctrlB, ctrlI, ctrlT, ctrlU, ctrlS};
// Any of these before the line's first X blocks a wrap rule.
constexpr char16_t LeadCodes[] = {ctrlB, ctrlC, ctrlT, ctrlI, ctrlU, ctrlS, ctrlG};

const RuleLoop& FormFeedLoop()
{
    static const RuleLoop loop = [] {
        RuleLoop l = RuleLoop::Strip(UnicodeString(ctrlFF));
        l.pumps = false;
        return l;
    }();
    return loop;
}

const std::vector<UnicodeString>& WrapTriples()
{
    static const std::vector<UnicodeString> table = [] {
        std::vector<UnicodeString> t;
        for (char16_t x : WrapCodes)
            for (char16_t y : WrapCodes)
                if (y != x)
                    t.push_back(Codes::Text({x, y, x}));
        return t;
    }();
    return table;
}

// Heads 0x03 + number + ",": one digit "0".."9", then two digits "00".."99".
const std::vector<UnicodeString>& ColorCommaHeads()
{
    static const std::vector<UnicodeString> table = [] {
        std::vector<UnicodeString> t;
        for (int n = 0; n < 10; ++n)
            t.push_back(UnicodeString(ctrlC) + UnicodeString(n) + ",");
        for (int n = 0; n < 100; ++n)
            t.push_back(UnicodeString(ctrlC) + UnicodeString(n / 10) + UnicodeString(n % 10) + ",");
        return t;
    }();
    return table;
}

void DropLeadWrapCodes(UnicodeString& Line)
{
    for (const auto& triple : WrapTriples()) {
        if (Line.Pos(triple) == 0)
            continue;
        const UnicodeString x(triple[1]);
        const UnicodeString before = Line.SubString(1, Line.Pos(x) - 1);
        bool blocked = false;
        for (char16_t code : LeadCodes) {
            if (before.Pos(UnicodeString(code)) > 0) {
                blocked = true;
                break;
            }
        }
        if (!blocked)
            Line.Delete(Line.Pos(triple), 1);
    }
}

// One background strip loop; false when the pass ends early.
bool StripBackground(UnicodeString& Line, const UnicodeString& head)
{
    const int k = head.Length();
    do {
        Application->ProcessMessages();
        bool dbl_flag = false;
        if (Line.Pos(head) == 0)
            continue;
        int pos = 0;
        int a = 0;
        try {
            pos = Line.Pos(head);
            a = Line.SubString(pos + k, 2).ToInt();
            dbl_flag = true;
        } catch (const Exception&) {
            try {
                pos = Line.Pos(head);
                a = Line.SubString(pos + k, 1).ToInt();
            } catch (const Exception&) {
                return false;
            }
        }
        if (a > 9)
            Line.Delete(pos + k - 1, 3);
        if (a < 10) {
            Line.Delete(pos + k - 1, dbl_flag ? 3 : 2);
            dbl_flag = false;
        }
    } while (Line.Pos(head) > 0);
    return true;
}

} // namespace

UnicodeString TColorParser::PrepareLine(UnicodeString Line)
{
    FormFeedLoop().Run(Line);
    DropLeadWrapCodes(Line);
    for (const auto& head : ColorCommaHeads())
        if (!StripBackground(Line, head))
            break;
    return Line;
}
