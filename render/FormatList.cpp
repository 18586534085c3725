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

UnicodeString MakeEntry(int start, const UnicodeString& name, std::optional<int> end)
{
    return UnicodeString(start) + Blank + name + Blank + (end ? UnicodeString(*end) : OpenEnd);
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
