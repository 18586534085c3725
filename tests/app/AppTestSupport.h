#pragma once
// Helpers for the window tests: texts from units, the memo as a list.
#include "MainForm.h"
#include "QtText.h"
#include "TestText.h"

#include <QStringList>

#include <initializer_list>

namespace at {

// A text of single units and literal pieces, as the edit field takes it:
// Q({0x03, "12", u'x'}).
inline QString Q(std::initializer_list<tt::Piece> pieces) { return ToQString(tt::T(pieces)); }

inline QStringList MemoTexts(const TForm1& form)
{
    QStringList lines;
    for (int i = 0; i < form.MemoLines().Count(); ++i)
        lines << ToQString(form.MemoLines().Get(i));
    return lines;
}

} // namespace at
