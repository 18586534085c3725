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
#include "FuzzText.h"
#include "LiteralPasses.h"
#include "LiteralScan.h"
#include "NormaliserTables.h"
#include "Outcome.h"
#include "PadScan.h"
#include "RuleLoop.h"
#include "ScanRun.h"
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

using tt::Outcome;

[[noreturn]] void Different(const std::string& what, const UnicodeString& in, const std::string& want,
                            const std::string& got)
{
    std::fprintf(stderr, "\nDIFFERENT: %s\n  input:   \"%s\"\n  literal: %s\n  fast:    %s\n", what.c_str(),
                 Printable(in).c_str(), want.c_str(), got.c_str());
    std::abort();
}

void Compare(const std::string& what, const UnicodeString& in, const Outcome& want, const Outcome& got)
{
    if (got != want)
        Different(what, in, tt::Describe(want), tt::Describe(got));
}

void Compare(const std::string& what, const UnicodeString& in, const tt::ScanRun& want, const tt::ScanRun& got)
{
    if (got != want)
        Different(what, in, tt::Describe(want), tt::Describe(got));
}

int ChunkSize(int variant, const UnicodeString& in)
{
    static constexpr int sizes[] = {1, 2, 3, 5, 8, 16, LoopList::DefaultChunkSize};
    return variant < 7 ? sizes[variant] : in.Length() / 3 + 1; // a few long chunks
}

void SameOnList(const std::string& name, const LoopList& list, const UnicodeString& in, int variant)
{
    const Outcome want = tt::RunCounted([&](UnicodeString& t) { list.RunLiteral(t); }, in);
    const int size = ChunkSize(variant, in);
    Compare(name + ", fast engine, chunks of " + std::to_string(size), in, want,
            tt::RunCounted([&](UnicodeString& t) { list.RunFast(t, size); }, in));
    Compare(name + ", the engine Run picks", in, want, tt::RunCounted([&](UnicodeString& t) { list.Run(t); }, in));
}

void SameScan(const UnicodeString& in, int variant)
{
    // Entries left from before make the upkeep walk and move them.
    static const std::vector<UnicodeString> before[] = {
        {}, {"1 bold 5", "40 clRed 00", "x", "9 clAqua 12"}, {"2 bold 00", "7 clRed q", "8 bold 9"}};
    const auto& entries = before[static_cast<std::size_t>(variant) % std::size(before)];
    tt::RecordingFormatList reference, walking;
    tt::SkippingFormatList skipping;
    const tt::ScanRun want = tt::RunScan(&literal::ColorStyleScan, reference, in, entries);
    Compare("the scan, every upkeep walked", in, want, tt::RunScan(&ColorStyleScan, walking, in, entries));
    Compare("the scan, walks that move nothing skipped", in, want, tt::RunScan(&ColorStyleScan, skipping, in, entries));
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
                          Compare("Pass1", in, tt::RunCounted(tt::Step(&literal::PrepareLine), in),
                                  tt::RunCounted(tt::Step(&TColorParser::PrepareLine), in));
                      }});
    checks.push_back({"pad", [](const UnicodeString& in, int) {
                          Compare("the pad scan", in, tt::RunCounted(&literal::PadScan, in),
                                  tt::RunCounted(&Normaliser::PadScan, in));
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
            std::fprintf(stderr,
                         "TINTLINE_FUZZ_FAMILY=%s: no such family (pass2, pass3, trailing, strippers, "
                         "remover, scan, pass1, pad)\n",
                         family);
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
