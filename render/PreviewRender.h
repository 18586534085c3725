#pragma once
// Putting a cleaned line into the preview: the append, the three fixed
// regions split at the lead and bracket markers, and the apply loop that
// gives every Format List run its colour or style.
#include "FontStyles.h"
#include "StringList.h"
#include "UnicodeString.h"

#include <QColor>

#include <cstdint>
#include <functional>

class TRichEdit;

// Which of the four styles the apply loop last added; carried from entry
// to entry through one list.
struct StyleToggles {
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikeout = false;
};

// What the colouring of a line reads of the preview and the window: taken
// once, when the line's colouring starts, so that a command the window runs
// meanwhile (a background switch, a new font, AutoColor) cannot leave one
// line coloured with two settings; it shows with the next line.
struct TPreviewLook {
    QColor background;
    QColor fontColor;
    int fontSize = 0;
    TFontStyles fontStyle = 0;
    bool autoColor = false; // colortype

    static TPreviewLook Of(const TRichEdit& rtf, bool colortype);
};

// Deselects and appends the line as the preview's new last line.
void AppendLine(TRichEdit& rtf, const UnicodeString& line);

// The regions of the line appended at preview position offset:
// lead (blue) before the first NBL, bracket (red) from it through the first
// NBR + " ", body (the preview font) after that.
void PaintLeadRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBL,
                     const TPreviewLook& look);
void PaintBracketRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBL,
                        const UnicodeString& NBR, const TPreviewLook& look);
void PaintBodyRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBR,
                     const TPreviewLook& look);

// Colours and styles every entry's run, counted from offset; the open end
// reaches one past the end of Buff. An entry that does not convert ends the
// loop with EConvertError; the entries before it keep their effect. pump,
// when given, runs after every PumpEntries entries.
void ApplyFormatList(TRichEdit& rtf, const TStrings& list, const UnicodeString& Buff, int offset,
                     const TPreviewLook& look, StyleToggles& toggles, const std::function<void()>& pump = {});

inline constexpr int PumpEntries = 256;
