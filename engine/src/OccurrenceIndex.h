#pragma once
// Where the patterns of a trie occur in a chunked text, kept right through
// every edit: per pattern the number of occurrences and the chunks where
// they start. An edit looks again only at the occurrences that can overlap
// the units it changes.
#include "ChunkCounts.h"
#include "ChunkSets.h"
#include "ChunkText.h"
#include "PatternTrie.h"

#include <cassert>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

class OccurrenceIndex {
public:
    using Cursor = ChunkText::Cursor;

    // Empty until Build.
    OccurrenceIndex(ChunkText& text, const PatternTrie& trie);

    // Finds every occurrence afresh: at the start, and after the text was
    // laid out anew.
    void Build();

    bool Occurs(int id) const
    {
        assert(id >= 0 && static_cast<std::size_t>(id) < total_.size());
        return total_[static_cast<std::size_t>(id)] > 0;
    }
    // The first occurrence of a pattern that occurs.
    Cursor First(int id);
    // ChunkText::Replace, keeping the index right.
    void Replace(Cursor at, int count, std::u16string_view with);

    // Stops following these patterns: they are never asked for again.
    void Retire(std::span<const int> ids);

    // Follows whether any of these patterns occurs, in place of the ones before.
    void Watch(std::span<const int> ids);
    bool AnyWatchedOccurs() const { return live_ > 0; }

private:
    void Add(int chunk, int id);
    void Remove(int chunk, int id);
    void Occurrences(Cursor from, int starts, bool add);
    int FindIn(int chunk, const std::u16string& pattern);

    ChunkText& text_;
    const PatternTrie& trie_;
    std::vector<std::int64_t> total_; // per pattern
    ChunkSets where_;                 // per pattern: chunks where occurrences start
    ChunkCounts counts_;              // per chunk and pattern
    std::vector<char> watched_;       // per pattern
    std::vector<char> retired_;       // per pattern
    std::vector<int> watchList_;
    int live_ = 0; // watched patterns that occur
    std::u16string tail_, window_;
    std::vector<int> owners_;
};
