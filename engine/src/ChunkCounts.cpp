// Per chunk, how many occurrences of each pattern start in it.
#include "ChunkCounts.h"

#include "EngineCheck.h"

#include <algorithm>
#include <cassert>

void ChunkCounts::Reset(int chunks)
{
    lists_.assign(static_cast<std::size_t>(chunks), List{});
    pool_.clear();
}

int ChunkCounts::Increment(int chunk, int id)
{
    assert(chunk >= 0 && static_cast<std::size_t>(chunk) < lists_.size());
    List& l = lists_[static_cast<std::size_t>(chunk)];
    Entry* e = pool_.data() + l.start;
    for (int i = 0; i < l.size; ++i)
        if (e[i].id == id)
            return ++e[i].count;
    if (l.size == l.capacity) {
        // Move the list to the end of the pool with room to grow; the old
        // place stays unused.
        const int start = static_cast<int>(pool_.size());
        const int capacity = std::max(4, l.capacity * 2);
        pool_.resize(pool_.size() + static_cast<std::size_t>(capacity));
        std::copy_n(pool_.data() + l.start, l.size, pool_.data() + start);
        l.start = start;
        l.capacity = capacity;
    }
    pool_[static_cast<std::size_t>(l.start + l.size++)] = Entry{id, 1};
    return 1;
}

int ChunkCounts::Decrement(int chunk, int id)
{
    assert(chunk >= 0 && static_cast<std::size_t>(chunk) < lists_.size());
    List& l = lists_[static_cast<std::size_t>(chunk)];
    Entry* e = pool_.data() + l.start;
    for (int i = 0; i < l.size; ++i) {
        if (e[i].id != id)
            continue;
        const int left = --e[i].count;
        if (left == 0)
            e[i] = e[--l.size];
        return left;
    }
    EngineCheck::Fail("an occurrence to forget that the index does not hold");
}
