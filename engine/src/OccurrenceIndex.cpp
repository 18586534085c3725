// Where a trie's patterns occur in a chunked text, kept right through every edit.
#include "OccurrenceIndex.h"

#include "EngineCheck.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace {

// High bit of every 16-bit lane of v that is zero.
std::uint64_t ZeroLanes(std::uint64_t v)
{
    constexpr std::uint64_t low = 0x7FFF7FFF7FFF7FFFull;
    return ~(((v & low) + low) | v | low);
}

// The first place where p (two units or more) starts within s[0 .. n),
// or -1: four places at a time, testing the first two units of p.
int Search(const char16_t* s, int n, const std::u16string& p)
{
    const int m = static_cast<int>(p.size());
    const int last = n - m;
    int i = 0;
    if constexpr (std::endian::native == std::endian::little) {
        const std::uint64_t first = 0x0001000100010001ull * p[0], second = 0x0001000100010001ull * p[1];
        for (; i + 3 <= last; i += 4) {
            std::uint64_t a, b;
            std::memcpy(&a, s + i, sizeof a);
            std::memcpy(&b, s + i + 1, sizeof b);
            for (std::uint64_t hits = ZeroLanes(a ^ first) & ZeroLanes(b ^ second); hits != 0; hits &= hits - 1) {
                const int at = i + std::countr_zero(hits) / 16;
                if (std::equal(p.begin() + 2, p.end(), s + at + 2))
                    return at;
            }
        }
    }
    for (; i <= last; ++i)
        if (s[i] == p[0] && std::equal(p.begin() + 1, p.end(), s + i + 1))
            return i;
    return -1;
}

// A chunk that grows past this many times the chunk size makes the text be
// laid out afresh.
constexpr int SplitFactor = 32;

} // namespace

OccurrenceIndex::OccurrenceIndex(ChunkText& text, const PatternTrie& trie) : text_(text), trie_(trie)
{
    watched_.assign(static_cast<std::size_t>(trie.Patterns()), 0);
    retired_.assign(static_cast<std::size_t>(trie.Patterns()), 0);
}

void OccurrenceIndex::Build()
{
    const int patterns = trie_.Patterns();
    total_.assign(static_cast<std::size_t>(patterns), 0);
    where_.Reset(patterns, text_.Chunks());
    counts_.Reset(text_.Chunks());
    live_ = 0;
    // No scan when no pattern's first unit is in the text.
    bool starts = false;
    for (char16_t u = 0; u < 0x80 && !starts; ++u)
        starts = trie_.Starts(u) && text_.Count(u) > 0;
    if (!starts)
        return;
    const int longest = trie_.Longest();
    tail_.resize(static_cast<std::size_t>(longest));
    for (int c = 0; c < text_.Chunks(); ++c) {
        const std::u16string& s = text_.Chunk(c);
        const int len = static_cast<int>(s.size());
        const auto add = [this, c](int id) { Add(c, id); };
        for (int i = 0; i < len; ++i) {
            if (!trie_.Starts(s[static_cast<std::size_t>(i)]))
                continue;
            if (i + longest <= len) {
                trie_.Match(s.data() + i, longest, add);
            } else {
                const int n = text_.Read({c, i}, longest, tail_.data());
                trie_.Match(tail_.data(), n, add);
            }
        }
    }
}

void OccurrenceIndex::Add(int chunk, int id)
{
    const auto k = static_cast<std::size_t>(id);
    if (retired_[k])
        return;
    if (total_[k]++ == 0 && watched_[k])
        ++live_;
    if (counts_.Increment(chunk, id) == 1)
        where_.Insert(id, chunk);
}

void OccurrenceIndex::Remove(int chunk, int id)
{
    const auto k = static_cast<std::size_t>(id);
    if (retired_[k])
        return;
    assert(total_[k] > 0);
    if (--total_[k] == 0 && watched_[k])
        --live_;
    if (counts_.Decrement(chunk, id) == 0)
        where_.Erase(id, chunk);
}

void OccurrenceIndex::Retire(std::span<const int> ids)
{
    for (int id : ids)
        retired_[static_cast<std::size_t>(id)] = 1;
}

void OccurrenceIndex::Watch(std::span<const int> ids)
{
    for (int id : watchList_)
        watched_[static_cast<std::size_t>(id)] = 0;
    watchList_.assign(ids.begin(), ids.end());
    live_ = 0;
    for (int id : watchList_) {
        const auto k = static_cast<std::size_t>(id);
        if (!watched_[k]) {
            watched_[k] = 1;
            live_ += total_[k] > 0;
        }
    }
}

OccurrenceIndex::Cursor OccurrenceIndex::First(int id)
{
    assert(Occurs(id) && !retired_[static_cast<std::size_t>(id)]);
    const int c = where_.Next(id, 0);
    EngineCheck::Require(c >= 0, "a pattern that occurs in no chunk");
    const int at = FindIn(c, trie_.Pattern(id));
    EngineCheck::Require(at >= 0, "an occurrence that its chunk does not hold");
    return {c, at};
}

int OccurrenceIndex::FindIn(int c, const std::u16string& p)
{
    const std::u16string& s = text_.Chunk(c);
    const int len = static_cast<int>(s.size()), plen = static_cast<int>(p.size());
    if (plen == 1) {
        const auto at = s.find(p[0]);
        return at == std::u16string::npos ? -1 : static_cast<int>(at);
    }
    if (const int at = Search(s.data(), len, p); at >= 0)
        return at;
    // Occurrences that run on into the chunks after.
    tail_.resize(p.size());
    for (int i = std::max(0, len - plen + 1); i < len; ++i)
        if (text_.Read({c, i}, plen, tail_.data()) == plen && std::equal(p.begin(), p.end(), tail_.begin()))
            return i;
    return -1;
}

void OccurrenceIndex::Replace(Cursor at, int count, std::u16string_view with)
{
    assert(count >= 0);
    // Only occurrences that start up to Longest - 1 units before the
    // replaced units, or among them, can overlap them.
    int back = 0;
    const Cursor from = text_.Backward(at, std::max(trie_.Longest() - 1, 0), back);
    Occurrences(from, back + count, false);
    const int grown = text_.Replace(at, count, with);
    Occurrences(from, back + static_cast<int>(with.size()), true);
    if (grown > SplitFactor * text_.ChunkSize()) {
        text_.Rebalance();
        Build();
    }
}

void OccurrenceIndex::Occurrences(Cursor from, int starts, bool add)
{
    if (trie_.Patterns() == 0 || starts <= 0)
        return;
    const int want = starts + trie_.Longest() - 1;
    window_.resize(static_cast<std::size_t>(want));
    owners_.resize(static_cast<std::size_t>(want));
    const int n = text_.Read(from, want, window_.data(), owners_.data());
    for (int i = 0; i < std::min(starts, n); ++i) {
        if (!trie_.Starts(window_[static_cast<std::size_t>(i)]))
            continue;
        const int owner = owners_[static_cast<std::size_t>(i)];
        trie_.Match(window_.data() + i, n - i, [&](int id) {
            if (add)
                Add(owner, id);
            else
                Remove(owner, id);
        });
    }
}
