#include "package/Extract.h"

#include <gtest/gtest.h>

#include "base/Retry.h"
#include "package/MyProgress.h"
#include "package/RunJournal.h"
#include "support/MemoryFileSystem.h"
#include "support/RecordingProgress.h"
#include "support/SampleBytes.h"
#include "support/TestPackage.h"

namespace {

// A package made on the spot: two groups with files, one without.
class ExtractTest : public ::testing::Test {
protected:
    void SetUp() override { progress.SetTotalBytes(TotalCompressedBytes(package.Groups())); }

    // One run, its journal let go at its end.
    bool Extract() {
        RetryBudget retries;
        RunJournal journal(fs, RunNames("0000000A"), retries);
        return ExtractPackage(package.Groups(), "C:\\Apps\\Quillmark", progress, fs, journal,
                              failure);
    }
    // The bytes of the three streams, as packed.
    int32_t StreamBytes() const {
        size_t bytes = 0;
        for (const std::string& content : contents) bytes += Bzip2Level9(content).size();
        return static_cast<int32_t>(bytes);
    }

    const std::string contents[3] = {SampleBytes(70000, 1), SampleBytes(900, 2),
                                     SampleBytes(5000, 3)};
    const char* names[3] = {"Quillmark.exe", "Quillmark.ini", "UserManual$en-us.chm"};
    TestPackage package{{{"\\", {{names[0], contents[0]}, {names[1], contents[1]}}},
                         {"\\Documentations\\", {}},
                         {"\\Support\\", {{names[2], contents[2]}}}}};
    MemoryFileSystem fs;
    RecordingProgress display;
    MyProgress progress{display};
    ExtractFailure failure;
};

TEST_F(ExtractTest, WritesEveryFileIntoItsGroupsFolder) {
    ASSERT_TRUE(Extract()) << failure.path;
    EXPECT_EQ(fs.files.at("C:\\Apps\\Quillmark\\Quillmark.exe"), contents[0]);
    EXPECT_EQ(fs.files.at("C:\\Apps\\Quillmark\\Quillmark.ini"), contents[1]);
    EXPECT_EQ(fs.files.at("C:\\Apps\\Quillmark\\Support\\UserManual$en-us.chm"), contents[2]);
    EXPECT_EQ(fs.files.size(), 3u);
    // The group without files still gets its folder.
    EXPECT_TRUE(fs.folders.count("C:\\Apps\\Quillmark\\Documentations"));
    EXPECT_TRUE(fs.folders.count("C:\\Apps"));
    EXPECT_EQ(display.texts, (std::vector<std::string>{names[0], names[1], names[2]}));
}

TEST_F(ExtractTest, TheBarOnlyMovesForwardAndEndsAtTheTotal) {
    ASSERT_TRUE(Extract());
    const int32_t total = progress.TotalBytes();
    int32_t last = 0;
    for (auto [pos, t] : display.positions) {
        EXPECT_EQ(t, total);
        EXPECT_GE(pos, last);
        last = pos;
    }
    EXPECT_EQ(last, total);
    EXPECT_EQ(progress.DoneBytes(), total);
}

TEST_F(ExtractTest, TheSetupsDisplayIsTitledAndRunsOverTheWholePackage) {
    RecordingProgress setupDisplay;
    RetryBudget retries;
    RunJournal journal(fs, RunNames("0000000A"), retries);
    ASSERT_TRUE(ExtractWithProgress(package.Groups(), "C:\\Q", setupDisplay, fs, journal, failure));
    EXPECT_EQ(setupDisplay.title, "Setup progress");
    EXPECT_TRUE(setupDisplay.titledBeforeFirstPosition);
    EXPECT_TRUE(setupDisplay.alignedLeft);
    EXPECT_EQ(setupDisplay.positions.front(), std::make_pair(0, StreamBytes()));
    EXPECT_EQ(setupDisplay.positions.back(), std::make_pair(StreamBytes(), StreamBytes()));
}

TEST_F(ExtractTest, TheTotalIsTheSumOfAllStreams) {
    EXPECT_EQ(progress.TotalBytes(), StreamBytes());
    const FileGroup empty{0, nullptr, nullptr, nullptr};
    EXPECT_EQ(TotalCompressedBytes({{&empty, "\\"}}), 0);
}

}  // namespace
