#pragma once
// Shared pieces of the Qt tests: texts as Qt sees them, a fake window
// view and per-character read-back of the preview's formats.
#include "Application.h"
#include "Codes.h"
#include "Color.h"
#include "FormatList.h"
#include "QtText.h"
#include "RenderView.h"
#include "RichEdit.h"
#include "StringList.h"
#include "TestText.h"
#include "UnicodeString.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cstdint>
#include <initializer_list>
#include <vector>

Q_DECLARE_METATYPE(UnicodeString)

namespace rt {

using tt::B, tt::C, tt::R, tt::I, tt::S, tt::U, tt::G, tt::Tab, tt::Piece, tt::T;

inline const UnicodeString Bullet(u"\u2022");

inline QString Q(const UnicodeString& s) { return ToQString(s); }

inline QStringList Q(const TStrings& list)
{
    QStringList out;
    for (int i = 0; i < list.Count(); ++i)
        out << Q(list.Get(i));
    return out;
}

inline void Fill(TStrings& list, const QStringList& entries)
{
    list.Clear();
    for (const QString& e : entries)
        list.Add(UnicodeString(e.toStdU16String()));
}

// What the window gives a rendering job, held in plain members.
class FakeView : public TRenderView {
public:
    FakeView()
    {
        preview.resize(560, 61);
        preview.SetColor(ColorFromTColor(0x400000));
        preview.SetFontColor(ColorFromTColor(0xFFFFFF));
        QFont f = preview.font();
        f.setPointSize(12);
        preview.setFont(f);
    }

    void MemoAdd(const UnicodeString& line) override { memo << Q(line); }
    TRichEdit& Preview() override { return preview; }
    TStrings& FormatList() override { return list; }
    bool ColorType() const override { return colortype; }
    UnicodeString LeadMarker() const override { return NBL; }
    UnicodeString BracketMarker() const override { return NBR; }
    void UpdateFormatList(int pos, int length) override
    {
        updates.push_back({pos, length});
        ::UpdateFormatList(list, pos, length);
    }

    TRichEdit preview;
    TStringList list;
    QStringList memo;
    bool colortype = false;
    UnicodeString NBL = Bullet;
    UnicodeString NBR = ">";
    std::vector<std::pair<int, int>> updates;
};

inline QTextCharFormat FormatAt(const TRichEdit& edit, int position)
{
    const QTextBlock block = edit.document()->findBlock(position);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (position >= f.position() && position < f.position() + f.length())
            return f.charFormat();
    }
    return {};
}

// One letter per character from position from: b blue, r red, k black,
// w white, g green, f the preview font's colour, - none set, ? other.
inline QString ColorMap(const TRichEdit& edit, int from, int count)
{
    QString out;
    for (int p = from; p < from + count; ++p) {
        const QTextCharFormat f = FormatAt(edit, p);
        if (!f.hasProperty(QTextFormat::ForegroundBrush)) {
            out += '-';
            continue;
        }
        const QColor c = f.foreground().color();
        const std::uint32_t t = TColorFromColor(c);
        if (c == edit.FontColor())
            out += 'f';
        else if (t == 0xFF0000)
            out += 'b';
        else if (t == 0x0000FF)
            out += 'r';
        else if (t == 0x000000)
            out += 'k';
        else if (t == 0xFFFFFF)
            out += 'w';
        else if (t == 0x008000)
            out += 'g';
        else
            out += '?';
    }
    return out;
}

// One digit per character: 1 where the style is on.
inline QString StyleMap(const TRichEdit& edit, int from, int count, TFontStyle style)
{
    QString out;
    for (int p = from; p < from + count; ++p) {
        const QTextCharFormat f = FormatAt(edit, p);
        bool on = false;
        switch (style) {
        case fsBold: on = f.fontWeight() >= QFont::Bold; break;
        case fsItalic: on = f.fontItalic(); break;
        case fsUnderline: on = f.fontUnderline(); break;
        case fsStrikeOut: on = f.fontStrikeOut(); break;
        }
        out += on ? '1' : '0';
    }
    return out;
}

// Point sizes per character, as "12,12,-" (- for none set).
inline QString SizeMap(const TRichEdit& edit, int from, int count)
{
    QStringList out;
    for (int p = from; p < from + count; ++p) {
        const QTextCharFormat f = FormatAt(edit, p);
        out << (f.hasProperty(QTextFormat::FontPointSize) ? QString::number(f.fontPointSize()) : QString("-"));
    }
    return out.join(',');
}

// The document's text as stored, one unit per position, breaks as U+2029.
inline QString StoredText(const TRichEdit& edit)
{
    QString s;
    for (QTextBlock b = edit.document()->begin(); b.isValid(); b = b.next()) {
        if (b != edit.document()->begin())
            s += QChar(QChar::ParagraphSeparator);
        s += b.text();
    }
    return s;
}

} // namespace rt
