#pragma once
// The font of a rich-text control as a TFont: Qt's font for name, size,
// pitch and style, the control's font colour, and its charset, which Qt
// fonts do not carry, kept on the control.
#include "FontDialog.h"

class TRichEdit;

class TControlFont {
public:
    static constexpr const char* CharsetProperty = "fontCharset";

    explicit TControlFont(TRichEdit& control);

    TFont Get() const;
    void SetCharset(int charset);
    void SetColor(TColor color);
    void SetHeight(int height);
    void SetName(const QString& name);
    void SetPitch(TFontPitch pitch);
    void SetSize(int size);

private:
    TRichEdit& control_;
};
