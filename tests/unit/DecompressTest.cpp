#include "package/Decompress.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/SampleBytes.h"
#include "tools/Bzip2Level9.h"

namespace {

const unsigned char* Bytes(const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.data());
}

struct GateLog {
    std::vector<std::pair<int32_t, int32_t>> calls;
    DecompressGate Gate() {
        return [this](int32_t consumed, int32_t total) {
            calls.emplace_back(consumed, total);
            return false;
        };
    }
};

TEST(Decompress, ChunkIsHalfTheInputWithinLimits) {
    EXPECT_EQ(DecompressChunkSize(0), 1024u);
    EXPECT_EQ(DecompressChunkSize(2047), 1024u);
    EXPECT_EQ(DecompressChunkSize(10000), 5000u);
    EXPECT_EQ(DecompressChunkSize(131072), 65536u);
    EXPECT_EQ(DecompressChunkSize(3210993), 65536u);
}

TEST(Decompress, RestoresTheDataAndCallsTheGateAfterEachChunk) {
    const std::string original = SampleBytes(300000);
    const std::string packed = Bzip2Level9(original);
    GateLog log;
    DecompressResult r = DecompressBz2(Bytes(packed), packed.size(), log.Gate());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.data.View(), original);

    const size_t chunk = DecompressChunkSize(packed.size());
    EXPECT_EQ(log.calls.size(), (original.size() + chunk - 1) / chunk);
    int32_t last = 0;
    for (auto [consumed, total] : log.calls) {
        EXPECT_EQ(total, static_cast<int32_t>(packed.size()));
        EXPECT_GE(consumed, last);
        last = consumed;
    }
    EXPECT_EQ(last, static_cast<int32_t>(packed.size()));
}

TEST(Decompress, GrowsBeyondItsFirstGuess) {
    const std::string original(5'000'000, 'q');  // compresses to almost nothing
    const std::string packed = Bzip2Level9(original);
    DecompressResult r = DecompressBz2(Bytes(packed), packed.size(), nullptr);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.data.View(), original);
}

TEST(Decompress, AGateThatAnswersTrueStopsIt) {
    const std::string packed = Bzip2Level9(SampleBytes(200000));
    int calls = 0;
    DecompressResult r = DecompressBz2(Bytes(packed), packed.size(), [&](int32_t, int32_t) {
        ++calls;
        return true;
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.data.Size(), 0u);
    EXPECT_EQ(calls, 1);
}

TEST(Decompress, EveryFlippedBitIsCaughtOrHarmless) {
    const std::string original = SampleBytes(40000, 3);
    const std::string packed = Bzip2Level9(original);
    int caught = 0;
    for (size_t byte = 0; byte < packed.size(); byte += 7) {
        for (int bit : {0, 5}) {
            std::string damaged = packed;
            damaged[byte] = static_cast<char>(damaged[byte] ^ (1 << bit));
            DecompressResult r = DecompressBz2(Bytes(damaged), damaged.size(), nullptr);
            // A flip in the final padding bits changes nothing; any other must fail.
            if (r.ok)
                EXPECT_EQ(r.data.View(), original) << "flip at byte " << byte << " bit " << bit;
            else
                ++caught;
        }
    }
    EXPECT_GT(caught, 0);
}

TEST(Decompress, ACutStreamFailsInsteadOfLooping) {
    const std::string packed = Bzip2Level9(SampleBytes(100000, 11));
    for (size_t keep : {size_t(1), size_t(4), size_t(10), packed.size() / 3, packed.size() - 1}) {
        DecompressResult r = DecompressBz2(Bytes(packed), keep, nullptr);
        EXPECT_FALSE(r.ok) << "kept " << keep << " bytes";
        EXPECT_EQ(r.data.Size(), 0u);
    }
}

TEST(Decompress, BytesAfterTheStreamAreAFailure) {
    std::string packed = Bzip2Level9("Quillmark");
    packed += "trailing";
    EXPECT_FALSE(DecompressBz2(Bytes(packed), packed.size(), nullptr).ok);
    // Two streams back to back are not one stream either.
    const std::string one = Bzip2Level9("Quillmark");
    const std::string two = one + one;
    EXPECT_FALSE(DecompressBz2(Bytes(two), two.size(), nullptr).ok);
}

TEST(Decompress, EmptyAndForeignInputFail) {
    EXPECT_FALSE(DecompressBz2(nullptr, 0, nullptr).ok);
    const std::string text = "This is not a bzip2 stream at all.";
    DecompressResult r = DecompressBz2(Bytes(text), text.size(), nullptr);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
}

}  // namespace
