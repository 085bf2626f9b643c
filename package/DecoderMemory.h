// Memory for bzip2's decoder, kept from one stream to the next. Each stream
// asks for the same few blocks (its state and 3.6 MB of tables for the largest
// block size); handing back the previous stream's blocks saves allocating,
// and under Wine faulting in, all of them again for every file.
#pragma once

#include <cstddef>
#include <vector>

class DecoderMemory {
public:
    DecoderMemory() = default;
    ~DecoderMemory();
    DecoderMemory(const DecoderMemory&) = delete;
    DecoderMemory& operator=(const DecoderMemory&) = delete;

    // A block of at least size bytes: a free kept one that fits, else a new
    // one. Null when the system has no memory left.
    void* Take(size_t size);
    // Marks a block from Take free for a later Take; it stays allocated.
    void Give(void* block);

    // How many blocks it holds, free or taken.
    size_t BlockCount() const { return blocks_.size(); }

    // bzip2's allocation hooks (bz_stream::bzalloc and bzfree), with a
    // DecoderMemory as their opaque pointer.
    static void* Allocate(void* memory, int items, int size);
    static void Free(void* memory, void* block);

private:
    struct Block {
        void* data;
        size_t size;
        bool inUse;
    };
    std::vector<Block> blocks_;
};
