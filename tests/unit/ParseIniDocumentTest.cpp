#include "settings/ParseIniDocument.h"

#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "support/IniText.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// The entries of the unnamed first section, for files without headers, as
// text of their own: the document's views go with it.
Entries FirstSection(const std::string& bytes) {
    const IniDocument document = ParseIniDocument(bytes);
    const auto& sections = document.Sections();
    EXPECT_EQ(sections.size(), 1u) << Describe(document);
    Entries entries;
    for (const IniEntry& entry : sections[0].Entries())
        entries.emplace_back(entry.key, entry.value);
    return entries;
}

TEST(ParseIniDocumentTest, ExampleLines) {
    struct Case {
        const char* line;
        std::pair<std::string, std::string> entry;
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

TEST(ParseIniDocumentTest, HeadersStartSections) {
    const IniDocument document = ParseIniDocument(
        "top=1\r\n[Communication]\r\nDevice=5\r\n[App] comment=x\r\nLanguage=IT-IT\r\n"
        "[ ]\r\nblank=1\r\n[Open\r\nopen=1\r\n");
    EXPECT_EQ(document, MakeIni({{"", {{"top", "1"}}},
                                 {"Communication", {{"Device", "5"}}},
                                 {"App", {{"Language", "IT-IT"}}},
                                 {" ", {{"blank", "1"}}},
                                 {"Open", {{"open", "1"}}}}))
        << Describe(document);
}

TEST(ParseIniDocumentTest, EmptyBracketsMakeNoSection) {
    const IniDocument document = ParseIniDocument("[A]\na=1\n[]\nb=2\n");
    EXPECT_EQ(document, MakeIni({{"", {}}, {"A", {{"a", "1"}, {"b", "2"}}}})) << Describe(document);
}

TEST(ParseIniDocumentTest, RepeatsAreKeptNotMerged) {
    const IniDocument document = ParseIniDocument("[A]\r\nk=1\r\nk=2\r\n[A]\r\nk=3\r\n");
    EXPECT_EQ(document, MakeIni({{"", {}}, {"A", {{"k", "1"}, {"k", "2"}}}, {"A", {{"k", "3"}}}}));
}

TEST(ParseIniDocumentTest, OnlyCrLfFilesKeepTheirEmptyLines) {
    EXPECT_EQ(FirstSection("a=1\r\n\r\n\r\n; c\r\n\r\nb=2\r\n"),
              (Entries{{"a", "1"}, {"", ""}, {"", ""}, {"", "; c"}, {"", ""}, {"b", "2"}}));
    EXPECT_EQ(FirstSection("a=1\n\n\n; c\n\nb=2\n"),
              (Entries{{"a", "1"}, {"", "; c"}, {"b", "2"}}));
    // Empty lines before the first line with content leave nothing.
    EXPECT_EQ(FirstSection("\r\n\r\na=1\r\n"), (Entries{{"a", "1"}}));
    EXPECT_EQ(FirstSection("\r\n"), Entries{});
}

TEST(ParseIniDocumentTest, AKeyAtTheVeryEndOfTheFile) {
    EXPECT_EQ(FirstSection("a=1\r\nLast="), (Entries{{"a", "1"}, {"Last", ""}}));
    EXPECT_EQ(FirstSection("a=1\r\nLast"), (Entries{{"a", "1"}, {"Last", ""}}));
    EXPECT_EQ(FirstSection("a=1\r\nLast = "), (Entries{{"a", "1"}, {"Last", ""}}));
}

TEST(ParseIniDocumentTest, AnyControlCharacterEndsALine) {
    // A tab ends the line, and what follows it is read as the next line.
    EXPECT_EQ(FirstSection("k=a\tb=2"), (Entries{{"k", "a"}, {"b", "2"}}));
    EXPECT_EQ(FirstSection(std::string("k=a\0b=2", 7)), (Entries{{"k", "a"}, {"b", "2"}}));
    // The character after a line's end is skipped when it is a control character too.
    EXPECT_EQ(FirstSection("k=a\t\tb=2"), (Entries{{"k", "a"}, {"b", "2"}}));
}

TEST(ParseIniDocumentTest, ValuesAreBytesAsTheyStand) {
    const std::string value = "C:\\Dokumente\xC3\xBC\xFF\x7F";
    EXPECT_EQ(FirstSection("Path=" + value + "\r\n"), (Entries{{"Path", value}}));
    // Bytes above 0x7F are neither key characters nor line ends.
    EXPECT_EQ(FirstSection("K\xC3\xA9y=1"), (Entries{{"Ky", "1"}}));
}

TEST(ParseIniDocumentTest, ALinkLineIsKeptAndEndsTheReadingUnlessItsFileIsGiven) {
    const std::string bytes = "a=1\r\nLINK=other.ini\r\nb=2\r\n";
    const IniDocument ended = MakeIni({{"", {{"a", "1"}, {"LINK", "other.ini"}}}});
    EXPECT_EQ(ParseIniDocument(bytes), ended);

    struct Declining : IniLinkReader {
        bool Read(const std::string& target, std::string&) override {
            asked = target;
            return false;
        }
        std::string asked;
    } declining;
    EXPECT_EQ(ParseIniDocument(bytes, &declining), ended);
    EXPECT_EQ(declining.asked, "other.ini");
}

// Names, keys and values are views of text the document keeps: a copy keeps
// its own, whole once the original is gone.
TEST(ParseIniDocumentTest, ACopyKeepsItsOwnText) {
    IniDocument copy;
    {
        IniDocument original = ParseIniDocument("[App]\r\nmy-key=1\r\n");
        original.Section("App").Set("Added", "2");
        copy = original;
        original.Section("App").Set("Added", "3");
    }
    EXPECT_EQ(copy, MakeIni({{"", {}}, {"App", {{"mykey", "1"}, {"Added", "2"}}}}));
}

}  // namespace
