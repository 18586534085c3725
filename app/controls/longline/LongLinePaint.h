#pragma once
// The edit field's paint of a long line: what QLineEdit::paintEvent draws,
// with only the part of the line that shows drawn and the box height
// measured once per text.
//
//     TLongLinePaint paint;                  // one per line edit
//     if (!paint.Paint(edit, panel))         // in its paintEvent
//         edit.QLineEdit::paintEvent(e);     // a state it leaves to Qt
//
// It reads and writes the line edit's private parts, which is why the
// build chooses it only on the Qt versions the whole suite has passed on
// (app/controls/CMakeLists.txt lists them).
//
// The Qt code it follows, the same in Qt 6.4.2 and 6.8.2 but where said,
// each held to a plain QLineEdit of the same font, size and style, pixel for
// pixel and in text, caret, selection and caret rectangle, by EditFieldTest:
// - QLineEdit::paintEvent (qlineedit.cpp): the frame
//   (QStyle::PE_PanelLineEdit), the contents rectangle
//   (SE_LineEditContents) less the text margins, and the clip to it
//   (looksLikeALineEdit); the line's box, the height of
//   QFontMetrics::boundingRect of the text with its preedit, at least the
//   font's height, centred with its odd pixel below (looksLikeALineEdit's
//   "tall" rows; TBoxHeight); the horizontal scroll of its "horizontal
//   scrolling" branches, for the default alignment (keysEditLikeALineEdit,
//   crossesLikeALineEdit, looksLikeALineEdit's "right to left" rows); the
//   baseline kept where the font's ascent puts it, less
//   QWidgetLineControl::ascent (the "tall" rows); the text in the
//   palette's text colour, which under the program's style sheet is the one
//   QStyleSheetStyle::styleSheetPalette gives; the cursor width from
//   QStyle::PM_TextCursorWidth, asked with the widget as 6.8.2 asks it
//   and without as 6.4.2 does (blinksLikeALineEdit);
// - QWidgetLineControl::draw (qwidgetlinecontrol.cpp): a selection as one
//   format range in the palette's Highlight and HighlightedText brushes,
//   the text drawn by the layout (TShownLine), then the cursor drawn by the
//   control itself while the line edit shows it (blinksLikeALineEdit);
// - the scroll written into QLineEditPrivate::hscroll and vscroll, where
//   QLineEditPrivate::xToPos, the drag and drop and
//   QLineEdit::inputMethodQuery read it (clicksLikeALineEdit,
//   crossesLikeALineEdit, dropsLikeALineEdit,
//   inputMethodCaretFollowsKeys).
// What a repaint then costs, the text drawn against the line's length, is
// counted by EditFieldCostTest, and the field's memory beside the line
// edit's.
#include "BoxHeight.h"
#include "LineItems.h"
#include "ShownLine.h"

#include <QPoint>
#include <QRect>

class QLineEdit;
class QLineEditPrivate;
class QStyleOptionFrame;

class TLongLinePaint {
public:
    // Paints edit, whose frame is panel, and gives true; false, painting
    // nothing, for a state it leaves to the line edit's own paint: a line
    // shorter than from units with its preedit, states the program never
    // gives the field (an alignment other than the default, another echo
    // mode, an input mask, side widgets), a selection during a composition,
    // and a shown part that TShownLine cannot draw apart.
    bool Paint(QLineEdit& edit, const QStyleOptionFrame& panel, int from);

private:
    // Where QLineEdit::paintEvent puts the line: its box within the
    // contents, the scroll it finds, and the point the layout draws from.
    struct Placed {
        QRect contents;
        int vscroll;
        int hscroll;
        QPoint topLeft;
    };

    static bool DrawsItself(const QLineEditPrivate& d, int from);
    Placed Place(QLineEdit& edit, const QLineEditPrivate& d, const QStyleOptionFrame& panel);
    void Draw(QLineEdit& edit, QLineEditPrivate& d, const QStyleOptionFrame& panel, const Placed& at) const;

    TBoxHeight box_;
    TLineItems items_;
    TShownLine shown_;
};
