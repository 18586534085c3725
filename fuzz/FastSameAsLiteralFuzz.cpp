// Every fast form held to its step-by-step reference on the same line: each
// loop list of Pass2 (whole and stage by stage), Pass3, the trailing strip,
// the strippers and the remover on the fast engine and as Run picks the
// engine, against its literal loops; the scan, Pass1 and the pad scan
// against their literal forms. Text and pumps must agree, and for the scan
// also the Format List and its upkeep calls; a difference prints the input
// and both results and aborts.
//
// Byte 0 picks the check and a variant: for the loop lists the chunk size,
// for the scan the entries the list holds before it. The rest is the line
// (fz::TextFrom). With TINTLINE_FUZZ_FAMILY set to pass2, pass3, trailing,
// strippers, remover, scan, pass1 or pad, only that family's checks run.
#include "Application.h"
#include "ColorParser.h"
#include "ColorRemover.h"
#include "ColorStyleScan.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "FuzzText.h"
#include "LiteralPasses.h"
#include "LiteralScan.h"
#include "NormaliserTables.h"
#include "RuleLoop.h"
#include "StringList.h"
#include "StripLoops.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Outcome {
    UnicodeString text;
    std::uint64_t pumps = 0;
    std::vector<UnicodeString> entries;      // the scan's Format List
    std::vector<std::pair<int, int>> updates; // the scan's upkeep calls
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

std::string Show(const Outcome& o)
{
    std::ostringstream s;
    s << '"' << Printable(o.text) << "\" pumps " << o.pumps;
    if (!o.entries.empty() || !o.updates.empty()) {
        s << "\n    list:";
        for (const auto& e : o.entries)
            s << " [" << Printable(e) << ']';
        s << "\n    upkeep:";
        for (const auto& [pos, length] : o.updates)
            s << " (" << pos << ',' << length << ')';
    }
    return s.str();
}

void Compare(const std::string& what, const UnicodeString& in, const Outcome& want, const Outcome& got)
{
    if (got == want)
        return;
    std::fprintf(stderr, "\nDIFFERENT: %s\n  input:   \"%s\"\n  literal: %s\n  fast:    %s\n", what.c_str(),
                 Printable(in).c_str(), Show(want).c_str(), Show(got).c_str());
    std::abort();
}

// The text after `run` and the pumps it made.
Outcome Counted(const UnicodeString& in, const std::function<void(UnicodeString&)>& run)
{
    Outcome o;
    o.text = in;
    PumpCounter pumps;
    run(o.text);
    o.pumps = pumps.Count();
    return o;
}

int ChunkSize(int variant, const UnicodeString& in)
{
    static constexpr int sizes[] = {1, 2, 3, 5, 8, 16, LoopList::DefaultChunkSize};
    return variant < 7 ? sizes[variant] : in.Length() / 3 + 1; // a few long chunks
}

void SameOnList(const std::string& name, const LoopList& list, const UnicodeString& in, int variant)
{
    const Outcome want = Counted(in, [&](UnicodeString& t) { list.RunLiteral(t); });
    const int size = ChunkSize(variant, in);
    Compare(name + ", fast engine, chunks of " + std::to_string(size), in, want,
            Counted(in, [&](UnicodeString& t) { list.RunFast(t, size); }));
    Compare(name + ", the engine Run picks", in, want, Counted(in, [&](UnicodeString& t) { list.Run(t); }));
}

// A Format List that records every upkeep call and walks on every one.
class WalkingList : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override
    {
        updates.push_back({pos, length});
        ::UpdateFormatList(list, pos, length);
    }

    TStringList list;
    std::vector<std::pair<int, int>> updates;
};

// The same, skipping the walks that the scan says move nothing, as the
// list of the program's own does.
class SkippingList : public WalkingList {
public:
    void UpdateFormatListNoneMoved(int pos, int length) override
    {
        updates.push_back({pos, length});
        ::UpdateFormatListNoneMoved(list);
    }
};

using Scan = void (*)(UnicodeString&, TFormatListHost&);

Outcome Scanned(Scan scan, WalkingList& host, const UnicodeString& in, const std::vector<UnicodeString>& before)
{
    for (const auto& e : before)
        host.list.Add(e);
    Outcome o = Counted(in, [&](UnicodeString& t) { scan(t, host); });
    o.entries = host.list.Items();
    o.updates = host.updates;
    return o;
}

void SameScan(const UnicodeString& in, int variant)
{
    // Entries left from before make the upkeep walk and move them.
    static const std::vector<UnicodeString> before[] = {
        {}, {"1 bold 5", "40 clRed 00", "x", "9 clAqua 12"}, {"2 bold 00", "7 clRed q", "8 bold 9"}};
    const auto& entries = before[static_cast<std::size_t>(variant) % std::size(before)];
    WalkingList reference, walking;
    SkippingList skipping;
    const Outcome want = Scanned(&literal::ColorStyleScan, reference, in, entries);
    Compare("the scan, every upkeep walked", in, want, Scanned(&ColorStyleScan, walking, in, entries));
    Compare("the scan, walks that move nothing skipped", in, want,
            Scanned(&ColorStyleScan, skipping, in, entries));
}

struct Check {
    const char* family;
    std::function<void(const UnicodeString&, int variant)> run;
};

std::vector<Check> AllChecks()
{
    std::vector<Check> checks;
    const auto list = [&checks](const char* family, std::string name, const LoopList& l) {
        checks.push_back({family, [name, &l](const UnicodeString& in, int v) { SameOnList(name, l, in, v); }});
    };
    list("pass2", "Pass2, every loop", Normaliser::AllLoops());
    for (int k = 0; k < Normaliser::StageCount; ++k) {
        const auto stage = static_cast<Normaliser::Stage>(k);
        list("pass2", std::string("Pass2 stage ") + Normaliser::Name(stage), Normaliser::Loops(stage));
    }
    list("pass3", "Pass3", StripLoops::Pass3());
    list("trailing", "trailing codes", StripLoops::TrailingCodes());
    list("strippers", "RemStyles", StripLoops::RemStyles());
    list("strippers", "RemEscapes", StripLoops::RemEscapes());
    list("remover", "FormatContent", RemoverLoops::FormatContent());
    list("remover", "RemoveEscapes", RemoverLoops::RemoveEscapes());
    list("remover", "RemoveAllBolds", RemoverLoops::RemoveAllBolds());
    list("remover", "RemoveAllUnderlines", RemoverLoops::RemoveAllUnderlines());
    checks.push_back({"scan", SameScan});
    checks.push_back({"pass1", [](const UnicodeString& in, int) {
                          Compare("Pass1", in, Counted(in, [](UnicodeString& t) { t = literal::PrepareLine(t); }),
                                  Counted(in, [](UnicodeString& t) { t = TColorParser::PrepareLine(t); }));
                      }});
    checks.push_back({"pad", [](const UnicodeString& in, int) {
                          Compare("the pad scan", in, Counted(in, [](UnicodeString& t) { literal::PadScan(t); }),
                                  Counted(in, [](UnicodeString& t) { Normaliser::PadScan(t); }));
                      }});
    return checks;
}

// The checks this run picks from: all, or one family's.
const std::vector<Check>& Checks()
{
    static const std::vector<Check> checks = [] {
        std::vector<Check> all = AllChecks();
        const char* family = std::getenv("TINTLINE_FUZZ_FAMILY");
        if (family == nullptr || *family == '\0')
            return all;
        std::vector<Check> some;
        for (auto& c : all)
            if (std::strcmp(c.family, family) == 0)
                some.push_back(std::move(c));
        if (some.empty()) {
            std::fprintf(stderr, "TINTLINE_FUZZ_FAMILY=%s: no such family (pass2, pass3, trailing, strippers, "
                                 "remover, scan, pass1, pad)\n", family);
            std::exit(2);
        }
        return some;
    }();
    return checks;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto& checks = Checks();
    const std::size_t pick = data[0] % checks.size();
    const int variant = static_cast<int>(data[0] / checks.size() % 8);
    checks[pick].run(fz::TextFrom(data + 1, size - 1), variant);
    return 0;
}
