#pragma once
// The patterns of one loop, numbered, in a trie that tells which of them a
// text begins with. Patterns are 1 to MaxLength units, all below 0x80.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class PatternTrie {
public:
    static constexpr int MaxLength = 6;

    static bool Fits(std::u16string_view pattern);

    // Empties the trie, sized for about `units` pattern units.
    void Clear(int units);
    // The pattern's number; equal patterns share one. The pattern must fit.
    int Add(std::u16string_view pattern);
    int Patterns() const { return static_cast<int>(patterns_.size()); }
    const std::u16string& Pattern(int id) const { return patterns_[static_cast<std::size_t>(id)]; }
    int Longest() const { return longest_; }

    // Whether some pattern begins with this unit.
    bool Starts(char16_t unit) const { return unit < 0x80 && root_[unit] >= 0; }

    // After the last Add: lays the children out in a table for Match,
    // unless that table would be too large.
    void Freeze();

    // Calls found(id) for every pattern that s[0 .. n) begins with.
    template <class F>
    void Match(const char16_t* s, int n, F&& found) const
    {
        if (n <= 0 || !Starts(s[0]))
            return;
        int node = root_[s[0]];
        for (int k = 1;; ++k) {
            const Node& nd = nodes_[static_cast<std::size_t>(node)];
            if (nd.pattern >= 0)
                found(nd.pattern);
            if (!nd.inner || k >= n || s[k] >= 0x80)
                return;
            if (table_.empty()) {
                node = Child(node, s[k]);
            } else {
                const int cls = class_[s[k]];
                if (cls == 0)
                    return;
                node = table_[static_cast<std::size_t>(node) * classes_ + static_cast<std::size_t>(cls)];
            }
            if (node < 0)
                return;
        }
    }

private:
    struct Node {
        int pattern = -1;
        bool inner = false; // has children
    };

    int Child(int node, char16_t unit) const;
    int AddChild(int node, char16_t unit);
    void Grow();

    std::array<int, 0x80> root_{};
    std::vector<Node> nodes_;
    // Children below the first level: open addressing on node * 0x80 + unit + 1.
    std::vector<std::uint32_t> keys_;
    std::vector<int> children_;
    std::uint32_t mask_ = 0;
    int edges_ = 0;
    int longest_ = 0;
    std::vector<std::u16string> patterns_;
    // Frozen: units numbered 1.. by class_, 0 for units in no pattern, and
    // every node's children in a row of table_.
    std::array<std::uint8_t, 0x80> class_{};
    std::size_t classes_ = 0;
    std::vector<int> table_;
};
