// The two code strippers: style codes alone, or style and colour codes.
#include "ColorParser.h"
#include "StripLoops.h"

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
