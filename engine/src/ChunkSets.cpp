// Sets of chunk numbers as bits with a summary level.
#include "ChunkSets.h"

#include <bit>
#include <cassert>

void ChunkSets::Reset(int sets, int chunks)
{
    chunks_ = chunks;
    words_ = (chunks + 63) / 64;
    sums_ = (words_ + 63) / 64;
    bits_.assign(static_cast<std::size_t>(sets) * words_, 0);
    sum_.assign(static_cast<std::size_t>(sets) * sums_, 0);
}

void ChunkSets::Insert(int set, int chunk)
{
    assert(chunk >= 0 && chunk < chunks_ && set >= 0 && static_cast<std::size_t>(set) * words_ < bits_.size());
    const std::size_t w = static_cast<std::size_t>(set) * words_ + (chunk >> 6);
    bits_[w] |= std::uint64_t{1} << (chunk & 63);
    const int word = chunk >> 6;
    sum_[static_cast<std::size_t>(set) * sums_ + (word >> 6)] |= std::uint64_t{1} << (word & 63);
}

void ChunkSets::Erase(int set, int chunk)
{
    assert(chunk >= 0 && chunk < chunks_ && set >= 0 && static_cast<std::size_t>(set) * words_ < bits_.size());
    const std::size_t w = static_cast<std::size_t>(set) * words_ + (chunk >> 6);
    bits_[w] &= ~(std::uint64_t{1} << (chunk & 63));
    if (bits_[w] == 0) {
        const int word = chunk >> 6;
        sum_[static_cast<std::size_t>(set) * sums_ + (word >> 6)] &= ~(std::uint64_t{1} << (word & 63));
    }
}

int ChunkSets::Next(int set, int chunk) const
{
    if (chunk < 0)
        chunk = 0;
    if (chunk >= chunks_)
        return -1;
    const std::uint64_t* bits = bits_.data() + static_cast<std::size_t>(set) * words_;
    const std::uint64_t* sum = sum_.data() + static_cast<std::size_t>(set) * sums_;
    int word = chunk >> 6;
    if (const std::uint64_t m = bits[word] & (~std::uint64_t{0} << (chunk & 63)))
        return (word << 6) + std::countr_zero(m);
    ++word;
    if (word >= words_)
        return -1;
    int s = word >> 6;
    std::uint64_t m = sum[s] & (~std::uint64_t{0} << (word & 63));
    while (m == 0) {
        if (++s >= sums_)
            return -1;
        m = sum[s];
    }
    word = (s << 6) + std::countr_zero(m);
    return (word << 6) + std::countr_zero(bits[word]);
}

int ChunkSets::Prev(int set, int chunk) const
{
    if (chunk >= chunks_)
        chunk = chunks_ - 1;
    if (chunk < 0)
        return -1;
    const std::uint64_t* bits = bits_.data() + static_cast<std::size_t>(set) * words_;
    const std::uint64_t* sum = sum_.data() + static_cast<std::size_t>(set) * sums_;
    int word = chunk >> 6;
    if (const std::uint64_t m = bits[word] & (~std::uint64_t{0} >> (63 - (chunk & 63))))
        return (word << 6) + 63 - std::countl_zero(m);
    --word;
    if (word < 0)
        return -1;
    int s = word >> 6;
    std::uint64_t m = sum[s] & (~std::uint64_t{0} >> (63 - (word & 63)));
    while (m == 0) {
        if (--s < 0)
            return -1;
        m = sum[s];
    }
    word = (s << 6) + 63 - std::countl_zero(m);
    return (word << 6) + 63 - std::countl_zero(bits[word]);
}
