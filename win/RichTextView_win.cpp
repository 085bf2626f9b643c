// TEMPORARY STAND-IN: see RichTextView.h.
#include "win/RichTextView.h"

#include "win/Utf.h"

namespace {

// Paragraph texts only: style definitions are skipped, format blocks "[... " lose their head and
// bracket,
// "&" ends a paragraph, "`" escapes the next character.
std::string PlainText(const std::string& qtf) {
    std::string out;
    for (size_t i = 0; i < qtf.size(); ++i) {
        const char c = qtf[i];
        if (c == '`' && i + 1 < qtf.size()) {
            out += qtf[++i];
        } else if (qtf.compare(i, 4, "[ $$") == 0) {
            i = qtf.find(']', i);  // a style definition: nothing to show
            if (i == std::string::npos)
                break;
        } else if (c == '[') {
            const size_t space = qtf.find(' ', i);
            const size_t close = qtf.find(']', i);
            if (space < close)
                i = space;
        } else if (c == '&') {
            out += "\r\n";
        } else if (c != ']') {
            out += c;
        }
    }
    return out;
}

}  // namespace

bool RichTextView::Create(HWND parent, const RECT& pixels, int controlId) {
    hwnd_ = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, pixels.left + 4,
        pixels.top + 4, pixels.right - pixels.left - 8, pixels.bottom - pixels.top - 8, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
    return hwnd_ != nullptr;
}

void RichTextView::SetQtf(const std::string& qtf) {
    SetWindowTextW(hwnd_, Widen(PlainText(qtf)).c_str());
}

int RichTextView::Width() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return r.right - r.left + 8;
}
