// A long text as a row of short chunks, edited one chunk at a time.
#include "ChunkText.h"

#include "EngineCheck.h"

#include <algorithm>

ChunkText::ChunkText(std::u16string_view text, int chunkSize) : size_(std::max(chunkSize, 1)) { Layout(text); }

void ChunkText::Layout(std::u16string_view text)
{
    const std::size_t n = (text.size() + size_ - 1) / size_;
    chunks_.clear();
    chunks_.resize(std::max<std::size_t>(n, 1));
    filled_.Reset(1, Chunks());
    for (std::size_t c = 0; c < n; ++c) {
        chunks_[c].assign(text.substr(c * size_, size_));
        filled_.Insert(0, static_cast<int>(c));
    }
    length_ = text.size();
    longest_ = n > 0 ? size_ : 0;
    counts_.fill(0);
    Tally(text, 1);
}

void ChunkText::Tally(std::u16string_view units, int sign)
{
    for (char16_t u : units) {
        if (u < 0x80) {
            assert(sign > 0 || counts_[u] > 0);
            counts_[u] += static_cast<std::size_t>(sign);
        }
    }
}

void ChunkText::Check(Cursor at) const
{
    EngineCheck::Require(static_cast<std::size_t>(at.chunk) < chunks_.size()
                             && static_cast<std::size_t>(at.offset)
                                    <= chunks_[static_cast<std::size_t>(at.chunk)].size(),
                         "a cursor outside the text");
}

std::u16string ChunkText::Text() const
{
    std::u16string s;
    s.reserve(length_);
    for (const auto& c : chunks_)
        s += c;
    return s;
}

bool ChunkText::Uneven() const
{
    const std::size_t even = length_ / size_ + 1;
    return longest_ > 4 * size_ || chunks_.size() > 8 * even + 8;
}

void ChunkText::Rebalance()
{
    const std::u16string s = Text();
    Layout(s);
}

ChunkText::Cursor ChunkText::Begin() const
{
    const int c = filled_.Next(0, 0);
    return c < 0 ? Cursor{} : Cursor{c, 0};
}

ChunkText::Cursor ChunkText::Forward(Cursor at, int n) const
{
    Check(at);
    while (n > 0) {
        const int avail = static_cast<int>(Chunk(at.chunk).size()) - at.offset;
        if (avail >= n)
            return {at.chunk, at.offset + n};
        const int next = filled_.Next(0, at.chunk + 1);
        if (next < 0)
            return {at.chunk, at.offset + avail};
        n -= avail;
        at = {next, 0};
    }
    return at;
}

ChunkText::Cursor ChunkText::Backward(Cursor at, int n, int& moved) const
{
    Check(at);
    moved = 0;
    while (moved < n) {
        if (at.offset > 0) {
            const int take = std::min(at.offset, n - moved);
            at.offset -= take;
            moved += take;
            continue;
        }
        const int prev = filled_.Prev(0, at.chunk - 1);
        if (prev < 0)
            break;
        at = {prev, static_cast<int>(Chunk(prev).size())};
    }
    return at;
}

int ChunkText::Read(Cursor at, int n, char16_t* out, int* owners) const
{
    Check(at);
    int done = 0;
    while (done < n) {
        const std::u16string& s = Chunk(at.chunk);
        if (at.offset >= static_cast<int>(s.size())) {
            const int next = filled_.Next(0, at.chunk + 1);
            if (next < 0)
                break;
            at = {next, 0};
            continue;
        }
        const int take = std::min(static_cast<int>(s.size()) - at.offset, n - done);
        std::copy_n(s.data() + at.offset, take, out + done);
        if (owners)
            std::fill_n(owners + done, take, at.chunk);
        done += take;
        at.offset += take;
    }
    return done;
}

int ChunkText::Replace(Cursor at, int count, std::u16string_view with)
{
    Check(at);
    assert(count >= 0);
    Cursor del = at;
    while (count > 0) {
        std::u16string& s = chunks_[static_cast<std::size_t>(del.chunk)];
        if (del.offset >= static_cast<int>(s.size())) {
            const int next = filled_.Next(0, del.chunk + 1);
            if (next < 0)
                break;
            del = {next, 0};
            continue;
        }
        const int take = std::min(static_cast<int>(s.size()) - del.offset, count);
        Tally(std::u16string_view(s).substr(static_cast<std::size_t>(del.offset), static_cast<std::size_t>(take)), -1);
        s.erase(static_cast<std::size_t>(del.offset), static_cast<std::size_t>(take));
        length_ -= static_cast<std::size_t>(take);
        count -= take;
        if (s.empty())
            filled_.Erase(0, del.chunk);
    }
    std::u16string& s = chunks_[static_cast<std::size_t>(at.chunk)];
    if (!with.empty()) {
        s.insert(static_cast<std::size_t>(at.offset), with);
        Tally(with, 1);
        length_ += with.size();
        filled_.Insert(0, at.chunk);
        longest_ = std::max(longest_, static_cast<int>(s.size()));
    }
    return static_cast<int>(s.size());
}
