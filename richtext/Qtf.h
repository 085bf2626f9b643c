// QTF, the rich-text format of the setup's information texts, parsed into
// paragraphs of formatted runs. Covers what the setup's texts use: bracketed
// formats (bold, italic, underline, faces, heights, numbered sizes,
// alignment), paragraph ends, backquote escapes, and style definitions and
// references, language and character-set headers, which are read past.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class QtfFace { Standard, Serif, Sans, Monospace };
enum class QtfAlign { Left, Center, Right, Justify };

// Heights are in dots, 600 to the inch.
constexpr int kQtfDotsPerInch = 600;

// The height of the numbered sizes "0" to "9" (out-of-range indexes are clamped).
int QtfSizeHeight(int index);

struct QtfFormat {
    QtfFace face = QtfFace::Standard;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int height = QtfSizeHeight(3);

    bool operator==(const QtfFormat& o) const {
        return face == o.face && bold == o.bold && italic == o.italic && underline == o.underline &&
               height == o.height;
    }
    bool operator!=(const QtfFormat& o) const { return !(*this == o); }
};

struct QtfRun {
    std::string text;  // UTF-8, escapes resolved
    QtfFormat format;
};

struct QtfParagraph {
    std::vector<QtfRun> runs;  // neighbouring runs differ in format
    // The format in force where the paragraph ends: it gives an empty
    // paragraph its height.
    QtfFormat end;
    // That of the paragraph's last character; of its end when it has none.
    QtfAlign align = QtfAlign::Left;

    std::string Text() const;
};

struct QtfDocument {
    std::vector<QtfParagraph> paragraphs;

    // The words as they are shown, for screen readers: one line per
    // paragraph that shows any, without the spaces at either end.
    std::string PlainText() const;
};

// Never fails: unbalanced brackets are closed or ignored, unknown format
// codes are skipped, a backquote at the very end is dropped. Empty text gives
// no paragraphs.
QtfDocument ParseQtf(std::string_view qtf);
