#pragma once
// A long text held as a row of short chunks, so that an edit moves only the
// units of one chunk. Chunks keep their numbers while a loop runs (they may
// shrink to nothing or grow); Rebalance renumbers them.
#include "ChunkSets.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class ChunkText {
public:
    // Units per chunk when the text is laid out afresh.
    static constexpr int DefaultChunkSize = 64;

    struct Cursor {
        int chunk = 0;
        int offset = 0; // may equal the chunk's length: just after its last unit
    };

    explicit ChunkText(std::u16string_view text = {}, int chunkSize = DefaultChunkSize);

    int ChunkSize() const { return size_; }
    std::u16string Text() const;
    std::size_t Length() const { return length_; }
    int Chunks() const { return static_cast<int>(chunks_.size()); }
    const std::u16string& Chunk(int c) const
    {
        assert(c >= 0 && c < Chunks());
        return chunks_[static_cast<std::size_t>(c)];
    }
    // How many units of the value occur, for values below 0x80.
    std::size_t Count(char16_t unit) const { return counts_[unit]; }
    // True when the layout has drifted far from even chunks.
    bool Uneven() const;
    // Lays the text out afresh in even chunks.
    void Rebalance();

    // The first unit, or {0, 0} in an empty text.
    Cursor Begin() const;

    // A cursor handed in must lie in the text: on a chunk, at most just
    // after its last unit; any other stops the engine (EngineCheck).
    // Moves forward over n units (fewer at the end of the text).
    Cursor Forward(Cursor at, int n) const;
    // Moves back over at most n units; `moved` tells how many.
    Cursor Backward(Cursor at, int n, int& moved) const;
    // Copies up to n units from `at` on, and when `owners` is given the
    // chunk of each; returns how many there were.
    int Read(Cursor at, int n, char16_t* out, int* owners = nullptr) const;
    // Replaces `count` units from `at` on (fewer at the end of the text) by
    // `with`, which goes into the chunk of `at`; returns that chunk's length.
    int Replace(Cursor at, int count, std::u16string_view with);

private:
    void Check(Cursor at) const;
    void Layout(std::u16string_view text);
    void Tally(std::u16string_view units, int sign);

    int size_;
    std::vector<std::u16string> chunks_;
    ChunkSets filled_; // the chunks that hold at least one unit
    std::size_t length_ = 0;
    int longest_ = 0; // an upper bound on the longest chunk
    std::array<std::size_t, 0x80> counts_{};
};
