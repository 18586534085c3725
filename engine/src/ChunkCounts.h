#pragma once
// For every chunk, how many occurrences of each pattern start in it: a
// short list per chunk, all lists in one pool.
#include <vector>

class ChunkCounts {
public:
    void Reset(int chunks);
    // Both return the count after the change.
    int Increment(int chunk, int id);
    int Decrement(int chunk, int id);

private:
    struct Entry {
        int id;
        int count;
    };
    struct List {
        int start = 0;
        int size = 0;
        int capacity = 0;
    };
    std::vector<List> lists_;
    std::vector<Entry> pool_;
};
