// The edit field's paint on a long line: the line edit's paint, with the
// box height measured once per text and only the shown part of the line
// drawn, and its scroll written back into the line edit.
#include "EditField.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtWidgets/private/qlineedit_p.h>
#include <QtWidgets/private/qwidgetlinecontrol_p.h>

static_assert(QT_VERSION == QT_VERSION_CHECK(6, 4, 2),
              "the edit field paints for Qt 6.4.2's line edit and writes its scroll: check it against this Qt");

namespace {

// The line edit's margin around its line, across, inside the contents.
constexpr int HorizontalMargin = 2;

constexpr uint DefaultAlignment = Qt::AlignLeading | Qt::AlignVCenter;

// The line edit's horizontal scroll after a paint: as before while the
// caret shows, moved just far enough to show it, the line's end kept at the
// right edge; a line that fits stands at its leading edge.
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

} // namespace

TEditField::TEditField(QWidget* parent) : QLineEdit(parent) {}

QLineEditPrivate& TEditField::Private() const { return *static_cast<QLineEditPrivate*>(d_ptr.data()); }

bool TEditField::DrawsItself(const QLineEditPrivate& d) const
{
    const QWidgetLineControl& control = *d.control;
    return control.text().size() + control.preeditAreaText().size() >= OwnDrawingFrom && control.echoMode() == Normal
           && control.inputMask().isEmpty() && !d.hasSideWidgets() && d.alignment == DefaultAlignment
           && !(control.hasSelectedText() && !control.textLayout()->formats().isEmpty());
}

void TEditField::paintEvent(QPaintEvent* e)
{
    QLineEditPrivate& d = Private();
    if (!DrawsItself(d)) {
        QLineEdit::paintEvent(e);
        return;
    }
    QWidgetLineControl& control = *d.control;
    QTextLayout& layout = *control.textLayout();

    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect r = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const QFontMetrics fm = fontMetrics();
    const int boxHeight = qMax(box_.Of(control.text(), control.preeditAreaText(), font()), fm.height());
    const int vscroll = r.y() + (r.height() - boxHeight + 1) / 2;
    const QRect lineRect(r.x() + HorizontalMargin, vscroll, r.width() - 2 * HorizontalMargin, boxHeight);
    const int hscroll = Scrolled(d.hscroll, qRound(control.cursorToX()), qRound(control.naturalTextWidth()) + 1,
                                 lineRect.width(), control.layoutDirection() == Qt::RightToLeft);
    const QPoint topLeft = lineRect.topLeft() - QPoint(hscroll, control.ascent() - fm.ascent());

    // Ink may reach past a glyph's advance: items that far beyond the
    // contents are drawn too.
    const int ink = 2 * fm.height();
    items_.Update(layout);
    if (!shown_.Plan(layout, items_, r.left() - topLeft.x() - ink, r.right() + 1 - topLeft.x() + ink)) {
        QLineEdit::paintEvent(e);
        return;
    }
    d.vscroll = vscroll;
    d.hscroll = hscroll;

    QPainter p(this);
    const QPalette pal = palette();
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    p.setClipRect(r);
    p.setPen(pal.text().color());
    if (control.hasSelectedText()) {
        const TShownLine::Selection selection{control.selectionStart(), control.selectionEnd(),
                                              pal.brush(QPalette::Highlight), pal.brush(QPalette::HighlightedText)};
        shown_.Draw(p, layout, items_, topLeft, r, &selection);
    } else {
        shown_.Draw(p, layout, items_, topLeft, r, nullptr);
    }
    control.setCursorWidth(style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel));
    if (d.cursorVisible && !control.isReadOnly())
        control.draw(&p, topLeft, r, QWidgetLineControl::DrawCursor);
}
