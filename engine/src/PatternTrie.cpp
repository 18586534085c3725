// The patterns of one loop in a trie that tells which a text begins with.
#include "PatternTrie.h"

#include <algorithm>
#include <cassert>

namespace {

std::uint32_t Slot(std::uint32_t key, std::uint32_t mask)
{
    const std::uint32_t h = key * 0x9E3779B1u;
    return (h ^ (h >> 15)) & mask;
}

} // namespace

bool PatternTrie::Fits(std::u16string_view pattern)
{
    if (pattern.empty() || pattern.size() > MaxLength)
        return false;
    return std::all_of(pattern.begin(), pattern.end(), [](char16_t u) { return u < 0x80; });
}

void PatternTrie::Clear(int units)
{
    table_.clear();
    class_.fill(0);
    classes_ = 0;
    root_.fill(-1);
    nodes_.clear();
    patterns_.clear();
    edges_ = 0;
    longest_ = 0;
    std::uint32_t size = 16;
    while (size < static_cast<std::uint32_t>(units) * 2)
        size *= 2;
    keys_.assign(size, 0);
    children_.assign(size, -1);
    mask_ = size - 1;
}

int PatternTrie::Child(int node, char16_t unit) const
{
    const std::uint32_t key = static_cast<std::uint32_t>(node) * 0x80 + unit + 1;
    for (std::uint32_t i = Slot(key, mask_);; i = (i + 1) & mask_) {
        if (keys_[i] == key)
            return children_[i];
        if (keys_[i] == 0)
            return -1;
    }
}

void PatternTrie::Grow()
{
    std::vector<std::uint32_t> keys(keys_.size() * 2, 0);
    std::vector<int> children(keys.size(), -1);
    const std::uint32_t mask = static_cast<std::uint32_t>(keys.size()) - 1;
    for (std::size_t j = 0; j < keys_.size(); ++j) {
        if (keys_[j] == 0)
            continue;
        std::uint32_t i = Slot(keys_[j], mask);
        while (keys[i] != 0)
            i = (i + 1) & mask;
        keys[i] = keys_[j];
        children[i] = children_[j];
    }
    keys_ = std::move(keys);
    children_ = std::move(children);
    mask_ = mask;
}

int PatternTrie::AddChild(int node, char16_t unit)
{
    if (const int c = Child(node, unit); c >= 0)
        return c;
    if (static_cast<std::size_t>(edges_ + 1) * 2 > keys_.size())
        Grow();
    const std::uint32_t key = static_cast<std::uint32_t>(node) * 0x80 + unit + 1;
    std::uint32_t i = Slot(key, mask_);
    while (keys_[i] != 0)
        i = (i + 1) & mask_;
    keys_[i] = key;
    children_[i] = static_cast<int>(nodes_.size());
    nodes_[static_cast<std::size_t>(node)].inner = true;
    nodes_.emplace_back();
    ++edges_;
    return children_[i];
}

int PatternTrie::Add(std::u16string_view pattern)
{
    assert(Fits(pattern));
    int& first = root_[pattern[0]];
    if (first < 0) {
        first = static_cast<int>(nodes_.size());
        nodes_.emplace_back();
    }
    int node = first;
    for (std::size_t k = 1; k < pattern.size(); ++k)
        node = AddChild(node, pattern[k]);
    int& id = nodes_[static_cast<std::size_t>(node)].pattern;
    if (id < 0) {
        id = static_cast<int>(patterns_.size());
        patterns_.emplace_back(pattern);
        longest_ = std::max(longest_, static_cast<int>(pattern.size()));
    }
    return id;
}

void PatternTrie::Freeze()
{
    constexpr std::size_t MaxTable = std::size_t{1} << 22;
    class_.fill(0);
    std::size_t n = 1;
    for (const auto& p : patterns_)
        for (std::size_t k = 1; k < p.size(); ++k)
            if (class_[p[k]] == 0)
                class_[p[k]] = static_cast<std::uint8_t>(n++);
    if (n * nodes_.size() > MaxTable)
        return;
    classes_ = n;
    table_.assign(n * nodes_.size(), -1);
    for (std::size_t j = 0; j < keys_.size(); ++j) {
        if (keys_[j] == 0)
            continue;
        const std::uint32_t node = (keys_[j] - 1) / 0x80, unit = (keys_[j] - 1) % 0x80;
        table_[node * n + class_[unit]] = children_[j];
    }
}
