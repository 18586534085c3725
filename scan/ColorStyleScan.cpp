// The Color & Style Scan: one walk that deletes codes and records their runs.
#include "ColorStyleScan.h"

#include "Application.h"
#include "Codes.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "Formats.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The scan walks the text with one index, which a match takes back by the
// deleted count; at every step the rules are tried in table order, and each
// end is the first occurrence of its pattern after the deletion. It never
// deletes before the last deletion point, and every character it has passed
// is one that no rule matches, so the text is kept as what is done (no code
// in it) and what is left, with the deletions between them; the ends are
// found from the deletion point on, by following each code to its next
// occurrence.

namespace {

// The rules in the order they are tried at each position: the one-unit
// style codes, the sixteen colour codes, the lone 0x03.
constexpr int FirstColorRule = static_cast<int>(StyleCodeFormats.size());
constexpr int LoneColorRule = FirstColorRule + static_cast<int>(ColorTable.size());
constexpr int RuleCount = LoneColorRule + 1;
constexpr int NoRule = -1;

struct ScanRule {
    UnicodeString name; // format name of its entry
    int length;         // what the rule deletes
    int endShift;       // colour runs end just before the next same colour code
};

const std::vector<ScanRule>& Rules()
{
    static const std::vector<ScanRule> rules = [] {
        std::vector<ScanRule> r;
        for (const CodeFormat& style : StyleCodeFormats)
            r.push_back({style.format.name, 1, 0});
        for (std::size_t i = 0; i < ColorTable.size(); ++i)
            r.push_back({ColorFormat(i).name, 3, -1});
        r.push_back({NoColorFormat.name, 1, 0});
        return r;
    }();
    return rules;
}

// The rule of each one-unit style code, by its unit.
constexpr std::array<int, 0x20> StyleRuleOf = [] {
    std::array<int, 0x20> rule{};
    rule.fill(NoRule);
    for (std::size_t k = 0; k < StyleCodeFormats.size(); ++k)
        rule[StyleCodeFormats[k].code] = static_cast<int>(k);
    return rule;
}();

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The rule that matches at index i of s, NoRule for any other character.
int RuleAt(const std::u16string& s, std::size_t i)
{
    const char16_t c = s[i];
    if (c == ctrlC) {
        if (i + 2 < s.size() && IsDigit(s[i + 1]) && IsDigit(s[i + 2])) {
            const int index = (s[i + 1] - u'0') * 10 + (s[i + 2] - u'0');
            if (index < static_cast<int>(ColorTable.size()))
                return FirstColorRule + index;
        }
        return LoneColorRule;
    }
    return c < StyleRuleOf.size() ? StyleRuleOf[c] : NoRule;
}

// Where each rule's code occurs next, from a given index on, in a text whose
// part from that index on is never changed.
class NextCodes {
public:
    explicit NextCodes(const std::u16string& s) : next_(s.size()), at_{}
    {
        at_.fill(static_cast<int>(s.size()));
        for (std::size_t i = s.size(); i-- > 0;) {
            const int rule = RuleAt(s, i);
            if (rule == NoRule)
                continue;
            next_[i] = at_[static_cast<std::size_t>(rule)];
            at_[static_cast<std::size_t>(rule)] = static_cast<int>(i);
        }
        end_ = static_cast<int>(s.size());
    }

    // The first index at or after from that holds the rule's code; the
    // text's length when none does. from never goes back between calls.
    int Of(int rule, int from)
    {
        int& at = at_[static_cast<std::size_t>(rule)];
        while (at < from)
            at = next_[static_cast<std::size_t>(at)];
        return at;
    }

    // The same for any 0x03.
    int OfColor(int from)
    {
        int best = end_;
        for (int rule = FirstColorRule; rule <= LoneColorRule; ++rule)
            best = std::min(best, Of(rule, from));
        return best;
    }

private:
    std::vector<int> next_;
    std::array<int, RuleCount> at_;
    int end_ = 0;
};

// The text as the walk has it: s[0, done) is passed, s[left, size) not yet
// reached, and what lies between is deleted. Closing joins the two, also
// when an exception leaves the scan.
class ScanText {
public:
    explicit ScanText(std::u16string& s) : s_(s) {}
    ~ScanText() { s_.erase(static_cast<std::size_t>(done), static_cast<std::size_t>(left - done)); }
    ScanText(const ScanText&) = delete;
    ScanText& operator=(const ScanText&) = delete;

    int Length() const { return done + (static_cast<int>(s_.size()) - left); }
    // 1-based position of index i of the part not yet reached.
    int PositionOf(int i) const { return done + (i - left) + 1; }

    int done = 0;
    int left = 0;

private:
    std::u16string& s_;
};

} // namespace

// The walk on x <03>04 y <02> z <02> (8 units), at the head of each step;
// '|' stands between what is done and what is left:
//   a=1  |x<03>04y<02>z<02>  x matches nothing; stepping on passes it
//   a=2  x|<03>04y<02>z<02>  red at 2: 3 units go, upkeep (2, 3); no red
//                            after it, so "2 clRed 00"; a goes back to -1
//   a=0  x|y<02>z<02>        behind what is done: a pump, nothing read
//   a=1  x|y<02>z<02>        the same
//   a=2  x|y<02>z<02>        y matches nothing and is passed
//   a=3  xy|<02>z<02>        bold at 3: 1 unit goes, upkeep (3, 1); the
//                            next 0x02 then stands at 4: "3 bold 4"; a=2
//   a=3  xy|z<02>            z is passed; a=4 is not below the length 4,
//                            so the last 0x02 is never tried and stays
// Seven steps, seven pumps, and one more for the one entry the second
// upkeep visits; the text left is xyz<02> (ColorStyleScan.TracedLine).
void ColorStyleScan(UnicodeString& Dummy, TFormatListHost& host)
{
    std::u16string& s = Dummy.str();
    const std::vector<ScanRule>& rules = Rules();
    // The scan's own entries all start at or before every later deletion
    // point; a list that held entries before the scan gets the full walk.
    const bool ownList = host.FormatList().Count() == 0;
    NextCodes next(s);
    ScanText text(s);
    const int size = static_cast<int>(s.size());

    int a = 1; // can stand at 0, -1 or -2 after a match near the start; then position 1 is read
    while (a < text.Length()) {
        Application->ProcessMessages();
        // A rule can match only where the walk has not passed yet, and only
        // the code standing there, when its rule's turn has not gone by.
        int firstUntried = 0;
        for (;;) {
            const int d = a >= 1 ? a : 1;
            if (d != text.done + 1 || text.left >= size)
                break;
            const int rule = RuleAt(s, static_cast<std::size_t>(text.left));
            if (rule < firstUntried)
                break;
            const ScanRule& r = rules[static_cast<std::size_t>(rule)];
            text.left += r.length;
            if (ownList)
                host.UpdateFormatListNoneMoved(d, r.length);
            else
                host.UpdateFormatList(d, r.length);
            const int at = rule == LoneColorRule ? next.OfColor(text.left) : next.Of(rule, text.left);
            std::optional<int> end;
            if (at < size)
                end = text.PositionOf(at) + r.endShift;
            host.FormatList().Add(MakeEntry(d, r.name, end));
            if (a >= 1)
                a -= r.length;
            firstUntried = rule + 1;
        }
        ++a;
        // Moving past the first character not yet reached: no rule matched it.
        if (a == text.done + 2 && text.left < size)
            s[static_cast<std::size_t>(text.done++)] = s[static_cast<std::size_t>(text.left++)];
    }
}
