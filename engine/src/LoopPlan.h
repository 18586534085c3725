#pragma once
// What the fast engine works out once about a list of loops: which engine
// runs each loop, and every pattern an indexed loop looks for, numbered in
// one trie shared by the whole list.
#include "PatternTrie.h"
#include "RuleLoop.h"

#include <span>
#include <vector>

struct LoopPlan {
    enum class Engine { Literal, Anchored, Indexed };

    struct Loop {
        Engine engine = Engine::Literal;
        std::vector<int> rules;  // Indexed: each rule's pattern, -1 for none
        std::vector<int> guards; // Indexed: the distinct guard patterns
        std::vector<int> retire; // patterns that no loop from this one on looks for
    };

    std::vector<Loop> loops;
    PatternTrie trie;

    // Works the plan of the list out; the list makes it once.
    explicit LoopPlan(std::span<const RuleLoop> list);

    // Whether the fast engine gives the literal results for the loop.
    static bool Accepts(const RuleLoop& loop);
};
