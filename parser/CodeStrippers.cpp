// The two code strippers: style codes alone, or style and colour codes.
#include "Codes.h"
#include "ColorParser.h"
#include "StripLoops.h"

const LoopList& StripLoops::RemStyles()
{
    static const LoopList loops = [] {
        std::vector<RuleLoop> l;
        for (char16_t code : {ctrlB, ctrlU, ctrlS, ctrlI, ctrlTab, ctrlG, ctrlT})
            l.push_back(RuleLoop::Strip(UnicodeString(code)));
        return l;
    }();
    return loops;
}

const LoopList& StripLoops::RemEscapes()
{
    static const LoopList loops = [] {
        std::vector<RuleLoop> l;
        for (char16_t code : {ctrlT, ctrlB})
            l.push_back(RuleLoop::Strip(UnicodeString(code)));
        for (const auto& colour : Codes::ColorCodes2())
            l.push_back(RuleLoop::Strip(colour));
        // The last reset loop finds nothing left; it still pumps once.
        for (char16_t code : {ctrlC, ctrlU, ctrlS, ctrlI, ctrlTab, ctrlG, ctrlT})
            l.push_back(RuleLoop::Strip(UnicodeString(code)));
        return l;
    }();
    return loops;
}

UnicodeString TColorParser::RemStyles(UnicodeString Source)
{
    StripLoops::RemStyles().Run(Source);
    return Source;
}

UnicodeString TColorParser::RemEscapes(UnicodeString Source)
{
    StripLoops::RemEscapes().Run(Source);
    return Source;
}
