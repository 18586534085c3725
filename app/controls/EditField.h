#pragma once
// The main window's edit field: a line edit that, on a long line, draws only
// the part of the line that shows, so that a pasted megabyte does not make
// every caret blink and every repaint draw the whole line.
#include "BoxHeight.h"
#include "LineItems.h"
#include "ShownLine.h"

#include <QLineEdit>

class QLineEditPrivate;

// On a long line the field paints in place of QLineEdit::paintEvent, from
// the line edit's own text control and its one layout of the line, and
// leaves everything else to the line edit: keys, mouse, drag and drop, the
// input method, the caret's blink and visibility, the context menu. The
// paint does what the line edit's does and writes the scroll it finds
// into the line edit, so that the two drawings take over from each other
// with nothing to lose and the line edit maps the mouse, a drop and the
// input method's caret rectangle with the scroll that was drawn.
//
// Qt behaviour this mirrors, checked against Qt 6.4.2 (whose private
// headers it reads; the build refuses another Qt), each held to a plain
// QLineEdit of the same font, size and style, pixel for pixel and in text,
// caret, selection and caret rectangle, by EditFieldTest:
// - the frame, the contents rectangle less the text margins, and the clip
//   to it (EditFieldTest::looksLikeALineEdit);
// - the line's margins inside the contents: 2 pixels across, and the box
//   of the text with its preedit, at least the font's height, centred
//   with its odd pixel below (looksLikeALineEdit, the "tall" rows);
// - the horizontal scroll: kept while the caret shows, moved just far
//   enough to show it, the line's end kept at the right edge, the line at
//   its leading edge when it fits (keysEditLikeALineEdit,
//   crossesLikeALineEdit, looksLikeALineEdit's "right to left" rows);
// - the baseline kept where the font's ascent puts it, whatever the
//   line's own ascent (looksLikeALineEdit, "tall");
// - the text in the palette's text colour, the selection in its highlight
//   colours drawn as the layout draws a selection (looksLikeALineEdit's
//   right-to-left, alternating, embedding, every-unit and soft-hyphen
//   rows), the palette the widget's own, which under the program's style
//   sheet is the one the line edit paints with;
// - the caret drawn by the text control, with the style's caret width,
//   while the line edit shows it (blinksLikeALineEdit);
// - the scroll written where the line edit's mouse, drag and drop and
//   input method read it (clicksLikeALineEdit, crossesLikeALineEdit,
//   dropsLikeALineEdit, inputMethodCaretFollowsKeys).
// What a repaint then costs, the text drawn against the line's length, is
// counted by EditFieldCostTest, and the field's memory beside the line
// edit's.
// Lines shorter than OwnDrawingFrom, states the program never gives the
// field (an alignment other than the default, another echo mode, an input
// mask, side widgets), a selection during a composition, and a shown part
// that TShownLine cannot draw apart, are left to the line edit's own paint.
class TEditField : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditField(QWidget* parent = nullptr);

    // Lines shorter than this, preedit included, are drawn by the line edit itself.
    static constexpr int OwnDrawingFrom = 4096;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QLineEditPrivate& Private() const;
    bool DrawsItself(const QLineEditPrivate& d) const;

    TBoxHeight box_;
    TLineItems items_;
    TShownLine shown_;
};
