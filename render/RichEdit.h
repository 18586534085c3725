#pragma once
// The preview: a read-only rich-text control over QTextEdit.
#include <QTextEdit>

#include <cstdint>

class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    // Background colour of the control.
    QColor Color() const;
    void SetColor(const QColor& color);
    // Colour of the control's font: the colour of text without one of its own.
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
};
