#include "settings/LoadIniDocument.h"

#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "support/IniText.h"
#include "support/MemoryFileSystem.h"

namespace {

using Entries = std::vector<IniEntry>;

// The entries of the unnamed first section, for files without headers.
Entries FirstSection(const std::string& bytes) {
    const IniDocument document = ParseIni(bytes);
    const auto& sections = document.Sections();
    EXPECT_EQ(sections.size(), 1u) << Describe(document);
    return {sections[0].Entries().begin(), sections[0].Entries().end()};
}

TEST(LoadIniDocumentTest, ExampleLines) {
    struct Case {
        const char* line;
        IniEntry entry;
    };
    const Case cases[] = {
        {"Language=EN-US", {"Language", "EN-US"}},
        {"Port = = 3", {"Port", "3"}},
        {"Mode fast", {"Mode", "fast"}},
        {"my-key=1", {"mykey", "1"}},
        {"; note", {"", "; note"}},
        {" indented=1", {"", " indented=1"}},
        // Separators inside and at the end of a value belong to it.
        {"Url=a = b== ", {"Url", "a = b== "}},
        {"=7", {"", "=7"}},
        {"]x", {"", "]x"}},
        {"a[b]c=d", {"abc", "d"}},
    };
    for (const Case& c : cases) {
        for (const char* end : {"\r\n", "\n", ""})
            EXPECT_EQ(FirstSection(std::string(c.line) + end), Entries{c.entry})
                << "line: '" << c.line << "'";
    }
}

TEST(LoadIniDocumentTest, HeadersStartSections) {
    const IniDocument document = ParseIni(
        "top=1\r\n[Communication]\r\nDevice=5\r\n[App] comment=x\r\nLanguage=IT-IT\r\n"
        "[ ]\r\nblank=1\r\n[Open\r\nopen=1\r\n");
    EXPECT_EQ(document, MakeIni({{"", {{"top", "1"}}},
                                 {"Communication", {{"Device", "5"}}},
                                 {"App", {{"Language", "IT-IT"}}},
                                 {" ", {{"blank", "1"}}},
                                 {"Open", {{"open", "1"}}}}))
        << Describe(document);
}

TEST(LoadIniDocumentTest, EmptyBracketsMakeNoSection) {
    const IniDocument document = ParseIni("[A]\na=1\n[]\nb=2\n");
    EXPECT_EQ(document, MakeIni({{"", {}}, {"A", {{"a", "1"}, {"b", "2"}}}})) << Describe(document);
}

TEST(LoadIniDocumentTest, RepeatsAreKeptNotMerged) {
    const IniDocument document = ParseIni("[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n");
    EXPECT_EQ(document, MakeIni({{"", {}}, {"A", {{"k", "1"}, {"k", "2"}}}, {"A", {{"k", "3"}}}}));
}

TEST(LoadIniDocumentTest, OnlyCrLfFilesKeepTheirEmptyLines) {
    EXPECT_EQ(FirstSection("a=1\r\n\r\n\r\n; c\r\n\r\nb=2\r\n"),
              (Entries{{"a", "1"}, {"", ""}, {"", ""}, {"", "; c"}, {"", ""}, {"b", "2"}}));
    EXPECT_EQ(FirstSection("a=1\n\n\n; c\n\nb=2\n"),
              (Entries{{"a", "1"}, {"", "; c"}, {"b", "2"}}));
    // Empty lines before the first line with content leave nothing.
    EXPECT_EQ(FirstSection("\r\n\r\na=1\r\n"), (Entries{{"a", "1"}}));
    EXPECT_EQ(FirstSection("\r\n"), Entries{});
}

TEST(LoadIniDocumentTest, AKeyAtTheVeryEndOfTheFile) {
    EXPECT_EQ(FirstSection("a=1\r\nLast="), (Entries{{"a", "1"}, {"Last", ""}}));
    EXPECT_EQ(FirstSection("a=1\r\nLast"), (Entries{{"a", "1"}, {"Last", ""}}));
    EXPECT_EQ(FirstSection("a=1\r\nLast = "), (Entries{{"a", "1"}, {"Last", ""}}));
}

TEST(LoadIniDocumentTest, AnyControlCharacterEndsALine) {
    // A tab ends the line, and what follows it is read as the next line.
    EXPECT_EQ(FirstSection("k=a\tb=2"), (Entries{{"k", "a"}, {"b", "2"}}));
    EXPECT_EQ(FirstSection(std::string("k=a\0b=2", 7)), (Entries{{"k", "a"}, {"b", "2"}}));
    // The character after a line's end is skipped when it is a control character too.
    EXPECT_EQ(FirstSection("k=a\t\tb=2"), (Entries{{"k", "a"}, {"b", "2"}}));
}

TEST(LoadIniDocumentTest, ValuesAreBytesAsTheyStand) {
    const std::string value = "C:\\Dokumente\xC3\xBC\xFF\x7F";
    EXPECT_EQ(FirstSection("Path=" + value + "\r\n"), (Entries{{"Path", value}}));
    // Bytes above 0x7F are neither key characters nor line ends.
    EXPECT_EQ(FirstSection("K\xC3\xA9y=1"), (Entries{{"Ky", "1"}}));
}

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
