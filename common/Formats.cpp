// The formats, gathered once from the colour table and the style codes.
#include "Formats.h"

#include <string_view>

const std::vector<Format>& AllFormats()
{
    static const std::vector<Format> all = [] {
        std::vector<Format> f;
        for (std::size_t i = 0; i < ColorTable.size(); ++i)
            f.push_back(ColorFormat(i));
        f.push_back(NoColorFormat);
        f.push_back(NoStyleFormat);
        for (const CodeFormat& s : StyleCodeFormats)
            f.push_back(s.format);
        return f;
    }();
    return all;
}

std::optional<Format> FindFormat(const UnicodeString& name)
{
    const std::u16string& n = name.str();
    for (const Format& f : AllFormats()) {
        const std::string_view want(f.name);
        if (n.size() == want.size() && std::equal(want.begin(), want.end(), n.begin()))
            return f;
    }
    return std::nullopt;
}
