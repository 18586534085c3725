#pragma once
// Character sets of fonts and the writing systems that stand for them in
// the font dialog.
#include <QFontDatabase>
#include <QString>

#include <array>
#include <optional>

inline constexpr int ANSI_CHARSET = 0;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int SYMBOL_CHARSET = 2;
inline constexpr int SHIFTJIS_CHARSET = 128;
inline constexpr int HANGEUL_CHARSET = 129;
inline constexpr int GB2312_CHARSET = 134;
inline constexpr int CHINESEBIG5_CHARSET = 136;
inline constexpr int GREEK_CHARSET = 161;
inline constexpr int TURKISH_CHARSET = 162;
inline constexpr int VIETNAMESE_CHARSET = 163;
inline constexpr int HEBREW_CHARSET = 177;
inline constexpr int ARABIC_CHARSET = 178;
inline constexpr int BALTIC_CHARSET = 186;
inline constexpr int RUSSIAN_CHARSET = 204;
inline constexpr int THAI_CHARSET = 222;
inline constexpr int EASTEUROPE_CHARSET = 238;

struct CharsetEntry {
    int charset;
    QFontDatabase::WritingSystem writingSystem;
    // A charset that shares its writing system with an earlier row names
    // its variant; the others go by their writing system's name.
    const char* variant;
};

// The charsets the font dialog offers, in its order. The first row of a
// writing system is the charset that writing system stands for.
inline constexpr std::array<CharsetEntry, 16> CharsetTable{{
    {DEFAULT_CHARSET, QFontDatabase::Any, nullptr},
    {ANSI_CHARSET, QFontDatabase::Latin, nullptr},
    {EASTEUROPE_CHARSET, QFontDatabase::Latin, "Central European"},
    {TURKISH_CHARSET, QFontDatabase::Latin, "Turkish"},
    {BALTIC_CHARSET, QFontDatabase::Latin, "Baltic"},
    {GREEK_CHARSET, QFontDatabase::Greek, nullptr},
    {RUSSIAN_CHARSET, QFontDatabase::Cyrillic, nullptr},
    {HEBREW_CHARSET, QFontDatabase::Hebrew, nullptr},
    {ARABIC_CHARSET, QFontDatabase::Arabic, nullptr},
    {THAI_CHARSET, QFontDatabase::Thai, nullptr},
    {GB2312_CHARSET, QFontDatabase::SimplifiedChinese, nullptr},
    {CHINESEBIG5_CHARSET, QFontDatabase::TraditionalChinese, nullptr},
    {SHIFTJIS_CHARSET, QFontDatabase::Japanese, nullptr},
    {HANGEUL_CHARSET, QFontDatabase::Korean, nullptr},
    {VIETNAMESE_CHARSET, QFontDatabase::Vietnamese, nullptr},
    {SYMBOL_CHARSET, QFontDatabase::Symbol, nullptr},
}};

// The writing system of a charset; none for a charset outside the table.
std::optional<QFontDatabase::WritingSystem> WritingSystemOfCharset(int charset);

// How the dialog names a charset: "Greek", "Latin (Turkish)", and for one
// outside the table "Character set 254".
QString CharsetCaption(int charset);
