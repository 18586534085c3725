#pragma once
// The style set of a font: bold, italic, underline and strikeout as bits.

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;
inline constexpr TFontStyles AllStyles = fsBold | fsItalic | fsUnderline | fsStrikeOut;
