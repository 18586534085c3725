#pragma once
// The main window's edit field: a line edit that, on a long line, draws only
// the part of the line that shows, so that a pasted megabyte does not make
// every caret blink and every key redo the whole line.
#include "ShownLine.h"

#include <QBasicTimer>
#include <QLineEdit>

class TEditField : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditField(QWidget* parent = nullptr);

    // Lines shorter than this are drawn by the line edit itself.
    static constexpr int OwnDrawingFrom = 4096;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    bool DrawsItself() const;
    void DrawLine(QPaintEvent* e, const QRect& contents, const QStyleOptionFrame& panel);
    // The line edit scrolls only as far as keeps the caret in view.
    void Scroll(const QRect& contents, Qt::Alignment align);
    // The line edit maps a mouse position to the text with the scrolling of
    // its own last drawing; the events reach it moved by the difference.
    int Shift() const { return hscroll_ - drawnHScroll_; }
    template <typename Handle>
    void Moved(QMouseEvent* e, Handle handle);
    template <typename Event, typename Handle>
    void MovedDrop(Event* e, Handle handle);

    // The caret as the line edit shows it: visible while the field has the
    // focus and no selection, blinking, and on again after every key.
    void SetBlinking(bool on);
    void RestartBlink();
    void SetCursorVisible(bool on);
    void ShowCursorOnFocus();
    bool CursorWithSelection() const;
    void UpdateCaret();
    void UpdateAll();

    TShownLine line_;
    bool own_ = false;     // the last drawing was this field's own
    int hscroll_ = 0;      // the line's scrolling, as the line edit keeps it
    int drawnHScroll_ = 0; // that of the line edit's own last drawing
    QRect caretRect_;
    bool composing_ = false;
    bool cursorVisible_ = false;
    bool blinking_ = false;
    bool blinkOn_ = false; // as the line edit's, off until blinking first starts or stops
    QBasicTimer blink_;
};
