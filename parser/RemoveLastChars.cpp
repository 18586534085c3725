// The run of formatting codes that closes a text goes. Works on the reversed
// text so the end codes stand at position 1, where the loop is anchored.
#include "ColorParser.h"
#include "StripLoops.h"

UnicodeString TColorParser::RemoveLastChars(UnicodeString Input)
{
    UnicodeString Dummy = ReverseString(Input);
    StripLoops::TrailingCodes().Run(Dummy);
    return ReverseString(Dummy);
}
