// The Format List's entries and the upkeep of their positions.
#include "FormatList.h"

#include "Application.h"
#include "Exception.h"
#include "Int32.h"

#include <cstdint>
#include <string_view>

namespace {

const UnicodeString Blank(" ");

// The integer before the first blank of an entry, read the way ToInt reads
// it; plain short digit runs, which is all the scan writes, skip the copy.
std::optional<int> StartOf(const UnicodeString& entry)
{
    const std::u16string_view s(entry.str());
    const std::size_t blank = s.find(u' ');
    const std::u16string_view start = s.substr(0, blank == std::u16string_view::npos ? 0 : blank);
    if (!start.empty() && start.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (char16_t c : start) {
            if (c < u'0' || c > u'9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - u'0');
        }
        if (digits)
            return value;
    }
    return UnicodeString(start).TryToInt();
}

// Holds the list's update bracket open for one walk.
class UpdateBracket {
public:
    explicit UpdateBracket(TStrings& list) : list_(list) { list_.BeginUpdate(); }
    ~UpdateBracket() { list_.EndUpdate(); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    TStrings& list_;
};

} // namespace

FormatEntry SplitEntry(const UnicodeString& entry)
{
    FormatEntry f;
    const int b = entry.Pos(Blank);
    f.Start = entry.SubString(1, b - 1);
    const UnicodeString rest = b == 0 ? entry : entry.SubString(b + 1, entry.Length() - b);
    const int c = rest.Pos(Blank);
    f.Col = rest.SubString(1, c - 1);
    f.Next = c == 0 ? rest : rest.SubString(c + 1, rest.Length() - c);
    return f;
}

namespace {

// The decimal text of value, as IntToStr writes it, appended to out.
void AppendDecimal(std::u16string& out, int value)
{
    char16_t digits[12];
    int n = 0;
    // Through the unsigned magnitude, so that the lowest value has one too.
    std::uint32_t u = value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (value < 0)
        out.push_back(u'-');
    while (n > 0)
        out.push_back(digits[--n]);
}

} // namespace

UnicodeString MakeEntry(int start, const UnicodeString& name, std::optional<int> end)
{
    // One text built in place: the scan makes one entry per code.
    std::u16string s;
    s.reserve(static_cast<std::size_t>(name.Length()) + 24);
    AppendDecimal(s, start);
    s.push_back(u' ');
    s += name.str();
    s.push_back(u' ');
    if (end)
        AppendDecimal(s, *end);
    else
        s += OpenEnd.str();
    return UnicodeString(std::move(s));
}

void UpdateFormatList(TStrings& list, int pos, int length)
{
    UpdateBracket bracket(list);
    try {
        for (int i = 0; i < list.Count(); ++i) {
            Application->ProcessMessages();
            const std::optional<int> s = StartOf(list.Get(i));
            if (!s)
                return;
            if (*s <= pos)
                continue;
            const FormatEntry f = SplitEntry(list.Get(i));
            const UnicodeString moved = UnicodeString(Sub32(*s, length)) + Blank + f.Col + Blank;
            list.Put(i, moved + f.Next);
            if (f.Next == OpenEnd)
                continue;
            const std::optional<int> e = f.Next.TryToInt();
            if (!e)
                return;
            list.Put(i, moved + UnicodeString(Sub32(*e, length)));
        }
    } catch (const Exception&) {
        // A list shortened under the walk ends it, like an entry that does not convert.
    }
}

void UpdateFormatListNoneMoved(TStrings& list)
{
    UpdateBracket bracket(list);
    Application->ProcessMessages(static_cast<std::uint64_t>(list.Count()));
}
