#include "settings/ParseIniDocument.h"

#include <utility>

namespace {

constexpr int kEnd = -1;  // end of file: not a byte

// One file's bytes, handed out one at a time as 0..255, then kEnd.
class ByteSource {
public:
    void Reset(char* data, size_t size) {
        data_ = data;
        size_ = size;
        pos_ = 0;
    }
    int Next() { return pos_ < size_ ? static_cast<unsigned char>(data_[pos_++]) : kEnd; }
    // Where the byte Next handed out last stands.
    char* Last() const { return data_ + pos_ - 1; }

private:
    char* data_ = nullptr;
    size_t size_ = 0;
    size_t pos_ = 0;
};

// Text of a line, gathered where it stands in the file's bytes: the bytes
// kept from a stretch already read are moved to its start, so that a key
// without the characters dropped from it is a view as well and nothing is
// copied.
class Gathered {
public:
    void Add(char* at) {
        if (!start_)
            start_ = at;
        start_[size_++] = *at;
    }
    std::string_view View() const { return {start_, size_}; }
    bool Empty() const { return size_ == 0; }

private:
    char* start_ = nullptr;
    size_t size_ = 0;
};

// Control characters end a line, and so does the end of the file.
bool EndsLine(int ch) {
    return ch < 0x20;
}
bool IsControl(int ch) {
    return ch != kEnd && ch < 0x20;
}

bool IsKeyChar(int ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

// What one line gave, and the character that ended it.
struct Line {
    Gathered name;
    Gathered key;
    Gathered text;  // the value of a key line, or the whole of a text line
    bool textLine = false;
    int end = kEnd;

    bool Empty() const { return name.Empty() && key.Empty() && !textLine; }
};

// After a key, every blank and "=" is separator; the value runs to the line's end.
int ReadValue(ByteSource& in, Gathered& value) {
    int ch = in.Next();
    while (ch == ' ' || ch == '=') ch = in.Next();
    for (; !EndsLine(ch); ch = in.Next()) value.Add(in.Last());
    return ch;
}

Line ReadLine(ByteSource& in, int ch) {
    Line line;
    // A control character at the start of a line is the second half of the
    // previous line's end (the LF of CR LF); only a second one ends the line.
    if (IsControl(ch)) {
        ch = in.Next();
        if (IsControl(ch)) {
            line.end = ch;
            return line;
        }
    }
    bool inKey = false, inHeader = false, headerClosed = false;
    for (; !EndsLine(ch); ch = in.Next()) {
        if (IsKeyChar(ch) && !line.textLine && !inHeader) {
            line.key.Add(in.Last());
            inKey = true;
        } else if ((ch == '[' || inHeader) && !headerClosed && !inKey && !line.textLine) {
            if (ch == ']')
                headerClosed = true;
            else if (ch != '[')
                line.name.Add(in.Last());
            inHeader = true;
        } else if (inKey) {
            // Anything else inside a key is dropped.
            if (ch == ' ' || ch == '=') {
                line.end = ReadValue(in, line.text);
                return line;
            }
        } else if (!inHeader) {  // text behind a header's "]" is dropped
            line.textLine = true;
            line.text.Add(in.Last());
        }
    }
    line.end = ch;
    return line;
}

// The views are of the bytes the document keeps: nothing is copied.
void Store(const Line& line, IniDocument& document) {
    if (!line.name.Empty())
        document.AppendSection(line.name.View());
    if (!line.key.Empty() || line.textLine)
        document.LastSection().Append(line.key.View(), line.text.View());
}

void Start(ByteSource& in, IniDocument& document, std::string bytes) {
    const size_t size = bytes.size();
    in.Reset(document.TakeBytes(std::move(bytes)), size);
}

}  // namespace

IniDocument ParseIniDocument(std::string bytes, IniLinkReader* links) {
    IniDocument document;
    document.AppendSection({});
    ByteSource in;
    Start(in, document, std::move(bytes));
    int ch = in.Next();
    while (ch != kEnd) {
        Line line = ReadLine(in, ch);
        Store(line, document);
        if (line.key.View() == "LINK") {
            std::string linked;
            if (!links || !links->Read(std::string(line.text.View()), linked))
                break;
            Start(in, document, std::move(linked));
            ch = in.Next();
            continue;
        }
        if (line.end == kEnd)
            break;
        const int next = in.Next();
        // Only CR LF files keep their empty lines: a line that gave nothing and
        // was ended by a character followed by LF is a blank line.
        if (next == '\n' && line.Empty())
            document.LastSection().Append({}, {});
        ch = next;
    }
    return document;
}
