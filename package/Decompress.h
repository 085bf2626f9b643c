// Whole-buffer bzip2 decompression with a progress gate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "package/ByteBuffer.h"

// Called after each chunk of output with (compressed bytes consumed so far,
// compressed length); answering true stops the decompression.
using DecompressGate = std::function<bool(int32_t consumed, int32_t total)>;

struct DecompressResult {
    bool ok = false;
    ByteBuffer data;    // the whole output; empty unless ok
    std::string error;  // what went wrong, when not ok
};

// Output chunk between gate calls: half the compressed length, within [1024, 65536].
size_t DecompressChunkSize(size_t compressedLength);

// Succeeds only for exactly one complete, intact stream: damaged data, a
// stream cut short and bytes after the stream's end are all failures, and
// their output, which libbz2 hands out before it notices, is thrown away.
// The output goes into recycled, emptied first: a caller that hands back the
// previous file's buffer saves the new memory pages, and their faults, of
// every file after the first.
DecompressResult DecompressBz2(const unsigned char* stream, size_t length,
                               const DecompressGate& gate, ByteBuffer recycled = {});
