// The run of formatting codes that closes a text goes. Works on the reversed
// text so the end codes stand at position 1, where the loop is anchored.
#include "Codes.h"
#include "ColorParser.h"
#include "StripLoops.h"

const LoopList& StripLoops::TrailingCodes()
{
    static const LoopList loops = [] {
        std::vector<UnicodeString> tests;
        for (char16_t code : {ctrlB, ctrlC, ctrlI, ctrlS, ctrlU, ctrlT})
            tests.push_back(UnicodeString(code));
        RuleLoop loop = RuleLoop::StripStage(tests);
        // The repeat test asks in its own order; it decides only the passes.
        loop.guards.clear();
        for (char16_t code : {ctrlB, ctrlC, ctrlT, ctrlU, ctrlS, ctrlI})
            loop.guards.push_back(UnicodeString(code));
        loop.anchored = true;
        return std::vector<RuleLoop>{loop};
    }();
    return loops;
}

UnicodeString TColorParser::RemoveLastChars(UnicodeString Input)
{
    UnicodeString Dummy = ReverseString(Input);
    StripLoops::TrailingCodes().Run(Dummy);
    return ReverseString(Dummy);
}
