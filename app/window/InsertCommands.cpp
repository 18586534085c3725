// The edit menu's insert commands: a code, and for a colour command the
// two digits of its colour index, at the caret.
#include "MainForm.h"

#include "Codes.h"

#include <QLineEdit>

namespace {
// The start of the selection, or the caret when nothing is selected.
int SelStart(const QLineEdit& edit) { return edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition(); }
} // namespace

void TForm1::InsertCode(char16_t code, const UnicodeString& digits)
{
    const int pos = SelStart(*IRCEdit);
    if (EditText().Length() > 0) {
        SetEditText(EditText().Insert(UnicodeString(code), pos + 1));
        if (!digits.IsEmpty())
            SetEditText(EditText().Insert(digits, pos + 2));
    } else {
        SetEditText(UnicodeString(code));
        if (!digits.IsEmpty())
            SetEditText(EditText() + digits);
    }
}

void TForm1::InsertColor(std::size_t row) { InsertCode(ctrlC, ColorTable[row].index); }

void TForm1::Bold1Click(TObject*) { InsertCode(ctrlB); }
void TForm1::Underline1Click(TObject*) { InsertCode(ctrlU); }
void TForm1::Italic1Click(TObject*) { InsertCode(ctrlI); }
void TForm1::Strikeout1Click(TObject*) { InsertCode(ctrlS); }
#define TINTLINE_COLOR_HANDLER(item)                                                                                   \
    void TForm1::item##Click(TObject*) { InsertColor(ColorCommandRow(#item)); }
TINTLINE_COLOR_COMMANDS(TINTLINE_COLOR_HANDLER)
#undef TINTLINE_COLOR_HANDLER
void TForm1::NoColor1Click(TObject*) { InsertCode(ctrlC); }
void TForm1::NoStyle1Click(TObject*) { InsertCode(ctrlT); }
