#pragma once
// Helpers for the window tests: texts from units, the memo as a list.
#include "MainForm.h"
#include "QtText.h"

#include <QStringList>

#include <initializer_list>

namespace at {

// A text of single units and literal pieces: Q({0x03, "12", 'x'}).
struct Piece {
    QString text;
    Piece(char16_t unit) : text(QChar(unit)) {}
    Piece(char c) : text(QChar(static_cast<char16_t>(static_cast<unsigned char>(c)))) {}
    Piece(const char* s) : text(QString::fromLatin1(s)) {}
};

inline QString Q(std::initializer_list<Piece> pieces)
{
    QString s;
    for (const Piece& p : pieces)
        s += p.text;
    return s;
}

inline QStringList MemoTexts(const TForm1& form)
{
    QStringList lines;
    for (int i = 0; i < form.MemoLines().Count(); ++i)
        lines << ToQString(form.MemoLines().Get(i));
    return lines;
}

} // namespace at
