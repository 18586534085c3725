#pragma once
// The step-by-step Color & Style Scan: every deletion in place, every end a
// search from the start of the text, the list upkeep's full walk after
// every deletion. The program's scan must give the same text, entries,
// upkeep calls and pumps.
#include "Application.h"
#include "Codes.h"
#include "FormatList.h"
#include "FormatListHost.h"

#include <optional>
#include <vector>

namespace literal {

enum class Match { Exact, LoneColor };

struct ScanRule {
    UnicodeString code;
    UnicodeString name;
    UnicodeString until;
    Match match;
    int endShift;
};

inline const std::vector<ScanRule>& Rules()
{
    static const std::vector<ScanRule> rules = [] {
        std::vector<ScanRule> r;
        auto single = [&r](char16_t c, const char* name) {
            r.push_back({UnicodeString(c), name, UnicodeString(c), Match::Exact, 0});
        };
        single(ctrlT, "clTerminate");
        single(ctrlB, "bold");
        single(ctrlU, "clUnderline");
        single(ctrlS, "clStrikeout");
        single(ctrlI, "clItalic");
        for (std::size_t i = 0; i < ColorTable.size(); ++i) {
            const UnicodeString& code = Codes::ColorCodes2()[i];
            r.push_back({code, ColorTable[i].formatName, code, Match::Exact, -1});
        }
        r.push_back({UnicodeString(ctrlC), "clNoColor", UnicodeString(ctrlC), Match::LoneColor, 0});
        return r;
    }();
    return rules;
}

inline bool IsColorCode(const UnicodeString& three)
{
    for (const auto& code : Codes::ColorCodes2())
        if (three == code)
            return true;
    return false;
}

inline bool Matches(const ScanRule& rule, const UnicodeString& text, int at)
{
    const int n = rule.code.Length();
    if (at > text.Length() || text[at] != rule.code[1])
        return false;
    if (rule.match == Match::LoneColor)
        return !IsColorCode(text.SubString(at, 3));
    return text.SubString(at, n) == rule.code;
}

inline void ColorStyleScan(UnicodeString& Dummy, TFormatListHost& view)
{
    int a = 1;
    while (a < Dummy.Length()) {
        Application->ProcessMessages();
        for (const ScanRule& rule : Rules()) {
            const int d = a >= 1 ? a : 1;
            if (!Matches(rule, Dummy, d))
                continue;
            const int n = rule.code.Length();
            Dummy.Delete(d, n);
            view.UpdateFormatList(d, n);
            const int p = Dummy.Pos(rule.until);
            view.FormatList().Add(
                MakeEntry(d, rule.name, p == 0 ? std::nullopt : std::optional<int>(p + rule.endShift)));
            if (a >= 1)
                a -= n;
        }
        ++a;
    }
}

} // namespace literal
