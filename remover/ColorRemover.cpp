#include "ColorRemover.h"

#include "Codes.h"

#include <initializer_list>

namespace {

using Loops = std::vector<RuleLoop>;

Loops StripEach(std::initializer_list<char16_t> codes)
{
    Loops l;
    for (char16_t code : codes)
        l.push_back(RuleLoop::Strip(UnicodeString(code)));
    return l;
}

// Pairs with a one-digit foreground and a background "10".."15": the rows of
// the one-two table after its first hundred.
std::vector<UnicodeString> PairsWithHighBackground()
{
    const auto& t = Codes::ColorPairCodes12();
    return {t.begin() + 100, t.end()};
}

} // namespace

const Loops& RemoverLoops::FormatContent()
{
    static const Loops loops = [] {
        Loops l;
        l.push_back(RuleLoop::StripStage(Codes::ColorPairCodes22()));
        std::vector<UnicodeString> five = Codes::ColorPairCodes21();
        const auto high = PairsWithHighBackground();
        five.insert(five.end(), high.begin(), high.end());
        l.push_back(RuleLoop::StripStage(five));
        l.push_back(RuleLoop::StripStage(Codes::ColorPairCodes11()));
        l.push_back(RuleLoop::StripStage(Codes::ColorCodes2()));
        l.push_back(RuleLoop::StripStage(Codes::ColorCodes1()));
        // The second reset loop finds nothing left; it still pumps once.
        for (auto& loop : StripEach({ctrlT, ctrlI, ctrlS, ctrlU, ctrlB, ctrlC, ctrlTab, ctrlG, ctrlT}))
            l.push_back(std::move(loop));
        return l;
    }();
    return loops;
}

const Loops& RemoverLoops::RemoveAllBolds()
{
    static const Loops loops = StripEach({ctrlB});
    return loops;
}

const Loops& RemoverLoops::RemoveAllUnderlines()
{
    static const Loops loops = StripEach({ctrlU});
    return loops;
}

const Loops& RemoverLoops::RemoveEscapes()
{
    static const Loops loops = StripEach({ctrlB, ctrlC, ctrlU, ctrlS, ctrlT});
    return loops;
}

UnicodeString TColorRemover::FormatContent(UnicodeString Source)
{
    RunLoops(Source, RemoverLoops::FormatContent());
    return Source;
}

UnicodeString TColorRemover::RemoveAllBolds(UnicodeString Source)
{
    RunLoops(Source, RemoverLoops::RemoveAllBolds());
    return Source;
}

UnicodeString TColorRemover::RemoveAllUnderlines(UnicodeString Source)
{
    RunLoops(Source, RemoverLoops::RemoveAllUnderlines());
    return Source;
}

UnicodeString TColorRemover::RemoveEscapes(UnicodeString Source)
{
    RunLoops(Source, RemoverLoops::RemoveEscapes());
    return Source;
}
