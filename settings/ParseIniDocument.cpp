#include "settings/ParseIniDocument.h"

#include <utility>

namespace {

constexpr int kEnd = -1;  // end of file: not a byte

// One file's bytes, handed out one at a time as 0..255, then kEnd.
class ByteSource {
public:
    void Reset(std::string data) {
        data_ = std::move(data);
        pos_ = 0;
    }
    int Next() { return pos_ < data_.size() ? static_cast<unsigned char>(data_[pos_++]) : kEnd; }

private:
    std::string data_;
    size_t pos_ = 0;
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
    std::string name;
    std::string key;
    std::string text;  // the value of a key line, or the whole of a text line
    bool textLine = false;
    int end = kEnd;

    bool Empty() const { return name.empty() && key.empty() && !textLine; }
};

// After a key, every blank and "=" is separator; the value runs to the line's end.
int ReadValue(ByteSource& in, std::string& value) {
    int ch = in.Next();
    while (ch == ' ' || ch == '=') ch = in.Next();
    for (; !EndsLine(ch); ch = in.Next()) value += static_cast<char>(ch);
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
            line.key += static_cast<char>(ch);
            inKey = true;
        } else if ((ch == '[' || inHeader) && !headerClosed && !inKey && !line.textLine) {
            if (ch == ']')
                headerClosed = true;
            else if (ch != '[')
                line.name += static_cast<char>(ch);
            inHeader = true;
        } else if (inKey) {
            // Anything else inside a key is dropped.
            if (ch == ' ' || ch == '=') {
                line.end = ReadValue(in, line.text);
                return line;
            }
        } else if (!inHeader) {  // text behind a header's "]" is dropped
            line.textLine = true;
            line.text += static_cast<char>(ch);
        }
    }
    line.end = ch;
    return line;
}

void Store(const Line& line, IniDocument& document) {
    if (!line.name.empty())
        document.AppendSection(line.name);
    if (!line.key.empty() || line.textLine)
        document.LastSection().Append(line.key, line.text);
}

}  // namespace

IniDocument ParseIniDocument(std::string bytes, IniLinkReader* links) {
    IniDocument document;
    document.AppendSection({});
    ByteSource in;
    in.Reset(std::move(bytes));
    int ch = in.Next();
    while (ch != kEnd) {
        Line line = ReadLine(in, ch);
        Store(line, document);
        if (line.key == "LINK") {
            std::string linked;
            if (!links || !links->Read(line.text, linked))
                break;
            in.Reset(std::move(linked));
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
