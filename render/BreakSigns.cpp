// The signs shown for the units a Qt text control would break a line at.
#include "BreakSigns.h"

void ShowBreakSigns(QString& s, qsizetype from)
{
    for (qsizetype i = from; i < s.size(); ++i) {
        const char16_t u = s.at(i).unicode();
        const char16_t sign = BreakSign(u);
        if (sign != u)
            s[i] = QChar(sign);
    }
}
