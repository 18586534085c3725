#pragma once
// Many sets of chunk numbers over the same range, held as bits with a
// summary level, so the next or previous member is found without walking
// long empty stretches.
#include <cstdint>
#include <vector>

class ChunkSets {
public:
    // Empties everything: `sets` sets over the chunk numbers 0 .. chunks - 1.
    void Reset(int sets, int chunks);

    void Insert(int set, int chunk);
    void Erase(int set, int chunk);
    // The smallest member not below `chunk`, or -1.
    int Next(int set, int chunk) const;
    // The largest member not above `chunk`, or -1.
    int Prev(int set, int chunk) const;

private:
    int chunks_ = 0;
    int words_ = 0; // bit words per set
    int sums_ = 0;  // summary words per set: one bit per non-zero bit word
    std::vector<std::uint64_t> bits_;
    std::vector<std::uint64_t> sum_;
};
