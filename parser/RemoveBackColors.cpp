// Pass2: nine stages of rule loops leave every numbered colour code as 0x03
// and a colour index "00".."15", then the pad scan finishes the padding.
#include "Application.h"
#include "Codes.h"
#include "ColorParser.h"
#include "NormaliserTables.h"

namespace Normaliser {
namespace {

bool IsDigit(const UnicodeString& c, char16_t last)
{
    return c.Length() == 1 && c[1] >= u'0' && c[1] <= last;
}

} // namespace

void PadScan(UnicodeString& Input)
{
    static const UnicodeString zeroCode = UnicodeString(ctrlC) + "0";
    static const UnicodeString oneCode = UnicodeString(ctrlC) + "1";
    static const UnicodeString zero("0");
    // The length is read anew each time: an inserted "0" lengthens the walk.
    for (int a = 0; a < Input.Length(); ++a) {
        Application->ProcessMessages();
        // At a = 0 both reads start at position 1, so the look-ahead is the
        // digit itself and nothing is padded; a = 1 visits the code again.
        if (Input.SubString(a, 2) == zeroCode && !IsDigit(Input.SubString(a + 2, 1), u'9'))
            Input.Insert(zero, a + 1);
        if (Input.SubString(a, 2) == oneCode && !IsDigit(Input.SubString(a + 2, 1), u'5'))
            Input.Insert(zero, a + 1);
    }
}

} // namespace Normaliser

UnicodeString TColorParser::RemoveBackColors(UnicodeString Input)
{
    RunLoops(Input, Normaliser::AllLoops());
    Normaliser::PadScan(Input);
    return Input;
}
