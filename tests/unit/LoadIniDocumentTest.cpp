#include "settings/LoadIniDocument.h"

#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

// How lines are read is the bytes parser's (ParseIniDocumentTest); here the
// file: one that cannot be opened, and the links to other files.
namespace {

TEST(LoadIniDocumentTest, AFileThatCannotBeOpenedChangesNothing) {
    MemoryFileSystem fs;
    IniDocument document = MakeIni({{"", {{"kept", "1"}}}});
    const IniDocument before = document;
    EXPECT_FALSE(LoadIniDocument(fs, "missing.ini", document));
    EXPECT_EQ(document, before);
}

TEST(LoadIniDocumentTest, LoadingReplacesWhatTheDocumentHeld) {
    MemoryFileSystem fs;
    fs.files["s.ini"] = "";
    IniDocument document = MakeIni({{"Old", {{"kept", "1"}}}});
    EXPECT_TRUE(LoadIniDocument(fs, "s.ini", document));
    EXPECT_EQ(document, MakeIni({{"", {}}}));
}

class LinkTest : public ::testing::Test {
protected:
    IniDocument Load(const std::string& path) {
        IniDocument document;
        EXPECT_TRUE(LoadIniDocument(fs, path, document));
        return document;
    }
    MemoryFileSystem fs;
};

TEST_F(LinkTest, ReadingGoesOnInTheLinkedFileAndNeverComesBack) {
    fs.files["main.ini"] = "[App]\r\na=1\r\nLINK=..\\other.ini\r\nlost=1\r\n[Lost]\r\n";
    fs.files["..\\other.ini"] = "b=2\r\n[Communication]\r\nc=3";
    EXPECT_EQ(Load("main.ini"),
              MakeIni({{"", {}},
                       {"App", {{"a", "1"}, {"LINK", "..\\other.ini"}, {"b", "2"}}},
                       {"Communication", {{"c", "3"}}}}));
}

TEST_F(LinkTest, ALinkToAMissingFileKeepsWhatWasRead) {
    fs.files["main.ini"] = "a=1\r\nLINK=gone.ini\r\nb=2\r\n";
    EXPECT_EQ(Load("main.ini"), MakeIni({{"", {{"a", "1"}, {"LINK", "gone.ini"}}}}));
}

TEST_F(LinkTest, ALinkBackToAFileAlreadyReadStopsTheReading) {
    fs.files["self.ini"] = "a=1\r\nLINK=self.ini\r\nb=2\r\n";
    EXPECT_EQ(Load("self.ini"), MakeIni({{"", {{"a", "1"}, {"LINK", "self.ini"}}}}));

    fs.files["a.ini"] = "a=1\r\nLINK=b.ini\r\n";
    fs.files["b.ini"] = "b=2\r\nLINK=c.ini";
    fs.files["c.ini"] = "c=3\r\nLINK=a.ini\r\n";
    EXPECT_EQ(Load("a.ini"), MakeIni({{"",
                                       {{"a", "1"},
                                        {"LINK", "b.ini"},
                                        {"b", "2"},
                                        {"LINK", "c.ini"},
                                        {"c", "3"},
                                        {"LINK", "a.ini"}}}}));
}

TEST_F(LinkTest, ALongChainIsCutOff) {
    // Every file a new name, as different spellings of one path would be.
    for (int i = 0; i < 3 * kMaxIniLinks; ++i) {
        fs.files["f" + std::to_string(i)] =
            "k" + std::to_string(i) + "=1\r\nLINK=f" + std::to_string(i + 1) + "\r\n";
    }
    const IniDocument document = Load("f0");
    const auto& entries = document.Sections()[0].Entries();
    // The file reached by the last link followed still counts.
    ASSERT_EQ(entries.size(), 2u * (kMaxIniLinks + 1));
    EXPECT_EQ(entries.back().value, "f" + std::to_string(kMaxIniLinks + 1));
}

// The key as read counts, after the characters dropped from it.
TEST_F(LinkTest, OnlyTheKeyLinkInCapitalsLinks) {
    fs.files["main.ini"] = "Link=x\r\nLINKS=x\r\nL-INK=x\r\n";
    fs.files["x"] = "linked=1";
    EXPECT_EQ(Load("main.ini"),
              MakeIni({{"", {{"Link", "x"}, {"LINKS", "x"}, {"LINK", "x"}, {"linked", "1"}}}}));
}

}  // namespace
