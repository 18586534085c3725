#pragma once
// The rule-loop engine behind every table-driven pass: rewrite rules, loops
// of them, and lists of loops run one after the other.
//
//   auto loops = RuleLoop::StripEach({u'\x02', u'\x1F'});           // every bold, then every underline goes
//   loops.push_back(RuleLoop::Collapse(u"\x03" "04" u"\x03" "04")); // a doubled red goes once
//   const LoopList list(std::move(loops));
//   UnicodeString text(u"\x02" "a" u"\x1F" u"\x03" "04" u"\x03" "04" "b");
//   list.Run(text);        // text is now "a" 0x03 "04" "b"
//   list.RunLiteral(text); // the same loops step by step: the reference
//
// One iteration of a loop: pump messages; apply each rule once, in table
// order, to the first occurrence of its pattern (delete, then insert in the
// text as the deletion left it, both at offsets from that occurrence); then
// repeat while any term of the guard list occurs. A list works out once, when
// it is made, how to run each loop fast; every run gives the same text and
// the same pumps as running the loops step by step. Should the fast engine
// ever find its own bookkeeping broken, the run stops with std::logic_error
// rather than go on with a wrong text.
#include "UnicodeString.h"

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <vector>

struct RewriteRule {
    UnicodeString pattern;
    int delOffset = 0;     // from the 1-based match position
    int delCount = 0;      // 0: deletes nothing
    UnicodeString insText; // empty: inserts nothing
    int insOffset = 0;

    bool Deletes() const { return delCount > 0; }
    bool Inserts() const { return !insText.IsEmpty(); }
};

struct RuleLoop {
    std::vector<RewriteRule> rules;
    std::vector<UnicodeString> guards;
    // Match only at the first position of the text.
    bool anchored = false;
    // Let the platform process messages at the head of every iteration.
    bool pumps = true;

    // A loop whose guard list is its own patterns, in table order.
    static RuleLoop Of(std::vector<RewriteRule> rules);
    // Deletes one literal whole, every occurrence.
    static RuleLoop Strip(const UnicodeString& literal);
    // One strip loop per literal, or per one-unit code, in the order given.
    static std::vector<RuleLoop> StripEach(const std::vector<UnicodeString>& literals);
    static std::vector<RuleLoop> StripEach(std::initializer_list<char16_t> codes);
    // Deletes every occurrence of every literal of a table, or of every
    // one-unit code, in one loop.
    static RuleLoop StripStage(const std::vector<UnicodeString>& literals);
    static RuleLoop StripStage(std::initializer_list<char16_t> codes);
    // Deletes the first half of every doubled literal.
    static RuleLoop Collapse(const UnicodeString& doubled);

    // Runs the loop until it stops, step by step as it is defined: the
    // reference that every faster run is held to.
    void RunLiteral(UnicodeString& text) const;
};

struct LoopPlan; // how each loop of a list runs fast; the engine's own

// Loops that run one after the other, each until it stops. Make a list once
// and run it many times: making it works out its plan.
class LoopList {
public:
    // Units per chunk of the fast engine's text.
    static constexpr int DefaultChunkSize = 64;

    LoopList(std::vector<RuleLoop> loops);

    // Runs the list on whichever engine is quicker for the text.
    void Run(UnicodeString& text) const;
    // The same, step by step: the reference.
    void RunLiteral(UnicodeString& text) const;
    // The same, on the fast engine whatever the text's length, with chunks
    // of about chunkSize units: for the checks that hold it to the reference.
    void RunFast(UnicodeString& text, int chunkSize = DefaultChunkSize) const;
    // Whether the fast engine takes loop k itself rather than handing it
    // to the literal one.
    bool RunsFast(std::size_t k) const;

    const std::vector<RuleLoop>& Loops() const { return loops_; }
    std::size_t size() const { return loops_.size(); }
    const RuleLoop& operator[](std::size_t k) const { return loops_[k]; }
    const RuleLoop& at(std::size_t k) const { return loops_.at(k); }
    auto begin() const { return loops_.begin(); }
    auto end() const { return loops_.end(); }

private:
    std::vector<RuleLoop> loops_;
    std::shared_ptr<const LoopPlan> plan_;
};

// Totals over a list of loops, for checking what the tables hold.
struct RuleLoopCounts {
    int loops = 0, rules = 0, deleting = 0, inserting = 0, both = 0;
};
RuleLoopCounts Count(const std::vector<RuleLoop>& loops);
inline RuleLoopCounts Count(const LoopList& list) { return Count(list.Loops()); }
