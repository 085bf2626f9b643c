#include "settings/SaveIniDocument.h"

#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

namespace {

const char kPath[] = "C:\\Quillmark\\Quillmark.ini";
const char kBackup[] = "C:\\Quillmark\\Quillmark.ini.bak";

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
    fs.files[kPath] = "old=1\r\n";
    fs.files[kBackup] = "stale backup";
    EXPECT_TRUE(SaveIniDocument(fs, kPath, MakeIni({{"App", {{"new", "2"}}}})));
    EXPECT_EQ(fs.files.at(kPath), "[App]\r\nnew=2\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, WritesAFileThatWasNotThere) {
    MemoryFileSystem fs;
    EXPECT_TRUE(SaveIniDocument(fs, kPath, MakeIni({{"", {{"k", "v"}}}})));
    EXPECT_EQ(fs.files.at(kPath), "k=v\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, ANewFileThatCannotBeWrittenLeavesTheEarlierOneInPlace) {
    MemoryFileSystem fs;
    fs.files[kPath] = "user=1\r\n";
    fs.files[kBackup] = "stale backup";
    fs.locked.insert(kPath);
    EXPECT_FALSE(SaveIniDocument(fs, kPath, MakeIni({{"", {{"k", "v"}}}})));
    EXPECT_EQ(fs.files.at(kPath), "user=1\r\n");
    EXPECT_EQ(fs.files.size(), 1u);
}

TEST(SaveIniDocumentTest, NoEarlierFileAndNoNewOneLeavesNothing) {
    MemoryFileSystem fs;
    fs.locked.insert(kPath);
    EXPECT_FALSE(SaveIniDocument(fs, kPath, MakeIni({{"", {{"k", "v"}}}})));
    EXPECT_TRUE(fs.files.empty());
}

}  // namespace
