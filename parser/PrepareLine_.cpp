// Pass3: a colour code repeated back to back collapses to one copy.
#include "ColorParser.h"
#include "StripLoops.h"

UnicodeString TColorParser::PrepareLine_(UnicodeString Input)
{
    StripLoops::Pass3().Run(Input);
    return Input;
}
