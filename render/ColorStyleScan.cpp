#include "ColorStyleScan.h"

#include "Application.h"
#include "Codes.h"
#include "FormatList.h"
#include "RenderView.h"

#include <vector>

namespace {

enum class Match { Exact, LoneColor };

struct ScanRule {
    UnicodeString code;  // what the rule deletes (for a lone 0x03: the 0x03)
    UnicodeString name;  // format name of its entry
    UnicodeString until; // the code whose next occurrence ends the run
    Match match;
    int endShift;        // colour runs end just before the next same colour code
};

// The rules in the order they are tried at each position.
const std::vector<ScanRule>& Rules()
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

bool IsColorCode(const UnicodeString& three)
{
    for (const auto& code : Codes::ColorCodes2())
        if (three == code)
            return true;
    return false;
}

bool Matches(const ScanRule& rule, const UnicodeString& text, int at)
{
    const int n = rule.code.Length();
    if (at > text.Length() || text[at] != rule.code[1])
        return false;
    if (rule.match == Match::LoneColor)
        return !IsColorCode(text.SubString(at, 3));
    return text.SubString(at, n) == rule.code;
}

} // namespace

void ColorStyleScan(UnicodeString& Dummy, TRenderView& view)
{
    int a = 1; // can stand at 0, -1 or -2 after a match near the start; then position 1 is read
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
            view.FormatList().Add(MakeEntry(d, rule.name, p == 0 ? std::nullopt : std::optional<int>(p + rule.endShift)));
            if (a >= 1)
                a -= n;
        }
        ++a;
    }
}
