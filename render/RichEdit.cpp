#include "RichEdit.h"

#include <QPalette>

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
}

QColor TRichEdit::Color() const { return palette().color(QPalette::Base); }

void TRichEdit::SetColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
}

QColor TRichEdit::FontColor() const { return palette().color(QPalette::Text); }

void TRichEdit::SetFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}
