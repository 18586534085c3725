// Pass1: drop form feeds, drop the lead code of wrapped triples, drop the
// background number after one- and two-digit colour numbers.
//
// Each stage gives the text, and stage 3 the message pumps, of its
// step-by-step form (searches from the start, one deletion at a time) in one
// or a few sweeps.
#include "Application.h"
#include "Codes.h"
#include "ColorParser.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace {

// In the order the wrap rules run; also the order of X and Y.
constexpr char16_t WrapCodes[] = {ctrlC, ctrlB, ctrlI, ctrlT, ctrlU, ctrlS};
constexpr int WrapRules = 30;
constexpr int NoPlace = -1;

bool IsLeadCode(char16_t c)
{
    return c == ctrlB || c == ctrlC || c == ctrlT || c == ctrlI || c == ctrlU || c == ctrlS || c == ctrlG;
}

int WrapIndex(char16_t c)
{
    for (int i = 0; i < 6; ++i)
        if (WrapCodes[i] == c)
            return i;
    return NoPlace;
}

// The rule number of the triple x y x: x slowest, y in order without x.
int RuleOf(int x, int y) { return x * 5 + (y < x ? y : y - 1); }

// The first place of every triple X Y X from index from on; rules already
// placed before from keep their place, since no deletion reaches them.
void PlaceTriples(const std::u16string& s, std::size_t from, std::array<int, WrapRules>& first)
{
    for (int& f : first)
        if (f != NoPlace && static_cast<std::size_t>(f) >= from)
            f = NoPlace;
    for (std::size_t i = from; i + 2 < s.size(); ++i) {
        if (s[i] != s[i + 2] || s[i] == s[i + 1])
            continue;
        const int x = WrapIndex(s[i]);
        const int y = WrapIndex(s[i + 1]);
        if (x == NoPlace || y == NoPlace)
            continue;
        int& f = first[static_cast<std::size_t>(RuleOf(x, y))];
        if (f == NoPlace)
            f = static_cast<int>(i);
    }
}

// A rule is blocked when a lead code stands before the line's first X. X is
// a lead code itself, so that holds exactly when the line's first lead code
// is some other code.
std::size_t FirstLeadCode(const std::u16string& s, std::size_t from)
{
    while (from < s.size() && !IsLeadCode(s[from]))
        ++from;
    return from;
}

void DropLeadWrapCodes(std::u16string& s)
{
    std::array<int, WrapRules> first;
    first.fill(NoPlace);
    PlaceTriples(s, 0, first);
    std::size_t lead = FirstLeadCode(s, 0);
    for (int rule = 0; rule < WrapRules; ++rule) {
        const int at = first[static_cast<std::size_t>(rule)];
        if (at == NoPlace)
            continue;
        const char16_t x = WrapCodes[rule / 5];
        if (s[lead] != x)
            continue;
        const auto p = static_cast<std::size_t>(at);
        s.erase(p, 1);
        // Only triples that touch the joint can change.
        PlaceTriples(s, p >= 2 ? p - 2 : 0, first);
        if (p == lead)
            lead = FirstLeadCode(s, p);
    }
}

// ---- Stage 3 ----
//
// The 110 loops of heads 0x03 + one digit + ",", then 0x03 + two digits +
// ",", each deleting at the first remaining occurrence of its head until
// none is left. A deletion takes only the comma and the one or two
// characters after it, never a 0x03, and joins the head's digits to what
// followed, so every change stays between one 0x03 and the next: each 0x03
// goes through its own loops, in loop order, whatever the others do. Only
// the early end ties them together: the first failing head in loop order,
// and within that loop in line order, stops every loop.

constexpr int OneDigitLoops = 10;
constexpr int Loops = 110;
constexpr int NoLoop = Loops;

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// What a 0x03 at index site became, as pieces of the line: its head up to
// headEnd, the digit at joined when a two-digit head formed (or none), then
// everything from tail to the next 0x03.
struct SiteOutcome {
    std::size_t headEnd;
    std::size_t joined = std::u16string::npos;
    std::size_t tail;
    int failLoop = NoLoop; // the loop that ended the pass here
};

class BackgroundSites {
public:
    explicit BackgroundSites(const std::u16string& s) : s_(s) {}

    // Runs the loops up to lastLoop at the 0x03 at site; counts each
    // iteration that finds the head in pumps (when given).
    SiteOutcome Run(std::size_t site, int lastLoop, std::array<std::uint64_t, Loops>* pumps) const
    {
        const std::size_t n = s_.size();
        SiteOutcome out{site + 1, std::u16string::npos, site + 1};
        if (site + 2 >= n || !IsDigit(s_[site + 1]))
            return out;
        const int d = s_[site + 1] - u'0';
        std::size_t comma;
        int loop;
        if (s_[site + 2] == u',') {
            loop = d;
            comma = site + 2;
        } else if (IsDigit(s_[site + 2]) && site + 3 < n && s_[site + 3] == u',') {
            loop = OneDigitLoops + d * 10 + (s_[site + 2] - u'0');
            comma = site + 3;
        } else {
            return out;
        }
        out.headEnd = comma;
        for (;;) {
            out.tail = comma;
            if (loop > lastLoop)
                return out;
            if (pumps)
                ++(*pumps)[static_cast<std::size_t>(loop)];
            const std::size_t count = Deleted(comma);
            if (count == 0) {
                out.failLoop = loop;
                return out;
            }
            const std::size_t next = comma + std::min(count, n - comma);
            out.tail = next;
            if (next < n && s_[next] == u',') {
                comma = next; // the same head again
            } else if (loop < OneDigitLoops && next + 1 < n && IsDigit(s_[next]) && s_[next + 1] == u',') {
                // The digit after the deletion joins: a two-digit head.
                out.joined = next;
                loop = OneDigitLoops + d * 10 + (s_[next] - u'0');
                comma = next + 1;
            } else {
                return out;
            }
        }
    }

private:
    // How many characters one iteration deletes from the comma on: the two
    // characters after it pass the conversion test (3), else the one (2),
    // else none: the early end.
    std::size_t Deleted(std::size_t comma) const
    {
        const std::size_t from = comma + 1;
        const std::size_t left = from < s_.size() ? s_.size() - from : 0;
        const std::u16string_view two(s_.data() + std::min(from, s_.size()), std::min<std::size_t>(2, left));
        int a = 0;
        bool dbl_flag = false;
        if (const auto v = UnicodeString(two).TryToInt()) {
            a = *v;
            dbl_flag = true;
        } else if (const auto w = UnicodeString(two.substr(0, std::min<std::size_t>(1, two.size()))).TryToInt()) {
            a = *w;
        } else {
            return 0;
        }
        if (a > 9)
            return 3;
        return dbl_flag ? 3 : 2;
    }

    const std::u16string& s_;
};

// The first failing head in loop order, then line order: its loop and the
// index of its 0x03; NoLoop when no head fails.
std::pair<int, std::size_t> FindEarlyEnd(const std::u16string& s, const BackgroundSites& sites)
{
    std::pair<int, std::size_t> end{NoLoop, 0};
    for (std::size_t i = s.find(ctrlC); i != std::u16string::npos; i = s.find(ctrlC, i + 1)) {
        const int fail = sites.Run(i, Loops - 1, nullptr).failLoop;
        if (fail < end.first)
            end = {fail, i};
    }
    return end;
}

// Returns the pumps of the stage: one per iteration of every loop that ran,
// and at least one per loop.
std::uint64_t DropBackgroundNumbers(std::u16string& s)
{
    const BackgroundSites sites(s);
    const auto [endLoop, endSite] = FindEarlyEnd(s, sites);
    std::array<std::uint64_t, Loops> iterations{};
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = s.find(ctrlC);
    out.append(s, 0, std::min(i, s.size()));
    while (i != std::u16string::npos) {
        const std::size_t next = s.find(ctrlC, i + 1);
        const std::size_t segEnd = next == std::u16string::npos ? s.size() : next;
        // Heads before the one that ends the pass still run its loop.
        const int lastLoop = endLoop == NoLoop ? Loops - 1 : (i <= endSite ? endLoop : endLoop - 1);
        const SiteOutcome o = sites.Run(i, lastLoop, &iterations);
        out.append(s, i, o.headEnd - i);
        if (o.joined != std::u16string::npos)
            out.push_back(s[o.joined]);
        if (o.tail < segEnd)
            out.append(s, o.tail, segEnd - o.tail);
        i = next;
    }
    std::uint64_t pumps = 0;
    const int ran = endLoop == NoLoop ? Loops : endLoop + 1;
    for (int loop = 0; loop < ran; ++loop)
        pumps += std::max<std::uint64_t>(1, iterations[static_cast<std::size_t>(loop)]);
    s = std::move(out);
    return pumps;
}

} // namespace

UnicodeString TColorParser::PrepareLine(UnicodeString Line)
{
    std::u16string& s = Line.str();
    std::erase(s, ctrlFF);
    DropLeadWrapCodes(s);
    // Nothing can observe the pumps between the iterations: the line is the
    // pass's own copy.
    Application->ProcessMessages(DropBackgroundNumbers(s));
    return Line;
}
