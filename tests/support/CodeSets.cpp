// The sets of codes each operation deletes or keeps.
#include "CodeSets.h"

#include "Codes.h"

namespace tt {

const std::vector<UnicodeString>& CommaHeads()
{
    static const std::vector<UnicodeString> heads = [] {
        std::vector<UnicodeString> h;
        for (int n = 0; n < 10; ++n)
            h.push_back(UnicodeString(ctrlC) + UnicodeString(n) + ",");
        for (int n = 0; n < 100; ++n)
            h.push_back(UnicodeString(ctrlC) + UnicodeString(n / 10) + UnicodeString(n % 10) + ",");
        return h;
    }();
    return heads;
}

} // namespace tt
