#pragma once
// The signs shown for the units a Qt text control would break a line at: a
// document starts a new block at CR, LF, U+2029 and the two frame marks, and
// its layout a new row at U+2028. As a sign, such a unit stays one position
// and one glyph in its row, like any other character, and a line stays one
// row however many breaks it holds (Qt's document layout cannot place rows
// beyond 2^23 pixels from the top, ShownRows.h: PreviewRowsTest::
// breaksStayOneRow, MemoSlicesTest::everyLineIsOneRow).
#include <QString>

// The sign shown for unit, or unit itself when it breaks nothing.
constexpr char16_t BreakSign(char16_t unit)
{
    switch (unit) {
    case u'\n': return 0x240A; // symbol for line feed
    case u'\r': return 0x240D; // symbol for carriage return
    case 0x2028:               // line and paragraph separators,
    case 0x2029:               // the frame marks: no symbol of their own
    case 0xFDD0:
    case 0xFDD1: return 0xFFFD;
    default: return unit;
    }
}

// Replaces every unit of s from index from on by the sign shown for it.
void ShowBreakSigns(QString& s, qsizetype from = 0);
