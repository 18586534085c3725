// The code remover: the loop list of each operation, and the operations that run them.
#include "ColorRemover.h"

#include "Codes.h"

namespace {

using Loops = std::vector<RuleLoop>;

// Pairs with a one-digit foreground and a background "10".."15": the rows of
// the one-two table after its first hundred.
std::vector<UnicodeString> PairsWithHighBackground()
{
    const auto& t = Codes::ColorPairCodes12();
    return {t.begin() + 100, t.end()};
}

} // namespace

const LoopList& RemoverLoops::FormatContent()
{
    static const LoopList loops = [] {
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
        const Loops codes = RuleLoop::StripEach({ctrlT, ctrlI, ctrlS, ctrlU, ctrlB, ctrlC, ctrlTab, ctrlG, ctrlT});
        l.insert(l.end(), codes.begin(), codes.end());
        return l;
    }();
    return loops;
}

const LoopList& RemoverLoops::RemoveAllBolds()
{
    static const LoopList loops = RuleLoop::StripEach({ctrlB});
    return loops;
}

const LoopList& RemoverLoops::RemoveAllUnderlines()
{
    static const LoopList loops = RuleLoop::StripEach({ctrlU});
    return loops;
}

const LoopList& RemoverLoops::RemoveEscapes()
{
    static const LoopList loops = RuleLoop::StripEach({ctrlB, ctrlC, ctrlU, ctrlS, ctrlT});
    return loops;
}

UnicodeString TColorRemover::FormatContent(UnicodeString Source)
{
    RemoverLoops::FormatContent().Run(Source);
    return Source;
}

UnicodeString TColorRemover::RemoveAllBolds(UnicodeString Source)
{
    RemoverLoops::RemoveAllBolds().Run(Source);
    return Source;
}

UnicodeString TColorRemover::RemoveAllUnderlines(UnicodeString Source)
{
    RemoverLoops::RemoveAllUnderlines().Run(Source);
    return Source;
}

UnicodeString TColorRemover::RemoveEscapes(UnicodeString Source)
{
    RemoverLoops::RemoveEscapes().Run(Source);
    return Source;
}
