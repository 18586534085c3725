// The fast rule-loop engine against the literal one: the same text and the
// same number of pumps on random and hostile tables and texts.
#include "Application.h"
#include "ColorRemover.h"
#include "NormaliserTables.h"
#include "Outcome.h"
#include "RuleLoop.h"
#include "StripLoops.h"
#include "TestText.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace tt;

struct PumpLimit {};

// Stops a run after `limit` pumps, so that a table that would never end
// still gives both engines a finish to compare.
class PumpLimiter {
public:
    explicit PumpLimiter(std::uint64_t limit, std::function<void()> also = {})
        : limit_(limit), also_(std::move(also)), hook_([this] {
              if (++count_ > limit_)
                  throw PumpLimit{};
              if (also_)
                  also_();
          })
    {}

private:
    std::uint64_t limit_;
    std::uint64_t count_ = 0;
    std::function<void()> also_;
    TPumpHookGuard hook_; // last: it goes first
};

// A run's outcome, and whether the pump limit stopped it.
struct Observed {
    Outcome outcome;
    bool stopped = false;
    friend bool operator==(const Observed&, const Observed&) = default;
};

using Engine = std::function<void(UnicodeString&, const LoopList&)>;

Observed Observe(const UnicodeString& input, const LoopList& loops, const Engine& engine, std::uint64_t limit,
                 std::function<void()> also = {})
{
    Observed o;
    PumpLimiter limiter(limit, std::move(also));
    o.outcome = RunCounted(
        [&](UnicodeString& text) {
            try {
                engine(text, loops);
            } catch (const PumpLimit&) {
                o.stopped = true;
            }
        },
        input);
    return o;
}

std::string Describe(const std::vector<RuleLoop>& loops)
{
    std::ostringstream os;
    for (const auto& l : loops) {
        os << (l.anchored ? "anchored " : "") << (l.pumps ? "" : "quiet ") << "loop\n";
        for (const auto& r : l.rules)
            os << "  \"" << Printable(r.pattern) << "\" del " << r.delOffset << "," << r.delCount << " ins \""
               << Printable(r.insText) << "\"@" << r.insOffset << "\n";
        os << "  guards";
        for (const auto& g : l.guards)
            os << " \"" << Printable(g) << "\"";
        os << "\n";
    }
    return os.str();
}

Engine Fast(int chunkSize)
{
    return [chunkSize](UnicodeString& t, const LoopList& loops) { loops.RunFast(t, chunkSize); };
}

const Engine Literal = [](UnicodeString& t, const LoopList& loops) { loops.RunLiteral(t); };
const Engine Default = [](UnicodeString& t, const LoopList& loops) { loops.Run(t); };

::testing::AssertionResult Same(const UnicodeString& input, const LoopList& loops, const Engine& engine,
                                std::uint64_t limit = 300)
{
    const Observed want = Observe(input, loops, Literal, limit);
    const Observed got = Observe(input, loops, engine, limit);
    if (got == want)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "input \"" << Printable(input) << "\"\n"
                                         << Describe(loops.Loops()) << "literal " << Describe(want.outcome)
                                         << (want.stopped ? " (stopped)" : "") << "\nfast    " << Describe(got.outcome)
                                         << (got.stopped ? " (stopped)" : "");
}

// --- Random tables ---

class Maker {
public:
    explicit Maker(std::uint32_t seed) : rng_(seed) {}

    int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool Chance(int percent) { return Int(1, 100) <= percent; }
    template <class T>
    const T& Pick(const std::vector<T>& v)
    {
        return v[static_cast<std::size_t>(Int(0, static_cast<int>(v.size()) - 1))];
    }

    // A few units that patterns and texts are made of, so that they meet often.
    std::u16string Alphabet()
    {
        static const std::vector<std::u16string> pools = {
            u"\u000301,", u"\u00030123456789,", u"\x02\x03\x0F", u"\x02\x03\x0F\x1D\x1E\x1F", u"ab",
            u"a",         u"\u00031,\x0F\x02",  u"\x0C\u00035",
        };
        std::u16string a = Pick(pools);
        if (Chance(20))
            a.push_back(u'\0');
        return a;
    }

    UnicodeString Pattern(const std::u16string& alphabet, int maxLength = 6)
    {
        std::u16string p;
        for (int n = Int(1, maxLength); n > 0; --n)
            p.push_back(alphabet[static_cast<std::size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))]);
        return UnicodeString(std::move(p));
    }

    UnicodeString InsertText(const std::u16string& alphabet)
    {
        switch (Int(0, 3)) {
        case 0: return UnicodeString("0");
        case 1: return UnicodeString(Int(0, 1)) + UnicodeString(Int(0, 9));
        case 2: return Pattern(alphabet, 3);
        default: return UnicodeString(std::u16string(1, static_cast<char16_t>(Int(0, 1) ? 0xD800 : 0x85)));
        }
    }

    // A rule; a shrinking one deletes more units than it inserts wherever it applies.
    RewriteRule Rule(const std::u16string& alphabet, bool shrinking)
    {
        RewriteRule r;
        r.pattern = Pattern(alphabet);
        const int len = r.pattern.Length();
        const int kind = shrinking ? Int(0, 2) : Int(0, 5);
        if (kind <= 2) {
            r.delOffset = Int(0, len - 1);
            r.delCount = Int(1, len - r.delOffset);
            if (kind == 2)
                r.delCount += Int(0, 4); // past the match: up to the end of the text
            if (kind == 1 || Chance(30)) {
                r.insText = InsertText(alphabet);
                r.insOffset = Int(0, r.delOffset);
                if (shrinking && r.insText.Length() >= std::min(r.delCount, len - r.delOffset)) {
                    r.insText = {};
                    r.insOffset = 0;
                }
            }
        } else if (kind == 3) {
            r.insText = InsertText(alphabet);
            r.insOffset = Int(0, len + 2); // at the end of the match, or past it
        } else if (kind == 4) {
            r.delOffset = Int(0, len - 1);
            r.delCount = Int(1, len - r.delOffset);
            r.insText = InsertText(alphabet);
            r.insOffset = Int(0, len + 1);
        } // kind 5: matches and does nothing
        return r;
    }

    // Now and then a loop the fast engine leaves to the literal one.
    void Spoil(RuleLoop& loop, const std::u16string& alphabet)
    {
        RewriteRule& r = loop.rules[static_cast<std::size_t>(Int(0, static_cast<int>(loop.rules.size()) - 1))];
        // clang-format off
        switch (Int(0, 3)) {
        case 0: r.pattern += Pattern(alphabet, 3) + Pattern(alphabet, 6); break; // too long to index
        case 1: r.pattern += UnicodeString(std::u16string(1, u'\x80')); break;
        case 2: r.delOffset = -1; r.delCount = std::max(r.delCount, 1); break;
        default: r.insText = UnicodeString("0"); r.insOffset = -2; break;
        }
        // clang-format on
    }

    RuleLoop Loop(const std::u16string& alphabet)
    {
        RuleLoop loop;
        loop.anchored = Chance(15);
        loop.pumps = !Chance(20);
        const bool shrinking = !loop.pumps || Chance(50);
        for (int n = Int(1, Chance(10) ? 40 : 8); n > 0; --n)
            loop.rules.push_back(Rule(alphabet, shrinking));
        switch (Int(0, 4)) {
        case 0:
        case 1:
            for (const auto& r : loop.rules)
                loop.guards.push_back(r.pattern);
            break;
        case 2: // some of the patterns, in any order, some twice
            for (int n = Int(0, 10); n > 0; --n)
                loop.guards.push_back(Pick(loop.rules).pattern);
            break;
        case 3: // others too, and an empty one
            for (const auto& r : loop.rules)
                loop.guards.push_back(r.pattern);
            if (loop.pumps)
                loop.guards.push_back(Pattern(alphabet));
            loop.guards.push_back({});
            break;
        default: break; // none: one iteration
        }
        if (shrinking && !loop.pumps) {
            // Only patterns of rules that edit may keep a quiet loop going.
            std::erase_if(loop.guards, [&](const UnicodeString& g) {
                return std::none_of(loop.rules.begin(), loop.rules.end(),
                                    [&](const RewriteRule& r) { return r.pattern == g && r.Deletes(); });
            });
        }
        if (loop.pumps && Chance(5))
            Spoil(loop, alphabet);
        return loop;
    }

    // --- Random texts ---

    UnicodeString Text(const std::u16string& alphabet, int maxLength)
    {
        const int length = Chance(15) ? Int(0, maxLength) : Int(0, std::min(maxLength, 200));
        std::u16string s;
        const int mode = Int(0, 6);
        while (static_cast<int>(s.size()) < length) {
            switch (mode) {
            case 0: // the loop's own units
                s.push_back(alphabet[static_cast<std::size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))]);
                break;
            case 1: // runs of one unit
                s.append(static_cast<std::size_t>(Int(1, 40)),
                         alphabet[static_cast<std::size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))]);
                break;
            case 2: { // colour chains
                s.push_back(u'\x03');
                for (int d = Int(0, 3); d > 0; --d)
                    s.push_back(static_cast<char16_t>(u'0' + Int(0, Chance(70) ? 1 : 9)));
                if (Chance(50))
                    s.push_back(u',');
                break;
            }
            case 3: // codes only
                s.push_back(CodeAlphabet[static_cast<std::size_t>(Int(0, 14))]);
                break;
            case 4: { // lone surrogates and wide units among the loop's units
                static const char16_t wide[] = {0xD800, 0xDBFF, 0xDC00, 0xDFFF, 0x80, 0xFF, 0x2029, 0xFFFF, 0x0};
                if (Chance(25))
                    s.push_back(wide[Int(0, 8)]);
                else
                    s.push_back(alphabet[static_cast<std::size_t>(Int(0, static_cast<int>(alphabet.size()) - 1))]);
                break;
            }
            case 5: // pieces of the patterns
                s += Pattern(alphabet, 6).str();
                break;
            default: // a coded chat line
                s.push_back(CodeAlphabet[static_cast<std::size_t>(Int(0, static_cast<int>(CodeAlphabet.size()) - 1))]);
                break;
            }
        }
        s.resize(static_cast<std::size_t>(length));
        return UnicodeString(std::move(s));
    }

    int ChunkSize()
    {
        static const std::vector<int> sizes = {1, 2, 3, 5, 8, 16, 64, LoopList::DefaultChunkSize};
        return Pick(sizes);
    }

private:
    std::mt19937 rng_;
};

TEST(RuleLoopDifferential, RandomTablesAndTexts)
{
    Maker m(20240611);
    int failures = 0;
    for (int n = 0; n < 6000 && failures < 5; ++n) {
        const std::u16string alphabet = m.Alphabet();
        std::vector<RuleLoop> loops;
        for (int k = m.Int(1, 4); k > 0; --k)
            loops.push_back(m.Loop(alphabet));
        const UnicodeString text = m.Text(alphabet, 3000);
        const auto same = Same(text, loops, Fast(m.ChunkSize()));
        EXPECT_TRUE(same) << "case " << n;
        failures += !same;
    }
}

TEST(RuleLoopDifferential, DefaultEngineChoice)
{
    Maker m(77);
    for (int n = 0; n < 300; ++n) {
        const std::u16string alphabet = m.Alphabet();
        const LoopList loops({m.Loop(alphabet), m.Loop(alphabet)});
        const UnicodeString text = m.Text(alphabet, 3000);
        ASSERT_TRUE(Same(text, loops, Default)) << "case " << n;
        ASSERT_TRUE(Same(text, LoopList({loops[0]}), Default)) << "case " << n;
    }
}

// --- Loops of the kinds the passes run ---

// Deletes the comma and background of every pair of a table, putting "0"
// before a one-digit foreground, as the background strips do.
RuleLoop BackgroundStrip(const std::vector<UnicodeString>& pairs)
{
    std::vector<RewriteRule> rules;
    for (const auto& p : pairs) {
        const int comma = p.Pos(",");
        RewriteRule r{p, comma - 1, p.Length() - comma + 1, {}, 0};
        if (comma == 3) {
            r.insText = "0";
            r.insOffset = 1;
        }
        rules.push_back(r);
    }
    return RuleLoop::Of(std::move(rules));
}

// Deletes the first of two colour codes back to back.
RuleLoop FirstOfTwo(const std::vector<UnicodeString>& adjacent)
{
    std::vector<RewriteRule> rules;
    for (const auto& a : adjacent)
        rules.push_back(RewriteRule{a, 0, a.SubString(2, a.Length()).Pos(UnicodeString(ctrlC)), {}, 0});
    return RuleLoop::Of(std::move(rules));
}

// The trailing-code strip on the reversed text: codes at the first position.
RuleLoop TrailingStrip()
{
    RuleLoop loop;
    for (char16_t c : {ctrlB, ctrlC, ctrlI, ctrlS, ctrlU, ctrlT})
        loop.rules.push_back(RewriteRule{UnicodeString(c), 0, 1, {}, 0});
    for (char16_t c : {ctrlB, ctrlC, ctrlT, ctrlU, ctrlS, ctrlI})
        loop.guards.push_back(UnicodeString(c));
    loop.anchored = true;
    return loop;
}

RuleLoop FormFeedLoop()
{
    RuleLoop loop = RuleLoop::Strip(UnicodeString(ctrlFF));
    loop.pumps = false;
    return loop;
}

std::vector<LoopList> PassLikeLists()
{
    std::vector<RuleLoop> pairs = {BackgroundStrip(Codes::ColorPairCodes22())};
    std::vector<RewriteRule> mixed;
    for (const auto* t : {&Codes::ColorPairCodes21(), &Codes::ColorPairCodes12()})
        for (const auto& r : BackgroundStrip(*t).rules)
            mixed.push_back(r);
    pairs.push_back(RuleLoop::Of(std::move(mixed)));
    pairs.push_back(BackgroundStrip(Codes::ColorPairCodes11()));

    std::vector<RuleLoop> adjacent;
    for (const auto* t :
         {&Codes::AdjacentColorCodes22(), &Codes::AdjacentColorCodes21(), &Codes::AdjacentColorCodes11()})
        adjacent.push_back(FirstOfTwo(*t));

    std::vector<RuleLoop> singles;
    for (char16_t c : {ctrlB, ctrlC, ctrlU, ctrlI, ctrlS, ctrlT}) {
        singles.push_back(RuleLoop::Of({RewriteRule{Codes::Text({c, c, c}), 0, 2, {}, 0}}));
        singles.push_back(RuleLoop::Of({RewriteRule{Codes::Text({c, c}), 0, 1, {}, 0}}));
    }
    for (const auto& code : Codes::ColorCodes2())
        singles.push_back(RuleLoop::Of({RewriteRule{code + UnicodeString(ctrlT), 0, 3, {}, 0}}));

    std::vector<RuleLoop> strips = {RuleLoop::StripStage(Codes::ColorPairCodes22()),
                                    RuleLoop::StripStage(Codes::ColorCodes2()),
                                    RuleLoop::StripStage(Codes::ColorCodes1()), RuleLoop::Strip(UnicodeString(ctrlC))};
    std::vector<RuleLoop> collapses;
    for (const auto& d : Codes::DoubledColorCodes2())
        collapses.push_back(RuleLoop::Collapse(d));
    for (const auto& d : Codes::DoubledColorCodes1())
        collapses.push_back(RuleLoop::Collapse(d));

    std::vector<RuleLoop> pad = {RuleLoop::Of([] {
        std::vector<RewriteRule> rules;
        for (int d = 2; d <= 9; ++d)
            rules.push_back(RewriteRule{UnicodeString(ctrlC) + UnicodeString(d), 0, 0, "0", 1});
        return rules;
    }())};

    return {std::vector<RuleLoop>{FormFeedLoop()}, pairs, adjacent, singles, strips, collapses, pad,
            std::vector<RuleLoop>{TrailingStrip()}};
}

TEST(RuleLoopDifferential, LoopsOfThePasses)
{
    // The fast engine takes them all; none falls back.
    const auto lists = PassLikeLists();
    for (const auto& list : lists)
        for (std::size_t k = 0; k < list.size(); ++k)
            EXPECT_TRUE(list.RunsFast(k)) << Describe({list[k]});

    Maker m(5150);
    const std::u16string chat = u"\x03\x03\x03\u00030123456789012,,\x02\x0F\x1D\x1E\x1F\x0C ab";
    for (int n = 0; n < 600; ++n) {
        const auto& list = lists[static_cast<std::size_t>(n) % lists.size()];
        const UnicodeString text = m.Text(chat, 2500);
        ASSERT_TRUE(Same(text, list, Fast(m.ChunkSize()), 100000)) << "case " << n;
    }
}

// The loop lists the operations really run.
std::vector<const LoopList*> OperationLists()
{
    // clang-format off
    return {&Normaliser::AllLoops(),          &StripLoops::Pass3(),
            &StripLoops::TrailingCodes(),     &StripLoops::RemStyles(),
            &StripLoops::RemEscapes(),        &RemoverLoops::FormatContent(),
            &RemoverLoops::RemoveEscapes(),   &RemoverLoops::RemoveAllBolds(),
            &RemoverLoops::RemoveAllUnderlines()};
    // clang-format on
}

TEST(RuleLoopDifferential, LoopsOfTheOperations)
{
    const auto lists = OperationLists();
    for (const auto* list : lists)
        for (std::size_t k = 0; k < list->size(); ++k)
            EXPECT_TRUE(list->RunsFast(k)) << Describe({(*list)[k]});

    Maker m(4711);
    const std::u16string dense =
        u"\x03\x03\x03\x03\u000301234567890123451,,,\x02\x0F\x1D\x1E\x1F\x04\x11\x16\x17\x09\x0E ab";
    for (int n = 0; n < 6000; ++n) {
        const auto& list = *lists[static_cast<std::size_t>(n) % lists.size()];
        const UnicodeString text = m.Text(n % 3 ? dense : tt::CodeAlphabet, n % 10 ? 400 : 3000);
        ASSERT_TRUE(Same(text, list, Fast(m.ChunkSize()), 1000000)) << "case " << n;
    }
}

TEST(RuleLoopDifferential, HostileTexts)
{
    const UnicodeString colour(ctrlC);
    auto times = [](const UnicodeString& piece, int n) {
        UnicodeString s;
        for (int i = 0; i < n; ++i)
            s += piece;
        return s;
    };
    const UnicodeString texts[] = {
        {},
        times(UnicodeString(ctrlB), 2001),
        times(UnicodeString(ctrlFF), 1500),
        times(colour, 999) + UnicodeString(ctrlT),
        times(T({C, "04,12"}), 300),
        times(T({C, "4,1"}), 400) + T({C, "2,9,15x"}),
        times(T({C, "99,99", C, "42"}), 200),
        colour + times(T({"1,"}), 700),
        times(T({C, "1", C, "2", C}), 300),
        times(T({"x", C}), 500) + times(UnicodeString(ctrlT), 300),
        times(UnicodeString(std::u16string(u"\xD800\u00035\xDFFF")), 300),
    };
    const auto lists = PassLikeLists();
    for (const auto& text : texts)
        for (const auto& list : lists)
            for (int size : {1, 7, LoopList::DefaultChunkSize})
                ASSERT_TRUE(Same(text, list, Fast(size), 100000)) << Describe(list.Loops()).substr(0, 200);
}

TEST(RuleLoopDifferential, AcceptedLoops)
{
    const RewriteRule plain{"ab", 0, 1, {}, 0};
    struct Case {
        RuleLoop loop;
        bool accepted;
    };
    const Case cases[] = {
        {RuleLoop::Of({plain}), true},
        {RuleLoop{{plain}, {}, true, true}, true},
        {RuleLoop::Of({RewriteRule{"abcdef", 5, 1, "12", 0}}), true},
        {RuleLoop::Of({RewriteRule{"abcdefg", 0, 1, {}, 0}}), false},
        {RuleLoop{{RewriteRule{"abcdefg", 0, 1, {}, 0}}, {}, true, true}, true},
        {RuleLoop::Of({RewriteRule{UnicodeString(std::u16string(u"a\x80")), 0, 1, {}, 0}}), false},
        {RuleLoop{{plain}, {"abcdefg"}, false, true}, false},
        {RuleLoop{{plain}, {{}}, false, true}, true},
        {RuleLoop::Of({RewriteRule{"ab", -1, 1, {}, 0}}), false},
        {RuleLoop::Of({RewriteRule{"ab", 0, 0, "0", -1}}), false},
        {RuleLoop::Of({RewriteRule{"ab", 0, 40, {}, 0}}), false},
        {RuleLoop::Of({RewriteRule{{}, -5, 1, {}, 0}}), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoopList({c.loop}).RunsFast(0), c.accepted) << Describe({c.loop});
}

TEST(RuleLoopDifferential, NestedRunsInThePump)
{
    // A pump that runs loops of its own on another text leaves the outer run alone.
    Maker m(99);
    const auto lists = PassLikeLists();
    for (int n = 0; n < 40; ++n) {
        const std::u16string chat = u"\x03\u00030123,\x02\x0F";
        const UnicodeString text = m.Text(chat, 1500);
        const auto& list = lists[static_cast<std::size_t>(n) % lists.size()];
        bool busy = false;
        int calls = 0;
        const auto nested = [&] {
            if (busy || ++calls % 16 != 1)
                return;
            busy = true;
            UnicodeString other = text;
            lists[1].Run(other);
            busy = false;
        };
        const Observed want = Observe(text, list, Literal, 1000000);
        const Observed got = Observe(text, list, Fast(m.ChunkSize()), 1000000, nested);
        ASSERT_FALSE(got.stopped);
        ASSERT_EQ(got.outcome.text, want.outcome.text) << "case " << n;
    }
}

} // namespace
