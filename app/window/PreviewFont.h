#pragma once
// The font of a rich-text control as a TFont: Qt's font for name, size,
// pitch and style, the control's font colour, and its charset, which Qt
// fonts do not carry, kept on the control.
#include "FontModel.h"

#include <QFont>

#include <optional>

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

    // The font read and written is the one the control has, or takes when a
    // render's hold of it ends (TRichEdit::FontHold).
    //
    // While a Change lives, height, name, pitch and size go to a copy of
    // the control's font, which the control takes when the Change ends:
    // the same font as after the setters one by one, but the control lays
    // out its text once, not once per setter. Charset and colour, which
    // lay nothing out, still go to the control at once.
    class Change {
    public:
        explicit Change(TControlFont& font);
        ~Change();
        Change(const Change&) = delete;
        Change& operator=(const Change&) = delete;

    private:
        TControlFont& font_;
    };

private:
    QFont Font() const;
    void SetFont(const QFont& font);

    TRichEdit& control_;
    std::optional<QFont> pending_;
};
