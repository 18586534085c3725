// The rule loops of the colour normaliser, stage by stage, built once.
#include "NormaliserTables.h"

#include "Codes.h"

#include <array>

namespace Normaliser {
namespace {

using Table = std::vector<UnicodeString>;
using Rules = std::vector<RewriteRule>;

const UnicodeString colour(ctrlC);
const UnicodeString reset(ctrlT);
const UnicodeString zero("0");

// The match loses all but its last character.
RewriteRule KeepLast(const UnicodeString& pattern) { return RewriteRule{pattern, 0, pattern.Length() - 1, {}, 0}; }

// One loop per rule, each guarded by its own pattern.
void AddSingleRuleLoops(std::vector<RuleLoop>& loops, const Rules& rules)
{
    for (const auto& r : rules)
        loops.push_back(RuleLoop::Of({r}));
}

// Every rule of a table with the same edit.
Rules Each(const Table& table, int delOffset, int delCount, const UnicodeString& insText)
{
    Rules rules;
    for (const auto& p : table)
        rules.push_back(RewriteRule{p, delOffset, delCount, insText, insText.IsEmpty() ? 0 : 1});
    return rules;
}

Rules Joined(Rules a, const Rules& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A colour code, then the reset: the bare 0x03 first, then "00".."15".
std::vector<RuleLoop> DropColorBeforeResetLoops()
{
    Rules rules{KeepLast(colour + reset)};
    for (const auto& code : Codes::ColorCodes2())
        rules.push_back(KeepLast(code + reset));
    std::vector<RuleLoop> loops;
    AddSingleRuleLoops(loops, rules);
    return loops;
}

// Three in a row lose two, then two in a row lose one.
std::vector<RuleLoop> CollapseRepeatedCodesLoops()
{
    std::vector<RuleLoop> loops;
    for (char16_t code : {ctrlB, ctrlC, ctrlU, ctrlI, ctrlS, ctrlT}) {
        loops.push_back(RuleLoop::Of({KeepLast(Codes::Text({code, code, code}))}));
        loops.push_back(RuleLoop::Of({KeepLast(Codes::Text({code, code}))}));
    }
    return loops;
}

std::vector<RuleLoop> DropResetBeforeCodeLoops()
{
    Rules rules;
    for (char16_t code : {ctrlC, ctrlI, ctrlS, ctrlU, ctrlB})
        rules.push_back(RewriteRule{Codes::Text({ctrlT, code}), 0, 1, {}, 0});
    std::vector<RuleLoop> loops;
    AddSingleRuleLoops(loops, rules);
    return loops;
}

// Bold and underline together first, in either order, then one style each.
std::vector<RuleLoop> DropStyleBeforeResetLoops()
{
    Rules rules{KeepLast(Codes::Text({ctrlB, ctrlU, ctrlT})), KeepLast(Codes::Text({ctrlU, ctrlB, ctrlT}))};
    for (char16_t code : {ctrlB, ctrlU, ctrlS, ctrlI})
        rules.push_back(KeepLast(Codes::Text({code, ctrlT})));
    std::vector<RuleLoop> loops;
    AddSingleRuleLoops(loops, rules);
    return loops;
}

std::vector<RuleLoop> DropUnsupportedCodesLoops() { return RuleLoop::StripEach({u'\x04', u'\x11', u'\x16', u'\x17'}); }

std::vector<FoldRow> BuildColorFoldTable()
{
    std::vector<FoldRow> rows;
    for (int target = 0; target < 16; ++target) {
        for (int source = target + 16; source <= 98; source += 16)
            rows.push_back({source, target});
        // 99 mod 16 would give 03; the number folds to 00 instead.
        if (target == 0)
            rows.push_back({99, 0});
    }
    return rows;
}

// One loop per target index; the two digits are replaced in place.
std::vector<RuleLoop> FoldColorNumbersLoops()
{
    std::array<Rules, 16> byTarget;
    for (const auto& row : ColorFoldTable()) {
        const UnicodeString& index = Codes::Numbers2()[static_cast<std::size_t>(row.target)];
        byTarget[static_cast<std::size_t>(row.target)].push_back(
            RewriteRule{colour + UnicodeString(row.source), 1, 2, index, 1});
    }
    std::vector<RuleLoop> loops;
    for (auto& rules : byTarget)
        loops.push_back(RuleLoop::Of(std::move(rules)));
    return loops;
}

// The comma and the background go; a one-digit colour number gets its "0".
std::vector<RuleLoop> StripBackColorsLoops()
{
    Rules oneTwo = Each(Codes::ColorPairCodes12(), 2, 3, zero);
    // These two rows leave their one digit to the padding stage.
    for (auto& r : oneTwo)
        if (r.pattern == colour + "2,00" || r.pattern == colour + "6,00")
            r.insText = {};
    return {
        RuleLoop::Of(Each(Codes::ColorPairCodes22(), 3, 3, {})),
        RuleLoop::Of(Joined(Each(Codes::ColorPairCodes21(), 3, 2, {}), oneTwo)),
        RuleLoop::Of(Each(Codes::ColorPairCodes11(), 2, 2, zero)),
    };
}

// Of two colour codes back to back the first goes whole.
std::vector<RuleLoop> DropOverriddenColorsLoops()
{
    return {
        RuleLoop::Of(Each(Codes::AdjacentColorCodes22(), 0, 3, {})),
        RuleLoop::Of(
            Joined(Each(Codes::AdjacentColorCodes21(), 0, 3, {}), Each(Codes::AdjacentColorCodes12(), 0, 2, {}))),
        RuleLoop::Of(Each(Codes::AdjacentColorCodes11(), 0, 2, {})),
    };
}

// 0x03 "2".."9" get a "0" between the code and the digit.
std::vector<RuleLoop> PadColorNumbersLoops()
{
    const Table& codes = Codes::ColorCodes1();
    return {RuleLoop::Of(Each(Table(codes.begin() + 2, codes.end()), 0, 0, zero))};
}

std::array<std::vector<RuleLoop>, StageCount> StageLoops()
{
    // clang-format off
    return {
        DropColorBeforeResetLoops(),
        CollapseRepeatedCodesLoops(),
        DropResetBeforeCodeLoops(),
        DropStyleBeforeResetLoops(),
        DropUnsupportedCodesLoops(),
        FoldColorNumbersLoops(),
        StripBackColorsLoops(),
        DropOverriddenColorsLoops(),
        PadColorNumbersLoops(),
    };
    // clang-format on
}

// Each stage as a list of its own, and all nine as the one list Pass2 runs.
struct Tables {
    std::vector<LoopList> stages;
    LoopList all;
};

const Tables& TheTables()
{
    static const Tables tables = [] {
        std::vector<LoopList> stages;
        std::vector<RuleLoop> all;
        for (auto& loops : StageLoops()) {
            all.insert(all.end(), loops.begin(), loops.end());
            stages.emplace_back(std::move(loops));
        }
        return Tables{std::move(stages), LoopList(std::move(all))};
    }();
    return tables;
}

} // namespace

const char* Name(Stage stage)
{
    // clang-format off
    static constexpr const char* names[StageCount] = {
        "DropColorBeforeReset", "CollapseRepeatedCodes", "DropResetBeforeCode",
        "DropStyleBeforeReset", "DropUnsupportedCodes", "FoldColorNumbers",
        "StripBackColors", "DropOverriddenColors", "PadColorNumbers",
    };
    // clang-format on
    return names[static_cast<int>(stage)];
}

const LoopList& Loops(Stage stage) { return TheTables().stages[static_cast<std::size_t>(stage)]; }

const LoopList& AllLoops() { return TheTables().all; }

const std::vector<FoldRow>& ColorFoldTable()
{
    static const std::vector<FoldRow> rows = BuildColorFoldTable();
    return rows;
}

} // namespace Normaliser
