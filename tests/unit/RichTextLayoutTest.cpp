#include "richtext/RichTextLayout.h"

#include <gtest/gtest.h>

#include "app/Topics.h"
#include "richtext/ViewZoom.h"

namespace {

// Every character is a tenth of the height wide; ascent 8/10, descent 2/10.
class FixedMeasure : public TextMeasure {
public:
    int Width(const QtfFormat& f, std::string_view text) override {
        return int(text.size()) * f.height / 10;
    }
    FontExtent Extent(const QtfFormat& f) override {
        return {f.height * 8 / 10, f.height * 2 / 10};
    }
};

std::vector<std::string> Lines(const RichTextLayout& layout) {
    std::vector<std::string> lines;
    int baseline = -1;
    for (const PlacedText& t : layout.pieces) {
        if (t.baseline != baseline)
            lines.emplace_back();
        baseline = t.baseline;
        lines.back() += t.text;
    }
    return lines;
}

TEST(ViewZoomNumerator, IsWidthTimes140PerThousandTruncated) {
    EXPECT_EQ(ViewZoomNumerator(392), 54);  // 54.88
    EXPECT_EQ(ViewZoomNumerator(348), 48);  // 48.72
    EXPECT_EQ(ViewZoomNumerator(100), 14);
    EXPECT_EQ(ViewZoomNumerator(50), 7);
    EXPECT_EQ(ViewZoomNumerator(7), 0);
    EXPECT_EQ(ViewZoomNumerator(0), 0);
}

TEST(ViewZoomFor, Is140PerThousandAt96DpiAndGrowsWithTheScreen) {
    // At 96 DPI exactly m:width.
    EXPECT_EQ(ViewZoomFor(392, 96).m, 54);
    EXPECT_EQ(ViewZoomFor(392, 96).d, 392);
    EXPECT_EQ(ViewZoomFor(348, 96).m, 48);
    EXPECT_EQ(ViewZoomFor(348, 96).d, 348);
    // The 96-DPI text height times dpi / 96, as the view itself is dpi / 96
    // wider: text and controls grow together.
    const double height96 = 600.0 * 54 / 392;
    for (int dpi : {120, 144, 192}) {
        const ViewZoom zoom = ViewZoomFor(392 * dpi / 96, dpi);
        EXPECT_DOUBLE_EQ(600.0 * zoom.m / zoom.d, height96 * dpi / 96) << dpi;
    }
    EXPECT_EQ(ViewZoomFor(588, 144).m, 54 * 3);
    EXPECT_EQ(ViewZoomFor(588, 144).d, 392 * 2);
    EXPECT_EQ(ViewZoomFor(0, 144).d, 0);
    EXPECT_EQ(ViewZoomFor(100, 0).d, 0);
}

TEST(LayOutRichText, WrapsAtSpacesAndKeepsWordsWhole) {
    FixedMeasure m;
    // Height 100: 10 pixels a character, so 60 pixels hold "aaa bb" (spaces at the end are free).
    const RichTextLayout layout = LayOutRichText(ParseQtf("[+100 aaa bb cccc dddddddd e]"), 60, m);
    EXPECT_EQ(Lines(layout), (std::vector<std::string>{"aaa bb ", "cccc ", "dddddddd ", "e"}));
    for (const PlacedText& t : layout.pieces) {
        // Only the word too wide for any line runs past the edge; spaces at the end take no room.
        const std::string ink = t.text.substr(0, t.text.find_last_not_of(' ') + 1);
        if (ink != "dddddddd") {
            EXPECT_LE(t.x + m.Width(t.format, ink), 60);
        }
    }
    EXPECT_EQ(layout.height, 4 * 100);
}

TEST(LayOutRichText, AWordOfSeveralFormatsIsNotSplit) {
    FixedMeasure m;
    const RichTextLayout layout = LayOutRichText(ParseQtf("[+100 xxxx ab[* cd]]"), 70, m);
    EXPECT_EQ(Lines(layout), (std::vector<std::string>{"xxxx ", "abcd"}));
    ASSERT_EQ(layout.pieces.size(), 3u);
    EXPECT_EQ(layout.pieces[2].text, "cd");
    EXPECT_EQ(layout.pieces[2].x, 20);  // right after "ab"
}

TEST(LayOutRichText, LinesShareTheBaselineOfTheirTallestText) {
    FixedMeasure m;
    const RichTextLayout layout =
        LayOutRichText(ParseQtf("[+50 a][+200 B][+50 c&][2 &]d"), 1000, m);
    ASSERT_EQ(layout.pieces.size(), 4u);
    EXPECT_EQ(layout.pieces[0].baseline, 160);
    EXPECT_EQ(layout.pieces[1].baseline, 160);
    EXPECT_EQ(layout.pieces[2].baseline, 160);
    // The empty paragraph is as high as its own size, then "d" at the default height.
    const int empty = QtfSizeHeight(2) * 8 / 10 + QtfSizeHeight(2) * 2 / 10;
    const int standard = QtfFormat{}.height;
    EXPECT_EQ(layout.pieces[3].baseline, 200 + empty + standard * 8 / 10);
    EXPECT_EQ(layout.height, 200 + empty + standard * 8 / 10 + standard * 2 / 10);
}

TEST(LayOutRichText, AlignsWithoutCountingTrailingSpaces) {
    FixedMeasure m;
    const RichTextLayout layout = LayOutRichText(ParseQtf("[+100= ab &][+100> ab]"), 100, m);
    ASSERT_EQ(layout.pieces.size(), 2u);
    EXPECT_EQ(layout.pieces[0].x, 40);  // (100 - 20) / 2
    EXPECT_EQ(layout.pieces[1].x, 80);  // aligned although its paragraph ends after the bracket
}

TEST(LayOutRichText, InstallFolderTopicFitsItsView) {
    // The view of the install-folder dialog: 392 pixels less the margins.
    FixedMeasure m;
    const QtfDocument doc = ParseQtf(FindTopic("Zelk-Setup", "App", "firstLay$en-us").text);
    const RichTextLayout layout = LayOutRichText(doc, 384, m);
    EXPECT_EQ(Lines(layout).front(), "Quillmark V 3.90, build 21");
    EXPECT_TRUE(LayOutRichText(QtfDocument{}, 384, m).pieces.empty());
    EXPECT_EQ(LayOutRichText(QtfDocument{}, 384, m).height, 0);
}

}  // namespace
