// The box height of the edit field's text: when every character's own box
// stays inside the font's, the text's box is the font's, and only the
// characters are measured, each once per font.
#include "BoxHeight.h"

#include <QFontMetrics>

namespace {

enum : signed char { Unknown = -1, Outside = 0, Within = 1 };

// A combining mark is placed by its neighbour, so never counts as inside.
bool StaysInside(char32_t c, const QString& alone, const QFontMetrics& fm, const QRect& base)
{
    if (QChar::isMark(c))
        return false;
    const QRect box = fm.boundingRect(alone);
    return box.height() == 0 || (box.top() >= base.top() && box.bottom() <= base.bottom());
}

} // namespace

int TBoxHeight::Of(const QString& text, const QString& preedit, const QFont& font)
{
    if (measured_ && text == text_ && preedit == preedit_ && font == font_)
        return height_;
    if (!measured_ || !(font == font_)) {
        unitInside_.assign(0x10000, Unknown);
        pointInside_.clear();
    }
    text_ = text;
    preedit_ = preedit;
    font_ = font;
    measured_ = true;
    height_ = Measure(text, preedit);
    return height_;
}

int TBoxHeight::Measure(const QString& text, const QString& preedit) const
{
    const QFontMetrics fm(font_);
    const QRect base = fm.boundingRect(QStringLiteral(" "));
    if (base.height() <= fm.height() && Inside(text, fm, base) && Inside(preedit, fm, base))
        return fm.height();
    return qMax(fm.boundingRect(text + preedit).height(), fm.height());
}

bool TBoxHeight::Inside(const QString& text, const QFontMetrics& fm, const QRect& base) const
{
    const char16_t* units = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        bool inside;
        if (QChar::isHighSurrogate(units[i]) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            const char32_t c = QChar::surrogateToUcs4(units[i], units[i + 1]);
            auto known = pointInside_.constFind(c);
            if (known == pointInside_.cend())
                known = pointInside_.insert(c, StaysInside(c, text.mid(i, 2), fm, base));
            inside = *known;
            ++i;
        } else {
            signed char& known = unitInside_[units[i]];
            if (known == Unknown)
                known = StaysInside(units[i], QString(QChar(units[i])), fm, base) ? Within : Outside;
            inside = known == Within;
        }
        if (!inside)
            return false;
    }
    return true;
}
