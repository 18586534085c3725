// The edit field's paint on a long line, in the steps of the line edit's:
// the line placed and its scroll found, then the frame, the shown part of
// the text and the cursor drawn.
#include "LongLinePaint.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtWidgets/private/qlineedit_p.h>
#include <QtWidgets/private/qwidgetlinecontrol_p.h>

namespace {

// QLineEditPrivate::horizontalMargin: the line's margin inside the
// contents, across.
constexpr int HorizontalMargin = 2;

constexpr uint DefaultAlignment = Qt::AlignLeading | Qt::AlignVCenter;

// The horizontal scroll after a paint, as QLineEdit::paintEvent's
// "horizontal scrolling" finds it for the default alignment: as before while
// the caret shows, moved just far enough to show it, the line's end kept at
// the right edge; a line that fits stands at its leading edge.
int Scrolled(int scroll, int caretX, int lineWidth, int width, bool rightToLeft)
{
    if (lineWidth <= width)
        return rightToLeft ? lineWidth - width + 1 : 0;
    if (caretX - scroll >= width)
        return caretX - width + 1;
    if (caretX - scroll < 0 && scroll < lineWidth)
        return caretX;
    if (lineWidth - scroll < width)
        return lineWidth - width + 1;
    return qMax(0, scroll);
}

int CursorWidth(const QLineEdit& edit, const QStyleOptionFrame& panel)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, &edit);
#else
    return edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel);
#endif
}

} // namespace

bool TLongLinePaint::DrawsItself(const QLineEditPrivate& d, int from)
{
    const QWidgetLineControl& control = *d.control;
    return control.text().size() + control.preeditAreaText().size() >= from && control.echoMode() == QLineEdit::Normal
           && control.inputMask().isEmpty() && !d.hasSideWidgets() && d.alignment == DefaultAlignment
           && !(control.hasSelectedText() && !control.textLayout()->formats().isEmpty());
}

TLongLinePaint::Placed TLongLinePaint::Place(QLineEdit& edit, const QLineEditPrivate& d, const QStyleOptionFrame& panel)
{
    const QWidgetLineControl& control = *d.control;
    const QRect r =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &panel, &edit).marginsRemoved(edit.textMargins());
    const QFontMetrics fm = edit.fontMetrics();
    const int boxHeight = qMax(box_.Of(control.text(), control.preeditAreaText(), edit.font()), fm.height());
    const int vscroll = r.y() + (r.height() - boxHeight + 1) / 2;
    const QRect lineRect(r.x() + HorizontalMargin, vscroll, r.width() - 2 * HorizontalMargin, boxHeight);
    const int hscroll = Scrolled(d.hscroll, qRound(control.cursorToX()), qRound(control.naturalTextWidth()) + 1,
                                 lineRect.width(), control.layoutDirection() == Qt::RightToLeft);
    return {r, vscroll, hscroll, lineRect.topLeft() - QPoint(hscroll, control.ascent() - fm.ascent())};
}

void TLongLinePaint::Draw(QLineEdit& edit, QLineEditPrivate& d, const QStyleOptionFrame& panel, const Placed& at) const
{
    QWidgetLineControl& control = *d.control;
    QTextLayout& layout = *control.textLayout();
    QPainter p(&edit);
    const QPalette pal = edit.palette();
    edit.style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, &edit);
    p.setClipRect(at.contents);
    p.setPen(pal.text().color());
    if (control.hasSelectedText()) {
        const TShownLine::Selection selection{control.selectionStart(), control.selectionEnd(),
                                              pal.brush(QPalette::Highlight), pal.brush(QPalette::HighlightedText)};
        shown_.Draw(p, layout, items_, at.topLeft, at.contents, &selection);
    } else {
        shown_.Draw(p, layout, items_, at.topLeft, at.contents, nullptr);
    }
    control.setCursorWidth(CursorWidth(edit, panel));
    if (d.cursorVisible && !control.isReadOnly())
        control.draw(&p, at.topLeft, at.contents, QWidgetLineControl::DrawCursor);
}

bool TLongLinePaint::Paint(QLineEdit& edit, const QStyleOptionFrame& panel, int from)
{
    QLineEditPrivate& d = *QLineEditPrivate::get(&edit);
    if (!DrawsItself(d, from))
        return false;
    const Placed at = Place(edit, d, panel);
    // Ink may reach past a glyph's advance: items that far beyond the
    // contents are drawn too.
    const int ink = 2 * edit.fontMetrics().height();
    QTextLayout& layout = *d.control->textLayout();
    items_.Update(layout);
    if (!shown_.Plan(layout, items_, at.contents.left() - at.topLeft.x() - ink,
                     at.contents.right() + 1 - at.topLeft.x() + ink))
        return false;
    // Where the line edit's mouse, drop and input method read the scroll.
    d.vscroll = at.vscroll;
    d.hscroll = at.hscroll;
    Draw(edit, d, panel, at);
    return true;
}
