#pragma once
// The font dialog: Execute opens a chooser on Font and says whether the
// user confirmed. The chooser can be replaced (tests need no modal box).
#include "FontModel.h"

#include <QColor>
#include <QObject>

#include <functional>

class TFontDialog : public QObject {
public:
    // Edits the font in place; true when confirmed.
    using Chooser = std::function<bool(TFont& font)>;

    explicit TFontDialog(QObject* parent);

    TFont Font;
    // The background the dialog's sample shows the font on; none leaves
    // the sample in the dialog's own colours.
    QColor SampleBackground;

    bool Execute();
    void SetChooser(Chooser chooser);

private:
    Chooser chooser_;
};
