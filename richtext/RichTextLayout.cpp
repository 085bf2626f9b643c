#include "richtext/RichTextLayout.h"

#include <algorithm>

namespace {

// A piece of one run that is either all spaces or holds none.
struct Chunk {
    std::string_view text;
    const QtfFormat* format;
    bool space;
    int width;
};

std::vector<Chunk> SplitAtSpaces(const QtfParagraph& p, TextMeasure& measure) {
    std::vector<Chunk> chunks;
    for (const QtfRun& run : p.runs) {
        std::string_view rest = run.text;
        while (!rest.empty()) {
            const bool space = rest.front() == ' ';
            size_t n = 0;
            while (n < rest.size() && (rest[n] == ' ') == space) ++n;
            const std::string_view text = rest.substr(0, n);
            chunks.push_back(Chunk{text, &run.format, space, measure.Width(run.format, text)});
            rest.remove_prefix(n);
        }
    }
    return chunks;
}

class LineBuilder {
public:
    LineBuilder(const QtfParagraph& p, int width, TextMeasure& measure, RichTextLayout& out)
        : paragraph_(p), width_(width), measure_(measure), out_(out) {}

    void Add(const Chunk& c) {
        // Text of one format on one line stays one piece, drawn in one call:
        // the device then spaces its letters as it likes to, which measured
        // words placed one by one need not match.
        if (!line_.empty() && line_.back().format == *c.format)
            line_.back().text += c.text;
        else
            line_.push_back(PlacedText{std::string(c.text), *c.format, x_, 0});
        x_ += c.width;
        if (!c.space)
            inkWidth_ = x_;
    }
    bool Empty() const { return line_.empty(); }
    int X() const { return x_; }

    // Puts the line below the lines before it, aligned, on one baseline.
    void Flush() {
        FontExtent e;
        if (line_.empty()) {
            e = measure_.Extent(paragraph_.end);
        } else {
            for (const PlacedText& t : line_) {
                const FontExtent f = measure_.Extent(t.format);
                e.ascent = std::max(e.ascent, f.ascent);
                e.descent = std::max(e.descent, f.descent);
            }
        }
        const int baseline = out_.height + e.ascent;
        const int shift = Shift();
        for (PlacedText& t : line_) {
            t.x += shift;
            t.baseline = baseline;
            out_.pieces.push_back(std::move(t));
        }
        out_.height = baseline + e.descent;
        line_.clear();
        x_ = inkWidth_ = 0;
    }

private:
    int Shift() const {
        const int free = std::max(0, width_ - inkWidth_);
        switch (paragraph_.align) {
            case QtfAlign::Center:
                return free / 2;
            case QtfAlign::Right:
                return free;
            default:
                return 0;
        }
    }

    const QtfParagraph& paragraph_;
    int width_;
    TextMeasure& measure_;
    RichTextLayout& out_;
    std::vector<PlacedText> line_;
    int x_ = 0;
    int inkWidth_ = 0;  // up to the end of the last word, trailing spaces left out
};

void LayOutParagraph(const QtfParagraph& p, int width, TextMeasure& measure, RichTextLayout& out) {
    const std::vector<Chunk> chunks = SplitAtSpaces(p, measure);
    LineBuilder line(p, width, measure, out);
    size_t i = 0;
    while (i < chunks.size()) {
        // A word may span runs of several formats ("V" right after a bold name).
        size_t end = i;
        int wordWidth = 0;
        while (end < chunks.size() && !chunks[end].space) wordWidth += chunks[end++].width;
        const bool wrapped = !line.Empty() && end > i && line.X() + wordWidth > width;
        if (wrapped)
            line.Flush();
        for (; i < end; ++i) line.Add(chunks[i]);
        // Spaces stay at the end of their line, where they take no room.
        for (; i < chunks.size() && chunks[i].space; ++i) line.Add(chunks[i]);
    }
    line.Flush();
}

}  // namespace

RichTextLayout LayOutRichText(const QtfDocument& doc, int width, TextMeasure& measure) {
    RichTextLayout out;
    for (const QtfParagraph& p : doc.paragraphs) LayOutParagraph(p, width, measure, out);
    return out;
}
