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

void TForm1::InsertColor(int index) { InsertCode(ctrlC, ColorTable[static_cast<std::size_t>(index)].index); }

void TForm1::Bold1Click(TObject*) { InsertCode(ctrlB); }
void TForm1::Underline1Click(TObject*) { InsertCode(ctrlU); }
void TForm1::Italic1Click(TObject*) { InsertCode(ctrlI); }
void TForm1::Strikeout1Click(TObject*) { InsertCode(ctrlS); }
void TForm1::White1Click(TObject*) { InsertColor(0); }
void TForm1::Black1Click(TObject*) { InsertColor(1); }
void TForm1::Blau1Click(TObject*) { InsertColor(2); }
void TForm1::Green1Click(TObject*) { InsertColor(3); }
void TForm1::Red1Click(TObject*) { InsertColor(4); }
void TForm1::Brown1Click(TObject*) { InsertColor(5); }
void TForm1::Lila1Click(TObject*) { InsertColor(6); }
void TForm1::Orange1Click(TObject*) { InsertColor(7); }
void TForm1::Yellow1Click(TObject*) { InsertColor(8); }
void TForm1::Lightgreen1Click(TObject*) { InsertColor(9); }
void TForm1::Cyan1Click(TObject*) { InsertColor(10); }
void TForm1::LightCyan1Click(TObject*) { InsertColor(11); }
void TForm1::LightBlue1Click(TObject*) { InsertColor(12); }
void TForm1::Pink1Click(TObject*) { InsertColor(13); }
void TForm1::Grey1Click(TObject*) { InsertColor(14); }
void TForm1::LightGray1Click(TObject*) { InsertColor(15); }
void TForm1::NoColor1Click(TObject*) { InsertCode(ctrlC); }
void TForm1::NoStyle1Click(TObject*) { InsertCode(ctrlT); }
