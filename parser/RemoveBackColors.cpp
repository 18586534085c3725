// Pass2: nine stages of rule loops leave every numbered colour code as 0x03
// and a colour index "00".."15", then the pad scan finishes the padding.
#include "ColorParser.h"
#include "NormaliserTables.h"
#include "PadScan.h"

UnicodeString TColorParser::RemoveBackColors(UnicodeString Input)
{
    Normaliser::AllLoops().Run(Input);
    Normaliser::PadScan(Input);
    return Input;
}
