#include <gtest/gtest.h>

#include "package/MyProgress.h"
#include "support/RecordingProgress.h"
#include "ui/ProgressThrottle.h"

namespace {

constexpr int32_t kTotal = 4922614;    // all compressed bytes of the product package
constexpr int32_t kProgram = 990623;   // the product program's stream, the first file
constexpr int32_t kLargest = 3210993;  // the last and largest stream

TEST(InFileProgress, TheProductProgramMovesTheBarOneFifthOfItsShare) {
    EXPECT_EQ(InFileProgress(0, kProgram, kTotal), 0);
    EXPECT_EQ(InFileProgress(kProgram, kProgram, kTotal), 199353);
    int32_t last = 0;
    for (int32_t consumed = 0; consumed <= kProgram; consumed += 9973) {
        int32_t p = InFileProgress(consumed, kProgram, kTotal);
        EXPECT_GE(p, last);
        EXPECT_LE(p, 199353);
        last = p;
    }
}

TEST(InFileProgress, NeverPassesTheFilesOwnShare) {
    EXPECT_LE(InFileProgress(kLargest, kLargest, kTotal), kLargest);
    EXPECT_EQ(InFileProgress(kLargest, kLargest, kTotal), 2094513);
}

TEST(InFileProgress, DegenerateTotalsStayInRange) {
    EXPECT_EQ(InFileProgress(0, 0, 0), 0);           // 0 / (0 / 0)
    EXPECT_EQ(InFileProgress(5, 10, 0), INT32_MAX);  // nothing to divide by
    EXPECT_EQ(InFileProgress(-5, 10, 0), INT32_MIN);
    EXPECT_EQ(InFileProgress(10, 0, kTotal), 0);  // an empty file
    EXPECT_EQ(InFileProgress(INT32_MAX, INT32_MAX, 1), INT32_MAX);
}

TEST(MyProgress, DoneBytesSetTheBarOutOfTheTotal) {
    RecordingProgress display;
    MyProgress progress(display);
    progress.SetTotalBytes(kTotal);
    EXPECT_TRUE(display.positions.empty());  // storing the total shows nothing
    progress.SetDoneBytes(0);
    EXPECT_FALSE(progress.FileProgress(kProgram, kProgram));
    progress.SetDoneBytes(kProgram);
    ASSERT_EQ(display.positions.size(), 3u);
    EXPECT_EQ(display.positions[0], std::make_pair(0, kTotal));
    EXPECT_EQ(display.positions[1], std::make_pair(199353, kTotal));
    EXPECT_EQ(display.positions[2], std::make_pair(kProgram, kTotal));
}

TEST(MyProgress, WithinALaterFileTheBarStartsFromTheDoneBytes) {
    RecordingProgress display;
    MyProgress progress(display);
    progress.SetTotalBytes(kTotal);
    progress.SetDoneBytes(kTotal - kLargest);
    progress.FileProgress(kLargest, kLargest);
    EXPECT_EQ(display.positions.back().first, kTotal - kLargest + 2094513);
    EXPECT_LE(display.positions.back().first, kTotal);
}

TEST(ProgressThrottle, ShowsNothingInTheFirstIntervalThenAtMostOncePerInterval) {
    ProgressThrottle throttle(1000);
    EXPECT_FALSE(throttle.TakeUpdate(1000));
    EXPECT_FALSE(throttle.TakeUpdate(1049));
    EXPECT_TRUE(throttle.TakeUpdate(1050));
    EXPECT_FALSE(throttle.TakeUpdate(1060));
    EXPECT_FALSE(throttle.TakeUpdate(1099));
    EXPECT_TRUE(throttle.TakeUpdate(1100));
    EXPECT_TRUE(throttle.TakeUpdate(5000));  // a long pause: shown at once
}

}  // namespace
