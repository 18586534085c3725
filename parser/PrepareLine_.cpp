// Pass3: a colour code repeated back to back collapses to one copy.
#include "Codes.h"
#include "ColorParser.h"
#include "StripLoops.h"

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

UnicodeString TColorParser::PrepareLine_(UnicodeString Input)
{
    StripLoops::Pass3().Run(Input);
    return Input;
}
