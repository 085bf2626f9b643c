#include "tools/Bzip2Level9.h"

#include <gtest/gtest.h>

#include "support/SampleBytes.h"

namespace {

// The header names the block size: "BZh9" is level 9, whose blocks the setup's
// decoder is sized for. Empty input still makes a stream, so that an empty
// answer can only mean failure.
TEST(Bzip2Level9, EveryStreamIsALevel9StreamEvenOfNothing) {
    for (const std::string& data : {std::string(), SampleBytes(2000)}) {
        const std::string packed = Bzip2Level9(data);
        ASSERT_GE(packed.size(), 4u);
        EXPECT_EQ(packed.substr(0, 4), "BZh9");
    }
}

}  // namespace
