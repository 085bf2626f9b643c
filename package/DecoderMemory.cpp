#include "package/DecoderMemory.h"

#include <cstdlib>

DecoderMemory::~DecoderMemory() {
    for (const Block& block : blocks_) std::free(block.data);
}

void* DecoderMemory::Take(size_t size) {
    // The smallest free block that fits, so that a small request does not
    // take the large tables the next stream needs.
    Block* best = nullptr;
    for (Block& block : blocks_)
        if (!block.inUse && block.size >= size && (!best || block.size < best->size))
            best = &block;
    if (best) {
        best->inUse = true;
        return best->data;
    }
    void* data = std::malloc(size);
    if (data)
        blocks_.push_back({data, size, true});
    return data;
}

void DecoderMemory::Give(void* data) {
    for (Block& block : blocks_)
        if (block.data == data)
            block.inUse = false;
}

void* DecoderMemory::Allocate(void* memory, int items, int size) {
    if (items < 0 || size < 0)
        return nullptr;
    return static_cast<DecoderMemory*>(memory)->Take(static_cast<size_t>(items) *
                                                     static_cast<size_t>(size));
}

void DecoderMemory::Free(void* memory, void* block) {
    static_cast<DecoderMemory*>(memory)->Give(block);
}
