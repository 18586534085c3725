#include "StageInputs.h"

#include "ColorParser.h"
#include "ColorStyleScan.h"
#include "FormatListHost.h"
#include "Workloads.h"

#include <array>
#include <map>
#include <optional>
#include <utility>

namespace {

using Texts = std::array<std::optional<UnicodeString>, 5>;

std::map<int, Texts>& Cache()
{
    static std::map<int, Texts> cache;
    return cache;
}

UnicodeString Make(int workload, Step step)
{
    switch (step) {
    case Step::Line: return Workloads()[static_cast<std::size_t>(workload)].text;
    case Step::AfterPass1: return TColorParser::PrepareLine(StageInput(workload, Step::Line));
    case Step::AfterPass2: return TColorParser::RemoveBackColors(StageInput(workload, Step::AfterPass1));
    case Step::AfterPass3: return TColorParser::PrepareLine_(StageInput(workload, Step::AfterPass2));
    case Step::AfterScan: {
        UnicodeString text = StageInput(workload, Step::AfterPass3);
        TOwnFormatList view;
        ColorStyleScan(text, view);
        return text;
    }
    }
    return {};
}

} // namespace

const UnicodeString& StageInput(int workload, Step step)
{
    auto& slot = Cache()[workload][static_cast<std::size_t>(step)];
    if (!slot)
        slot = Make(workload, step);
    return *slot;
}
