#pragma once
// The step-by-step forms of Pass1 and of the pad scan: every test a search
// from the start of the text, every edit a deletion or insertion in place,
// one pump per iteration. The program's faster forms must give the same
// text and the same pumps.
#include "Application.h"
#include "CodeSets.h"
#include "Codes.h"
#include "Exception.h"
#include "UnicodeString.h"

namespace literal {

inline void DropFormFeeds(UnicodeString& Line)
{
    const UnicodeString ff(ctrlFF);
    while (Line.Pos(ff) > 0)
        Line.Delete(Line.Pos(ff), 1);
}

inline void DropLeadWrapCodes(UnicodeString& Line)
{
    const char16_t wrap[] = {ctrlC, ctrlB, ctrlI, ctrlT, ctrlU, ctrlS};
    const char16_t lead[] = {ctrlB, ctrlC, ctrlT, ctrlI, ctrlU, ctrlS, ctrlG};
    for (char16_t x : wrap) {
        for (char16_t y : wrap) {
            if (y == x)
                continue;
            const UnicodeString triple = Codes::Text({x, y, x});
            if (Line.Pos(triple) == 0)
                continue;
            const UnicodeString before = Line.SubString(1, Line.Pos(UnicodeString(x)) - 1);
            bool blocked = false;
            for (char16_t code : lead)
                if (before.Pos(UnicodeString(code)) > 0)
                    blocked = true;
            if (!blocked)
                Line.Delete(Line.Pos(triple), 1);
        }
    }
}

// One background strip loop; false when the pass ends early.
inline bool StripBackground(UnicodeString& Line, const UnicodeString& head)
{
    const int k = head.Length();
    do {
        Application->ProcessMessages();
        bool dbl_flag = false;
        if (Line.Pos(head) == 0)
            continue;
        int pos = 0;
        int a = 0;
        try {
            pos = Line.Pos(head);
            a = Line.SubString(pos + k, 2).ToInt();
            dbl_flag = true;
        } catch (const Exception&) {
            try {
                pos = Line.Pos(head);
                a = Line.SubString(pos + k, 1).ToInt();
            } catch (const Exception&) {
                return false;
            }
        }
        if (a > 9)
            Line.Delete(pos + k - 1, 3);
        if (a < 10) {
            Line.Delete(pos + k - 1, dbl_flag ? 3 : 2);
            dbl_flag = false;
        }
    } while (Line.Pos(head) > 0);
    return true;
}

inline UnicodeString PrepareLine(UnicodeString Line)
{
    DropFormFeeds(Line);
    DropLeadWrapCodes(Line);
    for (const auto& head : tt::CommaHeads())
        if (!StripBackground(Line, head))
            break;
    return Line;
}

inline bool IsDigitText(const UnicodeString& c, char16_t last)
{
    return c.Length() == 1 && c[1] >= u'0' && c[1] <= last;
}

// The pad scan; the length is read anew in every iteration.
inline void PadScan(UnicodeString& Input)
{
    const UnicodeString zeroCode = UnicodeString(ctrlC) + "0";
    const UnicodeString oneCode = UnicodeString(ctrlC) + "1";
    for (int a = 0; a < Input.Length(); ++a) {
        Application->ProcessMessages();
        if (Input.SubString(a, 2) == zeroCode && !IsDigitText(Input.SubString(a + 2, 1), u'9'))
            Input.Insert("0", a + 1);
        if (Input.SubString(a, 2) == oneCode && !IsDigitText(Input.SubString(a + 2, 1), u'5'))
            Input.Insert("0", a + 1);
    }
}

} // namespace literal
