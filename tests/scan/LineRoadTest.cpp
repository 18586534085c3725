// The road of a line: every step in its order, and a failure that leaves the
// working text and the Format List as far as the road got.
#include "LineRoad.h"
#include "Application.h"
#include "Exception.h"
#include "FormatListHost.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tt;

// Notes every call of the watch.
class Steps : public TLineRoadWatch {
public:
    void Done(RoadStep step, const UnicodeString&) override
    {
        static const char* const names[] = {"Pass1", "Pass2", "Pass3", "Scan", "Strip"};
        seen += names[static_cast<int>(step)];
        seen += ' ';
    }
    void BeforeScan() override { seen += "BeforeScan "; }

    std::string seen;
};

struct StopCase {
    const char* name;
    std::uint64_t stopAt; // the pump that throws, counted from the road's start; 0: none
    UnicodeString text;
    std::vector<UnicodeString> entries;
    std::string seen;
};

TEST(LineRoad, StopsAsFarAsItGot)
{
    // Pass1 makes pumps 1..110, Pass2 111..185, Pass3 186..210, the scan
    // 211..218 (it deletes the colour code at its first), the strip 219.
    const UnicodeString line = T({C, "4,1Hi", B, "x", B});
    const UnicodeString earlier = T({"before"});
    const std::vector<UnicodeString> earlierList = {"9 bold 00"};
    const std::string passes = "Pass1 Pass2 Pass3 BeforeScan ";
    const StopCase cases[] = {
        {"in Pass1", 1, earlier, earlierList, ""},
        {"in Pass2", 111, T({C, "4Hi", B, "x", B}), earlierList, "Pass1 "},
        {"in Pass3", 186, T({C, "04Hi", B, "x", B}), earlierList, "Pass1 Pass2 "},
        {"at the scan's first pump", 211, T({C, "04Hi", B, "x", B}), {}, passes},
        {"inside the scan", 213, T({"Hi", B, "x", B}), {"1 clRed 00"}, passes},
        {"in the strip", 219, T({"Hix", B}), {"1 clRed 00", "3 bold 4"}, passes + "Scan "},
        {"never", 0, T({"Hix"}), {"1 clRed 00", "3 bold 4"}, passes + "Scan Strip "},
    };
    for (const StopCase& c : cases) {
        SCOPED_TRACE(c.name);
        TOwnFormatList host;
        host.list.Add(earlierList[0]);
        Steps steps;
        UnicodeString Dummy = earlier;
        const PumpCounter pumps;
        bool stopped = false;
        try {
            // A stretch of pumps counted at once runs the hook once, after it.
            const TPumpHookGuard hook([&] {
                if (c.stopAt != 0 && !stopped && pumps.Count() >= c.stopAt) {
                    stopped = true;
                    throw Exception("stopped");
                }
            });
            RunLineRoad(line, Dummy, host, steps);
        } catch (const Exception&) {
        }
        EXPECT_EQ(stopped, c.stopAt != 0);
        EXPECT_EQ(Dummy, c.text);
        EXPECT_EQ(host.list.Items(), c.entries);
        EXPECT_EQ(steps.seen, c.seen);
        if (c.stopAt == 0) {
            EXPECT_EQ(pumps.Count(), 219u);
        }
    }
}

} // namespace
