#include "base/OsResult.h"

#include <gtest/gtest.h>

namespace {

TEST(OsResult, FailsWithTheCodeGivenAndNeverReadsAsDone) {
    EXPECT_TRUE(OsResult::Done());
    EXPECT_EQ(OsResult::Done().error, 0u);

    const OsResult diskFull = OsResult::Failed(112);
    EXPECT_FALSE(diskFull);
    EXPECT_EQ(diskFull.error, 112u);

    // A call that failed without leaving a code must still count as failed.
    EXPECT_FALSE(OsResult::Failed(0));
    EXPECT_EQ(OsResult::Failed(0).error, OsResult::kNoCode);
    EXPECT_EQ(OsResult::Failed().error, OsResult::kNoCode);
}

}  // namespace
