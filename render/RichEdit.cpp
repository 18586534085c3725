#include "RichEdit.h"

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setAcceptRichText(false);
}
