// What each text operation promises for every input, checked on one call.
#include "Checks.h"

#include "CodeSets.h"
#include "Codes.h"
#include "Formats.h"
#include "TextFilters.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace fz {
namespace {

using namespace tt;

std::u16string Join(std::u16string_view a, std::u16string_view b) { return std::u16string(a) + std::u16string(b); }

bool HasAny(const UnicodeString& s, std::u16string_view units)
{
    return s.str().find_first_of(units) != std::u16string::npos;
}

std::uint64_t CountOf(const UnicodeString& s, char16_t unit)
{
    return static_cast<std::uint64_t>(std::count(s.str().begin(), s.str().end(), unit));
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

void Require(bool ok, const char* what, const UnicodeString& in, const UnicodeString& out)
{
    if (!ok)
        Fail(what, in, out);
}

// Does s hold 0x03 + number + 0x03 + number at some position?
bool HasDoubled(const UnicodeString& s, std::u16string_view number)
{
    const std::u16string code = u'\x03' + std::u16string(number);
    return s.str().find(code + code) != std::u16string::npos;
}

bool IsNumber(std::u16string_view s)
{
    if (s.empty() || (s.size() > 1 && s[0] == u'0'))
        return false;
    return std::all_of(s.begin(), s.end(), IsDigit) && s.size() <= 10;
}

int NumberOf(std::u16string_view s)
{
    long long v = 0;
    for (char16_t c : s)
        v = v * 10 + (c - u'0');
    return v > 0x7FFFFFFF ? -1 : static_cast<int>(v);
}

// Units that the scan deletes for an entry of this name, 0 for a name that
// no code of the scan stands for.
int DeletedFor(std::u16string_view name)
{
    const std::optional<Format> format = FindFormat(UnicodeString(std::u16string(name)));
    if (!format || format->kind == FormatKind::NoStyle)
        return 0;
    return format->kind == FormatKind::Color ? 3 : 1;
}

} // namespace

void Fail(const char* what, const UnicodeString& in, const UnicodeString& out)
{
    std::fprintf(stderr, "\nBROKEN: %s\n  input:  \"%s\"\n  result: \"%s\"\n", what, Printable(in).c_str(),
                 Printable(out).c_str());
    std::abort();
}

void CheckPrepareLine(const UnicodeString& in, const UnicodeString& out)
{
    Require(IsSubsequence(out, in), "Pass1 only deletes", in, out);
    Require(!HasAny(out, u"\x0C"), "Pass1 leaves no form feed", in, out);

    // A head (0x03, one or two digits, comma) is left only by an early end:
    // then the first head left, in loop order, is one whose text after the
    // comma is no number, neither two characters nor one.
    for (const UnicodeString& head : CommaHeads()) {
        const int pos = out.Pos(head);
        if (pos == 0)
            continue;
        const int after = pos + head.Length();
        Require(!out.SubString(after, 2).TryToInt() && !out.SubString(after, 1).TryToInt(),
                "Pass1 ends early only at a background that is no number", in, out);
        break;
    }

    // Besides form feeds and wrap codes, only commas and what the background
    // conversion reads go.
    const std::u16string read = Join(Join(EndCodes, Digits), u",+-$abcdefABCDEF");
    Require(Without(out, read) == Without(in, Join(read, u"\x0C")), "Pass1 deletes only codes and backgrounds", in,
            out);
    if (HasAny(in, u","))
        return;
    Require(Without(out, EndCodes) == Without(in, Join(EndCodes, u"\x0C")),
            "Pass1 without a comma deletes only form feeds and wrap codes", in, out);
    Require(Without(in, u"\x0C").Length() - out.Length() <= 30, "Pass1 applies each of its 30 wrap rules once", in,
            out);
}

void CheckRemoveBackColors(const UnicodeString& in, const UnicodeString& out)
{
    Require(!HasAny(out, UnsupportedCodes), "Pass2 deletes every 0x04, 0x11, 0x16, 0x17", in, out);
    const std::u16string& s = out.str();
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != u'\x03' || !IsDigit(s[i + 1]))
            continue;
        Require(i + 2 < s.size() && IsDigit(s[i + 2]), "Pass2 pads every colour number to two digits", in, out);
        const int index = (s[i + 1] - u'0') * 10 + (s[i + 2] - u'0');
        Require(index <= 15, "Pass2 leaves only colour indexes 00..15", in, out);
        Require(!(i + 4 < s.size() && s[i + 3] == u'\x03' && IsDigit(s[i + 4])),
                "Pass2 leaves no two numbered colour codes back to back", in, out);
    }
    const std::u16string touched = Join(Join(Digits, u","), Join(EndCodes, UnsupportedCodes));
    Require(Without(out, touched) == Without(in, touched), "Pass2 keeps plain text", in, out);
}

void CheckPrepareLine_(const UnicodeString& in, const UnicodeString& out)
{
    Require(IsSubsequence(out, in), "Pass3 only deletes", in, out);
    const std::u16string colour = Join(u"\x03", Digits);
    Require(Without(out, colour) == Without(in, colour), "Pass3 deletes only colour codes", in, out);
    for (char16_t d = u'1'; d <= u'9'; ++d)
        Require(!HasDoubled(out, std::u16string(1, d)), "Pass3 leaves no doubled one-digit code", in, out);
    for (char16_t d = u'0'; d <= u'9'; ++d)
        Require(!HasDoubled(out, std::u16string{u'0', d}), "Pass3 leaves no doubled code 00..09", in, out);
}

void CheckRemoveLastChars(const UnicodeString& in, const UnicodeString& out)
{
    Require(out == WithoutEnding(in, EndCodes), "RemoveLastChars removes exactly the ending of end codes", in, out);
}

void CheckRemStyles(const UnicodeString& in, const UnicodeString& out, std::uint64_t pumps)
{
    Require(out == Without(in, StyleStripCodes), "RemStyles removes exactly its seven codes", in, out);
    std::uint64_t expected = 0;
    for (char16_t c : StyleStripCodes)
        expected += std::max<std::uint64_t>(1, CountOf(in, c));
    Require(pumps == expected, "RemStyles pumps once per occurrence, once per loop at least", in, out);
}

void CheckRemEscapes(const UnicodeString& in, const UnicodeString& out)
{
    Require(IsSubsequence(out, in), "RemEscapes only deletes", in, out);
    Require(!HasAny(out, EscapeCodes), "RemEscapes leaves none of its codes", in, out);
    Require(Without(out, Digits) == Without(in, Join(EscapeCodes, Digits)),
            "RemEscapes deletes only codes and colour digits", in, out);
}

void CheckFormatContent(const UnicodeString& in, const UnicodeString& out)
{
    Require(IsSubsequence(out, in), "FormatContent only deletes", in, out);
    Require(!HasAny(out, EscapeCodes), "FormatContent leaves none of its codes", in, out);
    const std::u16string numbers = Join(Digits, u",");
    Require(Without(out, numbers) == Without(in, Join(EscapeCodes, numbers)),
            "FormatContent deletes only codes, colour digits and commas", in, out);
}

void CheckStripOne(char16_t code, const UnicodeString& in, const UnicodeString& out, std::uint64_t pumps)
{
    Require(out == Without(in, std::u16string(1, code)), "the strip removes exactly its code", in, out);
    Require(pumps == std::max<std::uint64_t>(1, CountOf(in, code)), "the strip pumps once per occurrence", in, out);
}

void CheckRemoveEscapes(const UnicodeString& in, const UnicodeString& out)
{
    Require(out == Without(in, RemoverEscapeCodes), "RemoveEscapes removes exactly its five codes", in, out);
}

void CheckScan(const UnicodeString& in, const UnicodeString& out, const TStrings& list)
{
    Require(IsSubsequence(out, in), "the scan only deletes", in, out);
    const std::u16string scanned = Join(EndCodes, Digits);
    Require(Without(out, scanned) == Without(in, scanned), "the scan deletes only codes and colour digits", in, out);
    if (out.Length() > 1)
        Require(!HasAny(out.SubString(1, out.Length() - 1), EndCodes),
                "the scan deletes every code it examines (all but the last position)", in, out);

    int deleted = 0;
    int lastStart = 1;
    for (int i = 0; i < list.Count(); ++i) {
        const std::u16string_view e(list.Get(i).str());
        const std::size_t b1 = e.find(u' ');
        const std::size_t b2 = b1 == e.npos ? e.npos : e.find(u' ', b1 + 1);
        Require(b2 != e.npos, "a format entry has start, name and end", in, UnicodeString(e));
        const std::u16string_view start = e.substr(0, b1);
        const std::u16string_view name = e.substr(b1 + 1, b2 - b1 - 1);
        const std::u16string_view end = e.substr(b2 + 1);
        Require(IsNumber(start) && NumberOf(start) >= 1, "a format entry starts at a position", in, UnicodeString(e));
        Require(DeletedFor(name) > 0, "a format entry names one of the 22 formats", in, UnicodeString(e));
        Require(end == u"00" || IsNumber(end), "a format entry ends at a decimal or 00", in, UnicodeString(e));
        const int s = NumberOf(start);
        Require(s >= lastStart, "format entries follow the text order", in, UnicodeString(e));
        Require(s <= out.Length() + 1, "a format entry starts inside the scanned text", in, UnicodeString(e));
        lastStart = s;
        deleted += DeletedFor(name);
    }
    Require(deleted == in.Length() - out.Length(), "one format entry per deleted code", in, out);
}

void CheckCleanedLine(const UnicodeString& scanned, const UnicodeString& cleaned)
{
    Require(!HasAny(cleaned, EndCodes), "the cleaned line holds no code", scanned, cleaned);
}

} // namespace fz
