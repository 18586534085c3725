// "Char" and the character listing of "Line".
#include "MainForm.h"

#include "AddressSpace.h"
#include "ErrorBox.h"
#include "Exception.h"
#include "QtText.h"

#include <array>
#include <new>
#include <string>

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

// The escape name of a text that is the one unit c.
const char* EscapeNameOf(char16_t c)
{
    const char* result = "unknown";
    for (const EscapeName& row : EscapeNames)
        if (c == row.code)
            result = row.name;
    return result;
}

void Append(std::u16string& out, const char* ascii)
{
    for (; *ascii; ++ascii)
        out.push_back(static_cast<char16_t>(*ascii));
}

void Append(std::u16string& out, const UnicodeString& text) { out += text.str(); }

// The listing line's parts after the unit, by its low byte: "   Hex: ",
// the hexadecimal form, "   Decimal: ", the decimal form and
// "    Escape Ctrl: "; made once by the operations the listing names.
const std::array<std::u16string, 256>& ByteParts()
{
    static const std::array<std::u16string, 256> parts = [] {
        std::array<std::u16string, 256> p;
        for (int b = 0; b < 256; ++b) {
            const UnicodeString u(static_cast<char16_t>(b));
            Append(p[b], "   Hex: ");
            Append(p[b], TForm1::KeyDecodeHex(u));
            Append(p[b], "   Decimal: ");
            Append(p[b], TForm1::KeyDecodeDecimal(u));
            Append(p[b], "    Escape Ctrl: ");
        }
        return p;
    }();
    return parts;
}

// Refuses a line whose render would run out of memory half way, where Qt's
// text documents end the program, and says so in words.
void RequireLineMemory(int units)
{
    try {
        RequireAddressSpace(RenderBytesPerUnit * static_cast<std::size_t>(units));
    } catch (const std::bad_alloc&) {
        throw Exception(std::string(OutOfMemoryText) + ": a line of " + std::to_string(units)
                        + " characters needs more memory than is left. The memo and the preview are unchanged.");
    }
}

} // namespace

UnicodeString TForm1::CheckChar(UnicodeString Input)
{
    return Input.Length() == 1 ? UnicodeString(EscapeNameOf(Input[1])) : UnicodeString("unknown");
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

void TForm1::AppendListingLine(std::u16string& out, int position, char16_t unit)
{
    char16_t digits[12];
    int n = 0;
    for (unsigned v = static_cast<unsigned>(position); n == 0 || v != 0; v /= 10)
        digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    if (position < 10)
        out.push_back(u'0');
    while (n > 0)
        out.push_back(digits[--n]);
    Append(out, ") Char: ");
    out.push_back(unit);
    out += ByteParts()[unit & 0xFF];
    Append(out, EscapeNameOf(unit));
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
    const UnicodeString Line = EditText();
    const int n = Line.Length();
    // A line too long for the memory left is refused before anything is
    // cleared: the memo and the preview keep the last result.
    RequireLineMemory(n);
    memo_->Clear();
    // The view catches up with the memo once, after the render.
    TMemoLines::Batch batch(*memo_);
    // A long listing goes in in slices, with the window's events between
    // them, so that the window never stands still for the whole of it.
    static const std::array<const char*, 2> head{"Section Line Scanner: ", " "};
    static const std::array<const char*, 3> tail{" ", "Section RTF Parser: ", " "};
    memo_->AddLines(
        n + 5,
        [&](int i, std::u16string& out) {
            if (i < 2)
                Append(out, head[static_cast<std::size_t>(i)]);
            else if (i < n + 2)
                AppendListingLine(out, i - 1, Line[i - 1]);
            else
                Append(out, tail[static_cast<std::size_t>(i - n - 2)]);
        },
        WindowPump(TWindowStep::Listing));
    // The job renders the text just listed: the edit field may have changed
    // while the listing let the window handle its events.
    RunRenderJob(Line);
    batch.CatchUp(WindowPump(TWindowStep::MemoCatchUp));
}
