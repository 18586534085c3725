#pragma once
// The drawing of the part of the line edit's laid-out line that shows, the
// same as the layout's drawing of the whole line: the text, and a selection
// as a highlight with its text in the highlighted colour. It costs what
// shows, whatever the directions of the text.
//
// The Qt code it follows, the same in Qt 6.4.2 and 6.8.2 but where said,
// each held to a plain QLineEdit by EditFieldTest::looksLikeALineEdit:
// - QTextLine::draw_internal (qtextlayout.cpp) walks the items of its line
//   with QTextLineItemIterator::next in the order QTextEngine::bidiReorder
//   gives them; drawn on the line narrowed to a run of items that stand side
//   by side in the text, it draws them in the same order and with the same
//   glyphs as in the whole line (the "right to left words", "alternating
//   directions" and "embeddings" rows). Qt 6.8.2 draws the backgrounds of
//   all the line's items before their text, 6.4.2 each item's before its
//   text: drawn run by run, a background (only an input method's preedit
//   format has one) covers no text of another run, but where ink reaches
//   past an item's advance.
// - QTextEngine::calculateTabWidth measures each tab again from
//   the narrowed line's start, so runs leave tabs out, which draw nothing
//   unformatted ("coded" rows);
// - QTextLineItemIterator::next shows a soft hyphen that ends its line, so a
//   run that ends inside the line ends before its soft hyphens ("soft
//   hyphens" rows);
// - QTextLayout::draw draws a selection as a highlight of each item's
//   selected part (addSelectedRegionsToPath, from
//   QTextLineItemIterator::getSelectionBounds) widened to whole pixels, the
//   items it touches drawn clipped to it in the highlighted colour, the rest
//   clipped to the line's box outside it (every row with a selection).
#include "LineItems.h"

#include <QBrush>
#include <QPoint>
#include <QRect>

#include <vector>

class QPainter;
class QTextLayout;

class TShownLine {
public:
    struct Selection {
        int start;
        int end;
        QBrush highlight;
        QBrush highlightedText;
    };

    // Finds the items that reach into [left, right) (pixels from the line's
    // start) and the runs they are drawn in. False when they are too many
    // runs to draw one by one, or a tab in a format range shows (the layout
    // draws the format of a tab only as part of its line).
    bool Plan(QTextLayout& layout, const TLineItems& items, qreal left, qreal right);
    // Draws what Plan found, the line starting at topLeft, within clip.
    void Draw(QPainter& p, QTextLayout& layout, const TLineItems& items, const QPoint& topLeft, const QRect& clip,
              const Selection* selection) const;

    // More runs than this are left to the layout's drawing of the whole line.
    static constexpr int MostRuns = 2048;

    // Items that stand side by side on screen and follow each other in the
    // text: the layout draws them as one part of its line.
    struct Run {
        int from; // visual places [from, to)
        int to;
        int lowItem; // the items of the run, in the text's order
        int highItem;
    };

private:
    int first_ = 0;
    int last_ = 0;
    std::vector<Run> runs_;
};
