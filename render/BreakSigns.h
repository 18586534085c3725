#pragma once
// The signs shown for the units a Qt text control would break a line at: a
// document starts a new block at CR, LF, U+2029 and the two frame marks, and
// its layout a new row at U+2028. As a sign, such a unit stays one position
// and one glyph in its row, like any other character, and a line stays one
// row however many breaks it holds (Qt's document layout cannot place rows
// beyond 2^23 pixels from the top, ShownRows.h: PreviewRowsTest::
// breaksStayOneRow, MemoSlicesTest::everyLineIsOneRow).
//
// Each kind has a sign of its own, no blank and no U+FFFD, so that a reader
// tells them apart from each other and from a U+FFFD in the line; all are
// arrows and marks of the DejaVu fonts the program is set up with
// (BreakSignsTest: the memo and the preview of the started window draw each
// with a glyph):
//   LF      ↓ U+2193  down a line
//   CR      ← U+2190  back to the line's start
//   U+2028  ↵ U+21B5  a line break within a paragraph
//   U+2029  ¶ U+00B6  the end of a paragraph
//   U+FDD0  ⟦ U+27E6  Qt's mark of a frame's start
//   U+FDD1  ⟧ U+27E7  and of its end
#include <QString>

// The sign shown for unit, or unit itself when it breaks nothing.
constexpr char16_t BreakSign(char16_t unit)
{
    switch (unit) {
    case u'\n': return 0x2193;
    case u'\r': return 0x2190;
    case 0x2028: return 0x21B5;
    case 0x2029: return 0x00B6;
    case 0xFDD0: return 0x27E6;
    case 0xFDD1: return 0x27E7;
    default: return unit;
    }
}

// Replaces every unit of s from index from on by the sign shown for it.
void ShowBreakSigns(QString& s, qsizetype from = 0);
