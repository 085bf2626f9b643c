#include "richtext/Qtf.h"

#include <cctype>

namespace {

// A step of about 1.2 per size, so that size 2, the size of the small print,
// comes out at the height of the dialogs' standard font at the setup's zoom.
constexpr int kSizeHeights[10] = {56, 67, 80, 96, 115, 138, 166, 199, 239, 287};

struct State {
    QtfFormat format;
    QtfAlign align = QtfAlign::Left;
};

class Parser {
public:
    explicit Parser(std::string_view qtf) : in_(qtf) {}

    QtfDocument Run() {
        if (in_.empty())
            return doc_;
        stack_.push_back(State{});
        while (pos_ < in_.size()) Step();
        EndParagraph();
        return std::move(doc_);
    }

private:
    bool AtEnd() const { return pos_ >= in_.size(); }
    char Peek() const { return AtEnd() ? '\0' : in_[pos_]; }

    void Step() {
        const char c = in_[pos_++];
        switch (c) {
            case '[':
                OpenBracket();
                break;
            case ']':
                if (stack_.size() > 1)  // a stray closing bracket closes nothing
                    stack_.pop_back();
                break;
            case '&':
                EndParagraph();
                break;
            case '`':
                if (!AtEnd())
                    Append(in_[pos_++]);
                break;
            case '\r':
            case '\n':
                break;  // line breaks in QTF source are layout of the source only
            default:
                Append(c);
        }
    }

    void OpenBracket() {
        stack_.push_back(stack_.back());
        ReadFormatCodes(stack_.back());
        if (in_.substr(pos_, 2) == "$$")
            SkipStyleDefinition();
    }

    // Codes run up to the first space, which separates them from the text and
    // is not part of it; a bracket may also end right after its codes.
    void ReadFormatCodes(State& s) {
        while (!AtEnd()) {
            const char c = in_[pos_];
            if (c == ']')
                return;  // the closing bracket is left for Step
            ++pos_;
            if (c == ' ')
                return;
            if (c >= '0' && c <= '9') {
                s.format.height = QtfSizeHeight(c - '0');
                continue;
            }
            switch (c) {
                case '*':
                    s.format.bold = !s.format.bold;
                    break;
                case '/':
                    s.format.italic = !s.format.italic;
                    break;
                case '_':
                    s.format.underline = !s.format.underline;
                    break;
                case 'R':
                    s.format.face = QtfFace::Serif;
                    break;
                case 'A':
                    s.format.face = QtfFace::Sans;
                    break;
                case 'C':
                    s.format.face = QtfFace::Monospace;
                    break;
                case 'G':
                    s.format.face = QtfFace::Standard;
                    break;
                case '+':
                    ReadHeight(s.format);
                    break;
                case '<':
                    s.align = QtfAlign::Left;
                    break;
                case '>':
                    s.align = QtfAlign::Right;
                    break;
                case '=':
                    s.align = QtfAlign::Center;
                    break;
                case '#':
                    s.align = QtfAlign::Justify;
                    break;
                case 's':
                    SkipThrough(';');
                    break;  // style reference: styles carry no format here
                case '{':
                    SkipThrough('}');
                    break;  // character set
                case '%':
                    SkipWhile([](char x) {
                        return std::isalpha(static_cast<unsigned char>(x)) || x == '-';
                    });
                    break;
                case '@':  // ink and paper colours are not shown
                case '$':
                    SkipColour();
                    break;
                default:
                    break;  // unknown codes change nothing
            }
        }
    }

    void ReadHeight(QtfFormat& f) {
        int value = 0;
        bool any = false;
        while (std::isdigit(static_cast<unsigned char>(Peek())) && value < 100000) {
            value = value * 10 + (in_[pos_++] - '0');
            any = true;
        }
        if (any && value > 0)
            f.height = value;
    }

    void SkipColour() {
        if (Peek() == '(')
            SkipThrough(')');
        else if (std::isdigit(static_cast<unsigned char>(Peek())))
            ++pos_;
    }

    // "$$number,next#id:name]" defines a style; the definition is not text.
    void SkipStyleDefinition() {
        while (!AtEnd() && in_[pos_] != ']') pos_ += in_[pos_] == '`' ? 2 : 1;
        if (!AtEnd())
            ++pos_;
        stack_.pop_back();
    }

    void SkipThrough(char last) {
        while (!AtEnd() && in_[pos_] != last && in_[pos_] != ']') ++pos_;
        if (Peek() == last)
            ++pos_;
    }

    template <typename Pred>
    void SkipWhile(Pred pred) {
        while (!AtEnd() && pred(in_[pos_])) ++pos_;
    }

    void Append(char c) {
        const QtfFormat& f = stack_.back().format;
        if (current_.runs.empty() || current_.runs.back().format != f)
            current_.runs.push_back(QtfRun{std::string(), f});
        current_.runs.back().text += c;
        // "[> text]" ends its paragraph after the bracket: the text's own
        // alignment is the paragraph's.
        current_.align = stack_.back().align;
    }

    void EndParagraph() {
        current_.end = stack_.back().format;
        if (current_.runs.empty())
            current_.align = stack_.back().align;
        doc_.paragraphs.push_back(std::move(current_));
        current_ = QtfParagraph{};
    }

    std::string_view in_;
    size_t pos_ = 0;
    std::vector<State> stack_;
    QtfParagraph current_;
    QtfDocument doc_;
};

}  // namespace

int QtfSizeHeight(int index) {
    if (index < 0)
        index = 0;
    if (index > 9)
        index = 9;
    return kSizeHeights[index];
}

std::string QtfParagraph::Text() const {
    std::string text;
    for (const QtfRun& r : runs) text += r.text;
    return text;
}

std::string QtfDocument::PlainText() const {
    std::string text;
    for (const QtfParagraph& p : paragraphs) {
        const std::string line = p.Text();
        const size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos)
            continue;
        if (!text.empty())
            text += '\n';
        text += line.substr(first, line.find_last_not_of(' ') + 1 - first);
    }
    return text;
}

QtfDocument ParseQtf(std::string_view qtf) {
    return Parser(qtf).Run();
}
