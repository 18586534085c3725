#pragma once
// The edit field's line as the line edit lays it out, laid out once per
// change of text or font, and drawn only where it shows.
#include <QFont>
#include <QHash>
#include <QString>
#include <QTextLayout>

#include <vector>

class QPainter;

class TShownLine {
public:
    // Lays the text out again when it or the font changed since the last call.
    void Update(const QString& text, const QFont& font);

    qreal CursorToX(int pos) const { return layout_.lineAt(0).cursorToX(pos); }
    qreal NaturalWidth() const { return layout_.lineAt(0).naturalTextWidth(); }
    int Ascent() const { return qRound(layout_.lineAt(0).ascent()); }
    qreal Height() const { return layout_.lineAt(0).height(); }
    // The height that the line edit centres in the field: that of the box of
    // the text with its codes, at least the font's height.
    int BoxHeight() const { return boxHeight_; }
    // Right-to-left or embedding characters: their selections need the
    // line edit's own drawing.
    bool HasBidi() const { return bidi_; }

    // The text, then the selection if any, as the line edit draws them at
    // topLeft, but only the glyphs that reach clip when nothing is selected.
    void Draw(QPainter& p, const QPoint& topLeft, const QRect& clip, const QTextLayout::FormatRange* selection) const;
    void DrawCursor(QPainter& p, const QPoint& topLeft, int pos, int width) const;

private:
    void Measure(const QString& text);

    QString text_;
    QFont font_;
    bool laidOut_ = false;
    QTextLayout layout_;
    int boxHeight_ = 0;
    bool bidi_ = false;
    // Whether a character's own box stays inside the font's, per font.
    std::vector<signed char> unitInside_;
    QHash<char32_t, bool> pointInside_;
};
