// The text value's operations and their edge rules.
#include "UnicodeString.h"

#include "Exception.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

UnicodeString::UnicodeString(const char* s)
{
    for (; s && *s; ++s)
        s_.push_back(static_cast<char16_t>(static_cast<unsigned char>(*s)));
}

UnicodeString::UnicodeString(int value)
{
    const std::string d = std::to_string(value);
    s_.assign(d.begin(), d.end());
}

int UnicodeString::Pos(const UnicodeString& sub) const
{
    if (sub.s_.empty() || s_.empty())
        return 0;
    const auto at = s_.find(sub.s_);
    return at == std::u16string::npos ? 0 : static_cast<int>(at) + 1;
}

UnicodeString& UnicodeString::Delete(int index, int count)
{
    if (index < 1 || index > Length() || count < 1)
        return *this;
    const auto from = static_cast<std::size_t>(index - 1);
    s_.erase(from, std::min<std::size_t>(static_cast<std::size_t>(count), s_.size() - from));
    return *this;
}

UnicodeString& UnicodeString::Insert(const UnicodeString& text, int index)
{
    const int at = std::clamp(index, 1, Length() + 1);
    s_.insert(static_cast<std::size_t>(at - 1), text.s_);
    return *this;
}

UnicodeString UnicodeString::SubString(int index, int count) const
{
    if (index < 1)
        index = 1;
    if (index > Length() || count < 1)
        return {};
    const auto from = static_cast<std::size_t>(index - 1);
    return UnicodeString(s_.substr(from, std::min<std::size_t>(static_cast<std::size_t>(count), s_.size() - from)));
}

std::optional<int> UnicodeString::TryToInt() const
{
    std::size_t i = 0;
    bool negative = false;
    if (i < s_.size() && (s_[i] == u'+' || s_[i] == u'-')) {
        negative = s_[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < s_.size() && s_[i] == u'$') {
        base = 16;
        ++i;
    }
    if (i == s_.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < s_.size(); ++i) {
        const char16_t c = s_[i];
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > (std::int64_t{1} << 32))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (base == 16 && !negative && value <= 0xFFFFFFFFll)
        return static_cast<int>(static_cast<std::uint32_t>(value)); // "$FFFFFFFF" is -1
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}

int UnicodeString::ToInt() const
{
    if (auto v = TryToInt())
        return *v;
    throw EConvertError("'" + Printable(*this) + "' is not a valid integer value");
}

UnicodeString ReverseString(const UnicodeString& s)
{
    std::u16string r = s.str();
    std::reverse(r.begin(), r.end());
    return UnicodeString(std::move(r));
}

UnicodeString IntToHex(int value, int digits)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*X", digits, static_cast<unsigned>(value));
    return UnicodeString(buf);
}

std::string Printable(const UnicodeString& s)
{
    std::string out;
    for (char16_t c : s.str()) {
        if (c >= 0x20 && c < 0x7F) {
            out.push_back(static_cast<char>(c));
        } else {
            char buf[12];
            std::snprintf(buf, sizeof buf, "<%02X>", static_cast<unsigned>(c));
            out += buf;
        }
    }
    return out;
}
