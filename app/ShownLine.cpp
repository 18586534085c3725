// The edit field's laid-out line: the layout the line edit makes of its text,
// the height it centres, and the drawing of the part that shows.
#include "ShownLine.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>

namespace {

// Glyphs drawn beyond each side of the shown part, for ink that reaches
// past a glyph's own advance.
constexpr int InkMargin = 16;

enum : signed char { Unknown = -1, Inside = 1, Bidi = 2 };

bool IsBidi(char32_t c)
{
    switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirPDF:
    case QChar::DirRLI:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDI: return true;
    default: return false;
    }
}

// What a character does to the line: whether its box stays inside the
// font's (a combining mark is placed by its neighbour, so never counts as
// inside) and whether it brings right-to-left text.
signed char Classify(char32_t c, const QString& alone, const QFontMetrics& fm, const QRect& base)
{
    signed char kind = IsBidi(c) ? Bidi : 0;
    if (!QChar::isMark(c)) {
        const QRect box = fm.boundingRect(alone);
        if (box.height() == 0 || (box.top() >= base.top() && box.bottom() <= base.bottom()))
            kind |= Inside;
    }
    return kind;
}

// The text as the line edit shows it: codes and separators as blanks.
QString Shown(const QString& text)
{
    QString shown = text;
    for (QChar& c : shown)
        if ((c.unicode() < 0x20 && c.unicode() != 0x09) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator
            || c == QChar::ObjectReplacementCharacter)
            c = QChar(0x20);
    return shown;
}

} // namespace

void TShownLine::Update(const QString& text, const QFont& font)
{
    if (laidOut_ && text == text_ && font == font_)
        return;
    if (!laidOut_ || !(font == font_)) {
        unitInside_.assign(0x10000, Unknown);
        pointInside_.clear();
    }
    text_ = text;
    font_ = font;
    laidOut_ = true;
    layout_.setCacheEnabled(true);
    layout_.setFont(font_);
    layout_.setText(Shown(text_));
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout_.setTextOption(option);
    layout_.beginLayout();
    layout_.createLine();
    layout_.endLayout();
    Measure(text_);
}

// The line edit centres the box of the whole text; measuring that box anew
// costs as much as laying a long line out. When every character's own box
// stays inside the font's, the text's box is the font's, and only the
// characters are measured, each once.
void TShownLine::Measure(const QString& text)
{
    const QFontMetrics fm(font_);
    const QRect base = fm.boundingRect(QStringLiteral(" "));
    bool inside = base.height() <= fm.height();
    bidi_ = false;
    const ushort* units = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && (inside || !bidi_); ++i) {
        signed char kind;
        if (QChar::isHighSurrogate(units[i]) && i + 1 < n && QChar::isLowSurrogate(units[i + 1])) {
            const char32_t c = QChar::surrogateToUcs4(units[i], units[i + 1]);
            const auto known = pointInside_.constFind(c);
            kind =
                known != pointInside_.cend() ? *known : *pointInside_.insert(c, Classify(c, text.mid(i, 2), fm, base));
            ++i;
        } else {
            signed char& known = unitInside_[units[i]];
            if (known == Unknown)
                known = Classify(units[i], QString(QChar(units[i])), fm, base);
            kind = known;
        }
        inside = inside && (kind & Inside);
        bidi_ = bidi_ || (kind & Bidi);
    }
    boxHeight_ = inside ? fm.height() : qMax(fm.boundingRect(text).height(), fm.height());
}

void TShownLine::Draw(QPainter& p, const QPoint& topLeft, const QRect& clip,
                      const QTextLayout::FormatRange* selection) const
{
    if (selection) {
        layout_.draw(&p, topLeft, {*selection}, clip);
        return;
    }
    const QTextLine line = layout_.lineAt(0);
    const int n = static_cast<int>(text_.size());
    const int from = qMax(0, line.xToCursor(clip.left() - topLeft.x(), QTextLine::CursorOnCharacter) - InkMargin);
    const int to = qMin(n, line.xToCursor(clip.right() + 1 - topLeft.x(), QTextLine::CursorOnCharacter) + InkMargin);
    for (const QGlyphRun& run : layout_.glyphRuns(from, to - from))
        p.drawGlyphRun(topLeft, run);
}

void TShownLine::DrawCursor(QPainter& p, const QPoint& topLeft, int pos, int width) const
{
    layout_.drawCursor(&p, topLeft, pos, width);
}
