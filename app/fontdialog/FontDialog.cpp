// The font dialog behind an injectable chooser; by default the program's own dialog.
#include "FontDialog.h"

#include "FontChooserDialog.h"

#include <utility>

TFontDialog::TFontDialog(QObject* parent)
    : QObject(parent), chooser_([this](TFont& font) { return ChooseFont(font, SampleBackground); })
{}

bool TFontDialog::Execute() { return chooser_ && chooser_(Font); }

void TFontDialog::SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
