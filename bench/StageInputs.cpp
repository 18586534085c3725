// What each step of the road receives for one workload, made on first use.
#include "StageInputs.h"

#include "FormatListHost.h"
#include "LineRoad.h"
#include "Workloads.h"

#include <array>
#include <map>
#include <optional>

namespace {

using Texts = std::array<std::optional<UnicodeString>, 5>;

// Keeps what each step of the road leaves.
class StepTexts : public TLineRoadWatch {
public:
    explicit StepTexts(Texts& texts) : texts_(texts) {}

    void Done(RoadStep step, const UnicodeString& text) override
    {
        switch (step) {
        case RoadStep::Pass1: texts_[static_cast<std::size_t>(Step::AfterPass1)] = text; break;
        case RoadStep::Pass2: texts_[static_cast<std::size_t>(Step::AfterPass2)] = text; break;
        case RoadStep::Pass3: texts_[static_cast<std::size_t>(Step::AfterPass3)] = text; break;
        case RoadStep::Scan: texts_[static_cast<std::size_t>(Step::AfterScan)] = text; break;
        case RoadStep::Strip: break;
        }
    }

private:
    Texts& texts_;
};

std::map<int, Texts>& Cache()
{
    static std::map<int, Texts> cache;
    return cache;
}

} // namespace

const UnicodeString& StageInput(int workload, Step step)
{
    Texts& texts = Cache()[workload];
    auto& line = texts[static_cast<std::size_t>(Step::Line)];
    if (!line)
        line = Workloads()[static_cast<std::size_t>(workload)].text;
    auto& slot = texts[static_cast<std::size_t>(step)];
    if (!slot) {
        StepTexts keep(texts);
        TOwnFormatList view;
        UnicodeString Dummy;
        RunLineRoad(*line, Dummy, view, keep);
    }
    return *slot;
}
