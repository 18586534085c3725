// One run of a text step: its text, pumps and Format List.
#include "Outcome.h"

#include "Application.h"

#include <utility>

namespace tt {

TextStep Step(TextOp op)
{
    return [op](UnicodeString& text) { text = op(text); };
}

Outcome RunCounted(const TextStep& step, const UnicodeString& input)
{
    Outcome o;
    o.text = input;
    const PumpCounter pumps;
    step(o.text);
    o.pumps = pumps.Count();
    return o;
}

std::string Describe(const Outcome& o)
{
    std::string s = '"' + Printable(o.text) + "\" pumps " + std::to_string(o.pumps);
    if (!o.entries.empty()) {
        s += " list";
        for (const UnicodeString& e : o.entries)
            s += " [" + Printable(e) + "]";
    }
    return s;
}

} // namespace tt
