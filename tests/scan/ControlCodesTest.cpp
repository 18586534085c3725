// Every code the scan has a format for gets there through the passes, and
// the trailing strip takes it where it stands last (docs/control-codes.md).
#include "FormatListHost.h"
#include "Formats.h"
#include "LineRoad.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tt;

TEST(ControlCodes, EveryCodeTheScanRecordsReachesItAndTheStripTakesItLast)
{
    std::vector<CodeFormat> recorded(StyleCodeFormats.begin(), StyleCodeFormats.end());
    recorded.push_back({ctrlC, NoColorFormat});
    for (const CodeFormat& f : recorded) {
        SCOPED_TRACE(Printable(UnicodeString(f.code)));
        TOwnFormatList host;
        UnicodeString cleaned;
        // The scan's walk stops before the last unit: the second code is the strip's.
        RunLineRoad(T({"x", f.code, "y", f.code}), cleaned, host);
        ASSERT_EQ(host.list.Count(), 1) << "an earlier step deletes the code before the scan sees it";
        EXPECT_EQ(host.list[0], UnicodeString("2 ") + f.format.name + " 3");
        EXPECT_EQ(cleaned, T({"xy"})) << "the trailing strip leaves the code at the end";
    }
}

} // namespace
