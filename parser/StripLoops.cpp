// The loop lists of Pass3, the trailing-code strip and the two code
// strippers, side by side: the order of the codes in each is its own.
#include "StripLoops.h"

#include "Codes.h"

namespace {

void Append(std::vector<RuleLoop>& loops, const std::vector<RuleLoop>& more)
{
    loops.insert(loops.end(), more.begin(), more.end());
}

} // namespace

const LoopList& StripLoops::Pass3()
{
    static const LoopList loops = [] {
        std::vector<RuleLoop> l;
        for (const auto& doubled : Codes::DoubledColorCodes2())
            l.push_back(RuleLoop::Collapse(doubled));
        // "0" has no loop: a doubled 0x03 "0" stays.
        const auto& ones = Codes::DoubledColorCodes1();
        for (auto it = ones.begin() + 1; it != ones.end(); ++it)
            l.push_back(RuleLoop::Collapse(*it));
        return l;
    }();
    return loops;
}

const LoopList& StripLoops::TrailingCodes()
{
    static const LoopList loops = [] {
        RuleLoop loop = RuleLoop::StripStage({ctrlB, ctrlC, ctrlI, ctrlS, ctrlU, ctrlT});
        // The repeat test asks for the same codes in its own order; it
        // decides only the passes.
        loop.guards = RuleLoop::StripStage({ctrlB, ctrlC, ctrlT, ctrlU, ctrlS, ctrlI}).guards;
        loop.anchored = true;
        return std::vector<RuleLoop>{loop};
    }();
    return loops;
}

const LoopList& StripLoops::RemStyles()
{
    static const LoopList loops = RuleLoop::StripEach({ctrlB, ctrlU, ctrlS, ctrlI, ctrlTab, ctrlG, ctrlT});
    return loops;
}

const LoopList& StripLoops::RemEscapes()
{
    static const LoopList loops = [] {
        std::vector<RuleLoop> l = RuleLoop::StripEach({ctrlT, ctrlB});
        Append(l, RuleLoop::StripEach(Codes::ColorCodes2()));
        // The last reset loop finds nothing left; it still pumps once.
        Append(l, RuleLoop::StripEach({ctrlC, ctrlU, ctrlS, ctrlI, ctrlTab, ctrlG, ctrlT}));
        return l;
    }();
    return loops;
}
