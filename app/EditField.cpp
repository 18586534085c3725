// The edit field: the line edit's drawing of its frame, line, selection and
// caret, made from a layout of the line that is kept between drawings, so a
// drawing costs what shows, not the whole line.
#include "EditField.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>
#include <QStyleOptionFrame>

#include <optional>

namespace {

// The line edit's margins around its line, inside the contents.
constexpr int HorizontalMargin = 2;
constexpr int VerticalMargin = 1;

} // namespace

TEditField::TEditField(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::selectionChanged, this, [this] {
        if (!composing_)
            SetCursorVisible(hasSelectedText() ? CursorWithSelection() : hasFocus());
        UpdateAll();
    });
    connect(this, &QLineEdit::cursorPositionChanged, this, &TEditField::UpdateAll);
    connect(this, &QLineEdit::textChanged, this, &TEditField::UpdateAll);
    connect(QGuiApplication::styleHints(), &QStyleHints::cursorFlashTimeChanged, this, [this] {
        if (blinking_)
            RestartBlink();
    });
}

bool TEditField::DrawsItself() const
{
    return text().size() >= OwnDrawingFrom && echoMode() == Normal && inputMask().isEmpty() && !composing_
           && actions().isEmpty() && !isClearButtonEnabled() && layoutDirection() == Qt::LeftToRight
           && !line_.HasBidi();
}

void TEditField::paintEvent(QPaintEvent* e)
{
    line_.Update(text(), font());
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    Scroll(contents, QStyle::visualAlignment(Qt::LeftToRight, alignment()));
    own_ = DrawsItself();
    if (own_) {
        DrawLine(e, contents, panel);
    } else {
        QLineEdit::paintEvent(e);
        drawnHScroll_ = hscroll_;
    }
}

void TEditField::Scroll(const QRect& contents, Qt::Alignment align)
{
    const int lineWidth = contents.width() - 2 * HorizontalMargin;
    const int cix = qRound(line_.CursorToX(cursorPosition()));
    const int widthUsed = qRound(line_.NaturalWidth()) + 1;
    if (widthUsed <= lineWidth) {
        switch (align & ~(Qt::AlignAbsolute | Qt::AlignVertical_Mask)) {
        case Qt::AlignRight: hscroll_ = widthUsed - lineWidth + 1; break;
        case Qt::AlignHCenter: hscroll_ = (widthUsed - lineWidth) / 2; break;
        default: hscroll_ = 0; break;
        }
    } else if (cix - hscroll_ >= lineWidth) {
        hscroll_ = cix - lineWidth + 1;
    } else if (cix - hscroll_ < 0 && hscroll_ < widthUsed) {
        hscroll_ = cix;
    } else if (widthUsed - hscroll_ < lineWidth) {
        hscroll_ = widthUsed - lineWidth + 1;
    } else {
        hscroll_ = qMax(0, hscroll_);
    }
}

void TEditField::DrawLine(QPaintEvent*, const QRect& contents, const QStyleOptionFrame& panel)
{
    QPainter p(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    p.setClipRect(contents);

    const QFontMetrics fm = fontMetrics();
    const int boxHeight = line_.BoxHeight();
    int top;
    switch (alignment() & Qt::AlignVertical_Mask) {
    case Qt::AlignBottom: top = contents.y() + contents.height() - boxHeight - VerticalMargin; break;
    case Qt::AlignTop: top = contents.y() + VerticalMargin; break;
    default: top = contents.y() + (contents.height() - boxHeight + 1) / 2; break;
    }
    // The baseline stays where the font's ascent puts it.
    const QPoint topLeft(contents.x() + HorizontalMargin - hscroll_, top - (line_.Ascent() - fm.ascent()));

    const QPalette pal = palette();
    p.setPen(pal.text().color());
    std::optional<QTextLayout::FormatRange> selection;
    if (hasSelectedText()) {
        selection.emplace();
        selection->start = selectionStart();
        selection->length = selectionLength();
        selection->format.setBackground(pal.brush(QPalette::Highlight));
        selection->format.setForeground(pal.brush(QPalette::HighlightedText));
    }
    line_.Draw(p, topLeft, contents, selection ? &*selection : nullptr);

    const int cursorWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
    const int cix = qRound(line_.CursorToX(cursorPosition()));
    caretRect_ = QRect(topLeft.x() + cix - 5, topLeft.y(), cursorWidth + 9, qCeil(line_.Height()) + 1);
    if (cursorVisible_ && blinkOn_ && !isReadOnly())
        line_.DrawCursor(p, topLeft, cursorPosition(), cursorWidth);
}

template <typename Handle>
void TEditField::Moved(QMouseEvent* e, Handle handle)
{
    if (Shift() == 0) {
        handle(e);
        return;
    }
    const QPointF by(Shift(), 0);
    QMouseEvent moved(e->type(), e->position() + by, e->scenePosition() + by, e->globalPosition(), e->button(),
                      e->buttons(), e->modifiers(), e->pointingDevice());
    moved.setTimestamp(e->timestamp());
    handle(&moved);
    e->setAccepted(moved.isAccepted());
}

template <typename Event, typename Handle>
void TEditField::MovedDrop(Event* e, Handle handle)
{
    if (Shift() == 0) {
        handle(e);
        return;
    }
    Event moved(e->position().toPoint() + QPoint(Shift(), 0), e->possibleActions(), e->mimeData(), e->buttons(),
                e->modifiers());
    handle(&moved);
    e->setDropAction(moved.dropAction());
    e->setAccepted(moved.isAccepted());
}

void TEditField::mousePressEvent(QMouseEvent* e)
{
    Moved(e, [this](QMouseEvent* m) { QLineEdit::mousePressEvent(m); });
}

void TEditField::mouseMoveEvent(QMouseEvent* e)
{
    Moved(e, [this](QMouseEvent* m) { QLineEdit::mouseMoveEvent(m); });
}

void TEditField::mouseDoubleClickEvent(QMouseEvent* e)
{
    Moved(e, [this](QMouseEvent* m) { QLineEdit::mouseDoubleClickEvent(m); });
}

void TEditField::dragEnterEvent(QDragEnterEvent* e)
{
    MovedDrop(e, [this](QDragEnterEvent* m) { QLineEdit::dragEnterEvent(m); });
    if (e->isAccepted())
        SetCursorVisible(true);
}

void TEditField::dragMoveEvent(QDragMoveEvent* e)
{
    MovedDrop(e, [this](QDragMoveEvent* m) { QLineEdit::dragMoveEvent(m); });
    if (e->isAccepted())
        SetCursorVisible(true);
}

void TEditField::dragLeaveEvent(QDragLeaveEvent* e)
{
    QLineEdit::dragLeaveEvent(e);
    SetCursorVisible(false);
}

void TEditField::dropEvent(QDropEvent* e)
{
    MovedDrop(e, [this](QDropEvent* m) { QLineEdit::dropEvent(m); });
    SetCursorVisible(false);
}

void TEditField::inputMethodEvent(QInputMethodEvent* e)
{
    QLineEdit::inputMethodEvent(e);
    composing_ = !e->preeditString().isEmpty();
    update();
}

QVariant TEditField::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImCursorRectangle && own_)
        return caretRect_;
    return QLineEdit::inputMethodQuery(query);
}

bool TEditField::event(QEvent* e)
{
    const bool done = QLineEdit::event(e);
    if (e->type() == QEvent::Show && hasFocus())
        ShowCursorOnFocus();
    else if (e->type() == QEvent::Hide)
        SetBlinking(false);
    return done;
}

void TEditField::focusInEvent(QFocusEvent* e)
{
    QLineEdit::focusInEvent(e);
    ShowCursorOnFocus();
}

void TEditField::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    SetCursorVisible(false);
    SetBlinking(false);
}

void TEditField::keyPressEvent(QKeyEvent* e)
{
    QLineEdit::keyPressEvent(e);
    if (e->isAccepted())
        RestartBlink();
}

void TEditField::keyReleaseEvent(QKeyEvent* e)
{
    QLineEdit::keyReleaseEvent(e);
    RestartBlink();
}

void TEditField::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != blink_.timerId()) {
        QLineEdit::timerEvent(e);
        return;
    }
    blinkOn_ = !blinkOn_;
    UpdateCaret();
}

void TEditField::ShowCursorOnFocus()
{
    SetBlinking(true);
    if ((!hasSelectedText() && !composing_) || CursorWithSelection())
        SetCursorVisible(true);
}

bool TEditField::CursorWithSelection() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    return style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &option, this);
}

void TEditField::SetBlinking(bool on)
{
    if (blinking_ == on)
        return;
    blinking_ = on;
    RestartBlink();
}

void TEditField::RestartBlink()
{
    blink_.stop();
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (blinking_ && flash >= 2)
        blink_.start(flash / 2, this);
    blinkOn_ = true;
    UpdateCaret();
}

void TEditField::SetCursorVisible(bool on)
{
    if (cursorVisible_ == on)
        return;
    cursorVisible_ = on;
    UpdateCaret();
}

// On a line that it draws itself, the field repaints where the line edit's
// own updates, made with the scrolling of its last drawing, may miss.
void TEditField::UpdateCaret()
{
    if (own_)
        update(caretRect_);
}

void TEditField::UpdateAll()
{
    if (own_)
        update();
}
