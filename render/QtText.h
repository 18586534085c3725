#pragma once
// Texts cross between the program's text value and Qt as a plain copy of
// their UTF-16 units, lone surrogates and control codes included.
#include "UnicodeString.h"

#include <QString>

inline QString ToQString(const UnicodeString& s)
{
    return QString(reinterpret_cast<const QChar*>(s.str().data()), static_cast<qsizetype>(s.str().size()));
}

inline UnicodeString FromQString(const QString& s)
{
    return UnicodeString(
        std::u16string(reinterpret_cast<const char16_t*>(s.constData()), static_cast<std::size_t>(s.size())));
}
