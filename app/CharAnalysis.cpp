// "Char" and the character listing of "Line".
#include "MainForm.h"

#include "QtText.h"

#include <array>

namespace {

struct EscapeName {
    char16_t code;
    const char* name;
};

// Tested in this order; italic and the other codes have no row.
constexpr std::array<EscapeName, 7> EscapeNames{{
    {0x02, "x02"},
    {0x03, "x03"},
    {0x04, "x04"},
    {0x1F, "x1F"},
    {0x1E, "x1E"},
    {0x0F, "x0F"},
    {0x17, "x17"},
}};

int LowByteOfLast(const UnicodeString& s) { return s[s.Length()] & 0xFF; }

} // namespace

UnicodeString TForm1::CheckChar(UnicodeString Input)
{
    UnicodeString result = "unknown";
    for (const EscapeName& row : EscapeNames)
        if (Input == UnicodeString(row.code))
            result = row.name;
    return result;
}

UnicodeString TForm1::KeyDecodeBinary(UnicodeString AString)
{
    if (AString.IsEmpty())
        return {};
    const int value = LowByteOfLast(AString);
    std::u16string digits;
    for (int bit = 7; bit >= 0; --bit)
        digits.push_back((value >> bit) & 1 ? u'1' : u'0');
    return UnicodeString(std::move(digits));
}

UnicodeString TForm1::KeyDecodeHex(UnicodeString AString)
{
    if (AString.IsEmpty())
        return {};
    UnicodeString result = IntToHex(LowByteOfLast(AString), 3); // "0AC"
    result.Insert("x", 2);
    return result;
}

UnicodeString TForm1::KeyDecodeDecimal(UnicodeString AString)
{
    if (AString.IsEmpty())
        return {};
    return IntToStr(LowByteOfLast(AString));
}

UnicodeString TForm1::ListingLine(int position, char16_t unit)
{
    UnicodeString number = IntToStr(position);
    if (position < 10)
        number = UnicodeString("0") + number;
    const UnicodeString u(unit);
    return number + ") Char: " + u + "   Hex: " + KeyDecodeHex(u) + "   Decimal: " + KeyDecodeDecimal(u) +
           "    Escape Ctrl: " + CheckChar(u);
}

void TForm1::Button1Click(TObject* /*Sender*/)
{
    if (rendering_)
        return;
    memo_->Clear();
    memo_->Add(UnicodeString("Char is: ") + CheckChar(EditText()));
}

void TForm1::Button2Click(TObject* /*Sender*/)
{
    if (rendering_)
        return;
    const RenderLock lock(*this);
    memo_->Clear();
    const UnicodeString Line = EditText();
    std::vector<UnicodeString> lines;
    lines.reserve(static_cast<std::size_t>(Line.Length()) + 5);
    lines.emplace_back("Section Line Scanner: ");
    lines.emplace_back(" ");
    for (int i = 1; i <= Line.Length(); ++i)
        lines.push_back(ListingLine(i, Line[i]));
    lines.emplace_back(" ");
    lines.emplace_back("Section RTF Parser: ");
    lines.emplace_back(" ");
    memo_->AddStrings(lines);
    RunRenderJob(EditText());
}
