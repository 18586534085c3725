// The preview menu's commands and the AutoColor check box. None of them
// re-renders: a change shows with the next "Line".
#include "MainForm.h"

#include "Color.h"
#include "InfoBox.h"
#include "PreviewFont.h"
#include "RichEdit.h"

#include <QCheckBox>

void TForm1::LightBackground1Click(TObject*)
{
    TestRTF->SetColor(ColorFromTColor(0xFFFFFF));
    TestRTF->SetFontColor(ColorFromTColor(0x000000));
}

void TForm1::DarkBackground1Click(TObject*)
{
    TestRTF->SetColor(ColorFromTColor(DarkBack));
    TestRTF->SetFontColor(ColorFromTColor(0xFFFFFF));
}

void TForm1::ToggleCheckClick(TObject*) { colortype = ToggleCheck->isChecked(); }

void TForm1::Font1Click(TObject*)
{
    TControlFont preview(*TestRTF);
    FontDialog1->Font = preview.Get();
    FontDialog1->SampleBackground = TestRTF->Color(); // the sample as the preview would show it
    if (!FontDialog1->Execute())
        return;
    TestRTF->setFocus();
    TestRTF->selectAll();
    // The style is not taken over: the preview keeps its own. The copies
    // reach the preview as one change of its font, so that a long preview
    // is laid out once, not after every copy.
    const TFont& chosen = FontDialog1->Font;
    const TControlFont::Change change(preview);
    preview.SetCharset(chosen.Charset);
    preview.SetColor(chosen.Color);
    preview.SetHeight(chosen.Height);
    preview.SetName(chosen.Name);
    preview.SetPitch(chosen.Pitch);
    preview.SetSize(chosen.Size);
}

void TForm1::Info1Click(TObject*) { infoBox_(QString::fromLatin1(InfoBoxText)); }
