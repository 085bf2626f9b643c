#include "settings/SaveIniDocument.h"

#include <gtest/gtest.h>

#include "base/Retry.h"
#include "settings/IniDocument.h"
#include "support/FaultyFileSystem.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

namespace {

const char kPath[] = "C:\\Quillmark\\Quillmark.ini";
const char kBackup[] = "C:\\Quillmark\\Quillmark.ini.bak";
const char kStaged[] = "C:\\Quillmark\\Quillmark.ini.0000000A.setup-tmp";

TEST(FormatIniDocumentTest, WritesSectionsAndEntriesInOrderWithCrLf) {
    const IniDocument document = MakeIni({
        {"", {{"", "; made by hand"}, {"top", "1"}}},
        {"App", {{"Language", "EN-US"}, {"", ""}, {"Url", " a = b "}}},
        {"Empty", {}},
        {"App", {{"", "# again"}}},
    });
    EXPECT_EQ(CrLfLines(FormatIniDocument(document)),
              (std::vector<std::string>{"; made by hand", "top=1", "[App]", "Language=EN-US", "",
                                        "Url= a = b ", "[Empty]", "[App]", "# again"}));
    EXPECT_EQ(FormatIniDocument(IniDocument()), "");
}

TEST(SaveIniDocumentTest, ReplacesTheFileAndLeavesNoBackup) {
    MemoryFileSystem fs;
    RetryBudget retries;
    fs.files[kPath] = "old=1\r\n";
    fs.files[kBackup] = "stale backup";
    EXPECT_TRUE(SaveIniDocument(fs, retries, kPath, MakeIni({{"App", {{"new", "2"}}}}), kStaged));
    EXPECT_EQ(fs.files.at(kPath), "[App]\r\nnew=2\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, WritesAFileThatWasNotThere) {
    MemoryFileSystem fs;
    RetryBudget retries;
    EXPECT_TRUE(SaveIniDocument(fs, retries, kPath, MakeIni({{"", {{"k", "v"}}}}), kStaged));
    EXPECT_EQ(fs.files.at(kPath), "k=v\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, ANewFileThatCannotBeWrittenLeavesTheEarlierOneInPlace) {
    MemoryFileSystem fs;
    RetryBudget retries;
    fs.files[kPath] = "user=1\r\n";
    fs.files[kBackup] = "stale backup";
    fs.locked.insert(kPath);
    EXPECT_FALSE(SaveIniDocument(fs, retries, kPath, MakeIni({{"", {{"k", "v"}}}}), kStaged));
    EXPECT_EQ(fs.files.at(kPath), "user=1\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, NoEarlierFileAndNoNewOneLeavesNothing) {
    MemoryFileSystem fs;
    RetryBudget retries;
    fs.locked.insert(kPath);
    EXPECT_FALSE(SaveIniDocument(fs, retries, kPath, MakeIni({{"", {{"k", "v"}}}}), kStaged));
    EXPECT_TRUE(fs.files.empty());
}

// The backup an earlier version's failed save left instead of the file is
// the user's only copy: it stays, whether the new file is written or not.
TEST(SaveIniDocumentTest, ABackupWithoutTheFileStays) {
    for (const bool refused : {false, true}) {
        MemoryFileSystem fs;
        RetryBudget retries;
        fs.files[kBackup] = "user=1\r\n";
        if (refused)
            fs.locked.insert(kPath);
        SaveIniDocument(fs, retries, kPath, MakeIni({{"", {{"k", "v"}}}}), kStaged);
        EXPECT_EQ(fs.files.at(kBackup), "user=1\r\n");
        EXPECT_EQ(fs.files.count(kPath), refused ? 0u : 1u);
    }
}

// Whichever step of the save fails, and a setup stopped there would leave the
// same: the earlier file or the complete new one, and nothing else.
TEST(SaveIniDocumentTest, WhicheverStepFailsTheFileIsTheEarlierOneOrTheNewOne) {
    const IniDocument document = MakeIni({{"App", {{"Language", "IT-IT"}}}});
    const std::string earlier = "[App]\r\nLanguage=DE-DE\r\n";
    FaultyFileSystem clean;
    RetryBudget retries;
    clean.files[kPath] = earlier;
    clean.steps = 0;
    ASSERT_TRUE(SaveIniDocument(clean, retries, kPath, document, kStaged));
    const std::string written = clean.files.at(kPath);
    for (int n = 1; n <= clean.steps; ++n) {
        SCOPED_TRACE("step " + std::to_string(n));
        FaultyFileSystem fs;
        RetryBudget retries;
        fs.files[kPath] = earlier;
        fs.failAt = n;
        const bool saved =
            static_cast<bool>(SaveIniDocument(fs, retries, kPath, document, kStaged));
        EXPECT_EQ(fs.files,
                  (std::map<std::string, std::string>{{kPath, saved ? written : earlier}}));
    }
}

}  // namespace
