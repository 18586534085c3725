#pragma once
// The main window's edit field: a line edit that, on a long line, draws only
// the part of the line that shows, so that a pasted megabyte does not make
// every caret blink and every repaint draw the whole line.
//
//     auto* field = new TEditField(window); // MainForm.ui promotes IRCEdit
//     field->setText(line);                 // used as any QLineEdit
//
// Keys, mouse, drag and drop, the input method, the caret's blink and the
// context menu stay the line edit's. Only the paint of a line from
// OwnDrawingFrom units is the field's own (longline/LongLinePaint.h), and
// only in a build on a Qt that paint is checked against; on any other Qt
// the line edit paints every line itself, the same picture, slower on a
// line of megabytes.
#include <QLineEdit>

#include <memory>

class TLongLinePaint;

class TEditField : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditField(QWidget* parent = nullptr);
    ~TEditField() override;

    // Lines shorter than this, preedit included, are drawn by the line edit itself.
    static constexpr int OwnDrawingFrom = 4096;
    // Whether this build draws long lines itself (see above).
    static bool DrawsLongLines();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::unique_ptr<TLongLinePaint> longLines_; // null where the line edit paints every line
};
