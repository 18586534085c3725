#pragma once
// A text value over UTF-16 code units with 1-based positions.
// Edge rules: Pos is 0 when absent or either text is empty; Delete ignores
// an index outside the text or a count below 1; Insert puts the text in
// front for an index below 1 and appends past the end; SubString is empty
// past the end or for a count below 1, reads from 1 for an index below 1.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class UnicodeString {
public:
    UnicodeString() = default;
    UnicodeString(std::u16string s) : s_(std::move(s)) {}
    UnicodeString(const char16_t* s) : s_(s) {}
    UnicodeString(std::u16string_view s) : s_(s) {}
    // 8-bit literal widened unit by unit.
    UnicodeString(const char* s);
    explicit UnicodeString(char16_t c) : s_(1, c) {}
    // The decimal text of a number.
    explicit UnicodeString(int value);

    int Length() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }

    int Pos(const UnicodeString& sub) const;
    UnicodeString& Delete(int index, int count);
    UnicodeString& Insert(const UnicodeString& text, int index);
    UnicodeString SubString(int index, int count) const;

    // StrToInt rules: optional sign, then decimal digits or '$' and
    // hexadecimal digits; 32-bit range. Anything else throws EConvertError.
    int ToInt() const;
    // The same rules without the exception.
    std::optional<int> TryToInt() const;

    // 1-based unit access; no range check beyond the assertion of operator[].
    char16_t operator[](int index) const { return s_[static_cast<std::size_t>(index - 1)]; }

    const std::u16string& str() const { return s_; }
    std::u16string& str() { return s_; }

    UnicodeString& operator+=(const UnicodeString& o)
    {
        s_ += o.s_;
        return *this;
    }
    friend UnicodeString operator+(UnicodeString a, const UnicodeString& b)
    {
        a += b;
        return a;
    }
    friend bool operator==(const UnicodeString&, const UnicodeString&) = default;
    friend auto operator<=>(const UnicodeString& a, const UnicodeString& b) { return a.s_ <=> b.s_; }

private:
    std::u16string s_;
};

// The text with its units in reverse order.
UnicodeString ReverseString(const UnicodeString& s);
// Upper-case hexadecimal of value, at least digits wide.
UnicodeString IntToHex(int value, int digits);
// Decimal text of value.
inline UnicodeString IntToStr(int value) { return UnicodeString(value); }
// Readable 8-bit rendering for test messages: codes as <NN>.
std::string Printable(const UnicodeString& s);
