#include "settings/LoadIniDocument.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "settings/IniDocument.h"
#include "settings/ParseIniDocument.h"
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

// The same file reached again under another name ends the reading at that
// link, as a link to itself does: the file system says which file a name
// reaches, the spelling does not.
TEST_F(LinkTest, ACycleThroughOtherNamesOfAFileEndsAtTheFirstRepeat) {
    struct Case {
        const char* how;
        std::string back;  // the name the last file links back to the first by
    };
    const Case cases[] = {
        {"other letter case", "C:\\SETTINGS\\QUILLMARK.INI"},
        {"a dot folder", "C:\\Settings\\.\\Quillmark.ini"},
        {"doubled separators", "C:\\Settings\\\\Quillmark.ini"},
        {"a second name", "C:\\Settings\\Copy.ini"},
        {"a short name", "C:\\SETTIN~1\\QUILLM~1.INI"},
    };
    for (const Case& c : cases) {
        fs = MemoryFileSystem();
        fs.files["C:\\Settings\\Quillmark.ini"] = "a=1\r\nLINK=b.ini\r\n";
        fs.files["b.ini"] = "b=2\r\nLINK=c.ini\r\n";
        fs.files["c.ini"] = "c=3\r\nLINK=" + c.back + "\r\nlost=1\r\n";
        fs.otherNames[c.back] = "C:\\Settings\\Quillmark.ini";
        EXPECT_EQ(Load("C:\\Settings\\Quillmark.ini"), MakeIni({{"",
                                                                 {{"a", "1"},
                                                                  {"LINK", "b.ini"},
                                                                  {"b", "2"},
                                                                  {"LINK", "c.ini"},
                                                                  {"c", "3"},
                                                                  {"LINK", c.back}}}}))
            << c.how;
    }
}

// Files that cannot be read: one held open without sharing, and ones whose
// size it reports without holding their bytes, so that a file past the limit
// costs the test nothing.
class RefusingFileSystem : public MemoryFileSystem {
public:
    static constexpr std::uint32_t kSharingViolation = 32;
    std::set<std::string> held;
    std::map<std::string, std::size_t> reportedSizes;

    OsResult ReadIdentifiedFile(const std::string& path, std::size_t limit, std::string& data,
                                FileIdentity& identity) override {
        if (held.count(path))
            return OsResult::Failed(kSharingViolation);
        if (auto size = reportedSizes.find(path);
            size != reportedSizes.end() && size->second > limit)
            return OsResult::Failed(kFileTooLarge);
        return MemoryFileSystem::ReadIdentifiedFile(path, limit, data, identity);
    }
};

// The caller keeps its document either way; what it does next depends on
// whether there was a file: none may be replaced by defaults, one that is
// there must not be.
TEST(LoadIniDocumentAnswerTest, SaysWhetherTheFileIsMissingOrThereButUnreadable) {
    struct Case {
        const char* what;
        const char* path;
        IniFile file;
        std::uint32_t why;
    };
    const Case cases[] = {
        {"no file", "C:\\Q\\none.ini", IniFile::missing, kFileNotFound},
        {"more bytes than the limit", "C:\\Q\\big.ini", IniFile::unreadable, kFileTooLarge},
        {"a file held open", "C:\\Q\\held.ini", IniFile::unreadable,
         RefusingFileSystem::kSharingViolation},
    };
    RefusingFileSystem fs;
    fs.files["C:\\Q\\big.ini"] = "a=1\r\n";
    fs.reportedSizes["C:\\Q\\big.ini"] = kIniLoadLimit + 1;
    fs.files["C:\\Q\\held.ini"] = "a=1\r\n";
    fs.held.insert("C:\\Q\\held.ini");
    for (const Case& c : cases) {
        IniDocument document = MakeIni({{"", {{"kept", "1"}}}});
        const IniDocument before = document;
        const IniLoad load = LoadIniDocument(fs, c.path, document);
        EXPECT_FALSE(load) << c.what;
        EXPECT_EQ(load.file, c.file) << c.what;
        EXPECT_EQ(load.why.error, c.why) << c.what;
        EXPECT_EQ(document, before) << c.what;
    }
    // A file of the limit's size is read.
    fs.reportedSizes["C:\\Q\\big.ini"] = kIniLoadLimit;
    IniDocument document;
    EXPECT_TRUE(LoadIniDocument(fs, "C:\\Q\\big.ini", document));
    EXPECT_EQ(document, MakeIni({{"", {{"a", "1"}}}}));
    EXPECT_GE(kIniLoadLimit, std::size_t{64} << 20);
}

// Past the first file, the limit is one more way a link cannot be followed:
// the reading ends there with what was read. A linked file that takes what
// is left of it, and no more, is read whole.
TEST_F(LinkTest, ALinkedFileBeyondWhatIsLeftOfTheLimitEndsTheReading) {
    std::string lines;
    for (int i = 0; lines.size() < 100000; ++i)
        lines += (i % 50 == 0 ? "[Section" + std::to_string(i) + "]\r\n" : std::string()) + "Key" +
                 std::to_string(i) + "=a value of an ordinary length\r\n";
    const std::string main = lines + "LINK=big.ini\r\n";
    const std::string linked = "[Linked]\r\n" + std::string(5000, 'k');
    fs.files["main.ini"] = main;
    fs.files["big.ini"] = linked;
    const size_t both = main.size() + linked.size();
    for (const size_t limit : {both, both - 1}) {
        IniDocument document, expected = ParseIniDocument(main);
        EXPECT_TRUE(LoadIniDocument(fs, "main.ini", document, limit));
        if (limit == both)
            expected.AppendSection("Linked").Append(std::string(5000, 'k'), {});
        EXPECT_EQ(document, expected) << "limit " << limit;
    }
}

}  // namespace
