#include "richtext/Qtf.h"

#include <gtest/gtest.h>

#include "app/Topics.h"

namespace {

QtfFormat Format(int height, QtfFace face = QtfFace::Standard, bool bold = false) {
    QtfFormat f;
    f.height = height;
    f.face = face;
    f.bold = bold;
    return f;
}

TEST(ParseQtf, InstallFolderTopicGivesFiveParagraphsOfRuns) {
    const QtfDocument doc = ParseQtf(FindTopic("Zelk-Setup", "App", "firstLay$en-us").text);
    const int small = QtfSizeHeight(2);
    ASSERT_EQ(doc.paragraphs.size(), 5u);

    // The name in bold at 184, one serif space at 184, the version small.
    const auto& first = doc.paragraphs[0].runs;
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].text, "Quillmark");
    EXPECT_EQ(first[0].format, Format(184, QtfFace::Standard, true));
    EXPECT_EQ(first[1].text, " ");
    EXPECT_EQ(first[1].format, Format(184, QtfFace::Serif));
    EXPECT_EQ(first[2].text, "V 3.90, build 21");
    EXPECT_EQ(first[2].format, Format(small));

    const auto& second = doc.paragraphs[1].runs;
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0].text,
              "Utility for archive Siemens S7 PLC's data in a local file, or write them from local "
              "file.");
    EXPECT_EQ(second[0].format, Format(small));

    // The empty paragraph keeps the small size of its codes, for its height.
    EXPECT_TRUE(doc.paragraphs[2].runs.empty());
    EXPECT_EQ(doc.paragraphs[2].end.height, small);

    for (size_t i : {3u, 4u}) {
        ASSERT_EQ(doc.paragraphs[i].runs.size(), 1u);
        EXPECT_EQ(doc.paragraphs[i].runs[0].format, Format(small));
    }
    EXPECT_EQ(doc.paragraphs[3].Text(), "Program setup.");
    EXPECT_EQ(doc.paragraphs[4].Text(), "Select the installation program path and Click Ok.");
    for (const QtfParagraph& p : doc.paragraphs) EXPECT_EQ(p.align, QtfAlign::Left);
}

TEST(ParseQtf, ItalianTopicHasTheNameInSerifNotBold) {
    const QtfDocument doc = ParseQtf(FindTopic("Zelk-Setup", "App", "firstLay$it-it").text);
    ASSERT_EQ(doc.paragraphs.size(), 5u);
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].runs[0].text, "Quillmark");
    EXPECT_EQ(doc.paragraphs[0].runs[0].format, Format(184, QtfFace::Serif));
    EXPECT_EQ(doc.paragraphs[1].Text(), "Utility for archive Siemens S7 PLC's data.");
}

TEST(ParseQtf, FormatsNestAndEndWithTheirBracket) {
    const QtfDocument doc = ParseQtf("[* a[/ b[* c]]d]e");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_TRUE(runs[0].format.bold && !runs[0].format.italic);
    EXPECT_TRUE(runs[1].format.bold && runs[1].format.italic);
    EXPECT_TRUE(!runs[2].format.bold && runs[2].format.italic);  // "*" toggles
    EXPECT_TRUE(runs[3].format.bold && !runs[3].format.italic);
    EXPECT_EQ(runs[4].format, QtfFormat{});
    EXPECT_EQ(doc.paragraphs[0].Text(), "abcde");
}

TEST(ParseQtf, SizesHeightsAndAlignment) {
    const QtfDocument doc = ParseQtf("[0 a][9 b][+250 c][+0 d][= e&][> f&][# g&][< h]");
    ASSERT_EQ(doc.paragraphs.size(), 4u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].format.height, QtfSizeHeight(0));
    EXPECT_EQ(runs[1].format.height, QtfSizeHeight(9));
    EXPECT_EQ(runs[2].format.height, 250);
    EXPECT_EQ(runs[3].format.height, QtfFormat{}.height);  // a zero height is no height
    EXPECT_EQ(doc.paragraphs[0].align, QtfAlign::Center);
    EXPECT_EQ(doc.paragraphs[1].align, QtfAlign::Right);
    EXPECT_EQ(doc.paragraphs[2].align, QtfAlign::Justify);
    EXPECT_EQ(doc.paragraphs[3].align, QtfAlign::Left);
    EXPECT_LT(QtfSizeHeight(0), QtfSizeHeight(2));
    EXPECT_LT(QtfSizeHeight(2), QtfSizeHeight(9));
}

TEST(ParseQtf, EscapesAndHeadersAreNotText) {
    EXPECT_EQ(ParseQtf("`[`]```&`*x").paragraphs[0].Text(), "[]`&*x");
    EXPECT_EQ(ParseQtf("[ $$1,2#ABC:Heading`]x][s1;@(0.0.255)$4{_}%IT-IT A]").paragraphs[0].Text(),
              "A");
    // A non-ASCII character passes through whole, escaped or not.
    EXPECT_EQ(ParseQtf("[2 Perch`\xC3\xA9 \xC3\xA8]").paragraphs[0].Text(),
              "Perch\xC3\xA9 \xC3\xA8");
    // Line breaks of the source are not line breaks of the text.
    EXPECT_EQ(ParseQtf("a\r\nb").paragraphs[0].Text(), "ab");
}

TEST(ParseQtf, ParagraphEnds) {
    EXPECT_TRUE(ParseQtf("").paragraphs.empty());
    EXPECT_EQ(ParseQtf("a").paragraphs.size(), 1u);
    EXPECT_EQ(ParseQtf("a&").paragraphs.size(), 2u);
    EXPECT_EQ(ParseQtf("&&").paragraphs.size(), 3u);
    const QtfDocument doc = ParseQtf("[4 a&b]");
    ASSERT_EQ(doc.paragraphs.size(), 2u);
    EXPECT_EQ(doc.paragraphs[0].end.height, QtfSizeHeight(4));
    EXPECT_EQ(doc.paragraphs[1].end.height, QtfFormat{}.height);  // ends after the bracket
}

TEST(ParseQtf, BrokenTextStillGivesItsWords) {
    // Unclosed brackets close at the end, stray closers and a last lone backquote are dropped.
    const QtfDocument doc = ParseQtf("]a[* b[2 c`");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    EXPECT_EQ(doc.paragraphs[0].Text(), "abc");
    EXPECT_TRUE(doc.paragraphs[0].runs[1].format.bold);
    EXPECT_EQ(ParseQtf("[* a]]]b").paragraphs[0].runs[1].format, QtfFormat{});
    EXPECT_EQ(ParseQtf("[+99999999999999 x]").paragraphs[0].runs[0].format.height > 0, true);
    EXPECT_EQ(ParseQtf("[ $$0,0#0:Default").paragraphs.size(), 1u);
    EXPECT_EQ(ParseQtf("[*").paragraphs.size(), 1u);
    EXPECT_EQ(ParseQtf("[{_").paragraphs[0].Text(), "");
    EXPECT_EQ(ParseQtf("[%EN-US").paragraphs[0].Text(), "");
    // Codes run to the first space: "[x" is a bracket with the code x, not text.
    EXPECT_EQ(ParseQtf("[[x").paragraphs[0].Text(), "");
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "[* ";
    EXPECT_EQ(ParseQtf(deep + "x").paragraphs[0].Text(), "x");
}

}  // namespace

// What screen readers read of a view: the words shown, one line per paragraph
// that shows any, no format codes, escapes resolved, spaces at the ends gone.
TEST(QtfPlainText, IsTheShownWordsOneLinePerParagraph) {
    const struct {
        std::string qtf;
        std::string plain;
    } cases[] = {
        {FindTopic("Zelk-Setup", "App", "firstLay$en-us").text,
         "Quillmark V 3.90, build 21\n"
         "Utility for archive Siemens S7 PLC's data in a local file, or write them from local "
         "file.\n"
         "Program setup.\n"
         "Select the installation program path and Click Ok."},
        {"[2 Select the start program folder group. ]", "Select the start program folder group."},
        {"[* a ]&&[2   ]&[/ b`[c`]]", "a\nb[c]"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseQtf(c.qtf).PlainText(), c.plain) << c.qtf;
}
