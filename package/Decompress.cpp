#include "package/Decompress.h"

#include <bzlib.h>

#include <algorithm>
#include <utility>

namespace {

// Owner of a bzip2 decompression state.
class Bz2Decoder {
public:
    Bz2Decoder() { ok_ = BZ2_bzDecompressInit(&stream_, 0, 0) == BZ_OK; }
    ~Bz2Decoder() {
        if (ok_)
            BZ2_bzDecompressEnd(&stream_);
    }
    Bz2Decoder(const Bz2Decoder&) = delete;
    Bz2Decoder& operator=(const Bz2Decoder&) = delete;

    bool Started() const { return ok_; }
    bz_stream& Stream() { return stream_; }

private:
    bz_stream stream_{};
    bool ok_ = false;
};

DecompressResult Failure(const std::string& error) {
    DecompressResult result;
    result.error = error;
    return result;
}

uint64_t Consumed(const bz_stream& s) {
    return (static_cast<uint64_t>(s.total_in_hi32) << 32) | s.total_in_lo32;
}

// A first guess at the output size that fits most product files, so that the
// output buffer rarely has to move.
size_t InitialCapacity(size_t length) {
    return length * 2 + 65536;
}

}  // namespace

size_t DecompressChunkSize(size_t compressedLength) {
    return std::clamp<size_t>(compressedLength / 2, 1024, 65536);
}

DecompressResult DecompressBz2(const unsigned char* stream, size_t length,
                               const DecompressGate& gate, ByteBuffer recycled) {
    if (length == 0)
        return Failure("the stream is empty");
    if (length > INT32_MAX)
        return Failure("the stream is too long");
    Bz2Decoder decoder;
    if (!decoder.Started())
        return Failure("the decompressor could not be started");

    bz_stream& s = decoder.Stream();
    // libbz2 only reads through next_in; the cast does not lead to a write.
    s.next_in = const_cast<char*>(reinterpret_cast<const char*>(stream));
    s.avail_in = static_cast<unsigned>(length);

    const size_t chunk = DecompressChunkSize(length);
    ByteBuffer out = std::move(recycled);
    out.Clear();
    out.Reserve(InitialCapacity(length));
    for (;;) {
        if (out.Room() < chunk)
            out.Reserve(std::max(out.Capacity() + out.Capacity() / 2, out.Size() + chunk));
        s.next_out = out.End();
        s.avail_out = static_cast<unsigned>(chunk);
        int rc = BZ2_bzDecompress(&s);
        size_t produced = chunk - s.avail_out;
        out.Grow(produced);
        if (rc != BZ_OK && rc != BZ_STREAM_END)
            return Failure(rc == BZ_DATA_ERROR || rc == BZ_DATA_ERROR_MAGIC
                               ? "the compressed data is damaged"
                               : "the compressed data could not be decoded");
        if (gate && gate(static_cast<int32_t>(Consumed(s)), static_cast<int32_t>(length)))
            return Failure("stopped");
        if (rc == BZ_STREAM_END) {
            if (s.avail_in != 0)
                return Failure("unexpected data follows the compressed stream");
            break;
        }
        // With all input at hand, a step that yields nothing means the stream was cut short.
        if (produced == 0)
            return Failure("the compressed stream ends early");
    }
    DecompressResult result;
    result.ok = true;
    result.data = std::move(out);
    return result;
}
