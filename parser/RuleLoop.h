#pragma once
// The one rule-loop engine behind every table-driven pass.
//
// One iteration: pump messages; apply each rule once, in table order, to the
// first occurrence of its pattern (delete, then insert in the text as the
// deletion left it, both at offsets from that occurrence); then repeat while
// any term of the guard list occurs.
#include "UnicodeString.h"

#include <vector>

struct RewriteRule {
    UnicodeString pattern;
    int delOffset = 0; // from the 1-based match position
    int delCount = 0;  // 0: deletes nothing
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
    // Deletes every occurrence of every literal of a table, in one loop.
    static RuleLoop StripStage(const std::vector<UnicodeString>& literals);
    // Deletes the first half of every doubled literal.
    static RuleLoop Collapse(const UnicodeString& doubled);

    // Runs the loop until it stops, on the faster engine where it gives the
    // same text and pumps.
    void Run(UnicodeString& text) const;
    // The same, step by step as the loop is defined: the reference.
    void RunLiteral(UnicodeString& text) const;
};

// Runs the loops one after the other, each until it stops.
void RunLoops(UnicodeString& text, const std::vector<RuleLoop>& loops);
// The same on the literal engine only.
void RunLoopsLiteral(UnicodeString& text, const std::vector<RuleLoop>& loops);

// Totals over a list of loops, for checking what the tables hold.
struct RuleLoopCounts {
    int loops = 0, rules = 0, deleting = 0, inserting = 0, both = 0;
};
RuleLoopCounts Count(const std::vector<RuleLoop>& loops);
