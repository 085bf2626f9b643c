#include "richtext/RichTextView.h"

#include <oleacc.h>

#include <algorithm>
#include <cmath>

#include "ui/Gui.h"
#include "win32/Utf.h"

namespace {

constexpr int kMargin = 4;  // pixels at 96 DPI, each side
constexpr int kScrollLine = 16;

// The faces of QTF's face codes; the standard one is the dialogs' own font.
std::wstring FaceName(QtfFace face, HFONT standard) {
    switch (face) {
        case QtfFace::Serif:
            return L"Times New Roman";
        case QtfFace::Sans:
            return L"Arial";
        case QtfFace::Monospace:
            return L"Courier New";
        default:
            break;
    }
    LOGFONTW font{};
    if (standard && GetObjectW(standard, sizeof(font), &font) && font.lfFaceName[0])
        return font.lfFaceName;
    return L"Tahoma";
}

GdiObject<HFONT> MakeFont(int pixelHeight, const QtfFormat& f, bool bold,
                          const std::wstring& face) {
    // A negative height asks for the character height, not the cell's.
    return GdiObject<HFONT>(CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, f.italic,
                                        f.underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

// How much ink a font puts down for a sample word, in a small picture of its own.
long InkOf(HFONT font, int pixelHeight) {
    const int width = pixelHeight * 4, height = pixelHeight * 2;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const GdiObject<HBITMAP> canvas(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!canvas.Valid() || !dc.Valid() || !bits)
        return 0;
    const Selection picture = SelectInto(dc.Get(), canvas.Get());
    const Selection selected = SelectInto(dc.Get(), font);
    const RECT all{0, 0, width, height};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc.Get(), TRANSPARENT);
    SetTextColor(dc.Get(), RGB(0, 0, 0));
    TextOutW(dc.Get(), 1, 1, L"Hm", 2);
    GdiFlush();
    long ink = 0;
    const auto* pixel = static_cast<const uint8_t*>(bits);
    for (int i = 0; i < width * height; ++i) ink += 255 - pixel[i * 4 + 1];
    return ink;
}

}  // namespace

// Measures on the view's own device context: a memory one would be
// monochrome, and text there is hinted to other widths than where it is drawn.
class RichTextView::Measure : public TextMeasure {
public:
    explicit Measure(RichTextView& view)
        : view_(view), dc_(DcOfWindow(view.Handle())), font_(KeepSelected(dc_.Get(), OBJ_FONT)) {}

    int Width(const QtfFormat& format, std::string_view text) override {
        const std::wstring wide = Widen(text);
        SIZE size{};
        SelectObject(dc_.Get(), view_.FontFor(format));
        GetTextExtentPoint32W(dc_.Get(), wide.c_str(), static_cast<int>(wide.size()), &size);
        return size.cx;
    }
    FontExtent Extent(const QtfFormat& format) override {
        TEXTMETRICW metrics{};
        SelectObject(dc_.Get(), view_.FontFor(format));
        GetTextMetricsW(dc_.Get(), &metrics);
        return {metrics.tmAscent, metrics.tmDescent};
    }

private:
    RichTextView& view_;
    const WindowDc dc_;
    const Selection font_;  // our fonts are not left in the window's context
};

RichTextView::RichTextView(Gui& gui) : Window(gui) {}

bool RichTextView::Create(HWND parent, const RECT& pixels, int controlId) {
    if (!CreateChild(parent, pixels, WS_VISIBLE | WS_CLIPSIBLINGS, controlId))
        return false;
    Relayout();
    return true;
}

bool RichTextView::CreateInLayout(HWND parent, const RECT& pixels, int controlId, HFONT font) {
    if (!Create(parent, pixels, controlId))
        return false;
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

void RichTextView::ChangeDpi(int dpi, const RECT& pixels, HFONT font) {
    SetDpi(dpi);
    fonts_.clear();
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowPos(Handle(), nullptr, pixels.left, pixels.top, pixels.right - pixels.left,
                 pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
    Relayout();
}

void RichTextView::SetQtf(const std::string& qtf) {
    doc_ = ParseQtf(qtf);
    scroll_ = 0;
    Relayout();
    NotifyAccessibleChange(Handle(), EVENT_OBJECT_NAMECHANGE);
}

bool RichTextView::AccessibleName(std::string& name) const {
    name = PlainText();
    return true;
}

bool RichTextView::AccessibleRole(long& role) const {
    role = ROLE_SYSTEM_STATICTEXT;
    return true;
}

long RichTextView::AccessibleStates() const {
    return STATE_SYSTEM_READONLY;
}

void RichTextView::SetZoom(int m, int d) {
    if (d <= 0 || m < 0)
        return;
    zoomM_ = m;
    zoomD_ = d;
    fonts_.clear();
    Relayout();
}

int RichTextView::Width() const {
    RECT r{};
    if (Handle())
        GetWindowRect(Handle(), &r);
    return r.right - r.left;
}

int RichTextView::Margin() const {
    // Grows with the screen like the text and the controls around the view.
    return Scale(kMargin);
}

int RichTextView::PixelHeight(int dots) const {
    const long pixels = std::lround(double(dots) * zoomM_ / zoomD_);
    return pixels < 1 ? 1 : static_cast<int>(pixels);
}

const RichTextView::Font& RichTextView::FontOf(const QtfFormat& f) {
    const FontKey key{static_cast<int>(f.face), f.bold, f.italic, f.underline, f.height};
    auto known = std::find_if(fonts_.begin(), fonts_.end(),
                              [&key](const KeyedFont& k) { return k.key == key; });
    if (known == fonts_.end()) {
        fonts_.emplace_front();
        known = fonts_.begin();
        known->key = key;
    }
    Font& font = known->font;
    if (font.handle.Valid())
        return font;
    const int pixels = PixelHeight(f.height);
    const std::wstring face = FaceName(f.face, gui_.StandardFont());
    font.handle = MakeFont(pixels, f, f.bold, face);
    if (f.bold) {
        // Some faces answer a bold request with a font that reports itself
        // bold but draws the regular strokes (Wine's own Tahoma does): the
        // text is then drawn again a little to the right, as bold is
        // simulated, about one pixel for every 16 of height.
        const GdiObject<HFONT> regular = MakeFont(pixels, f, false, face);
        if (InkOf(font.handle.Get(), pixels) <= InkOf(regular.Get(), pixels))
            font.overstrike = std::max(1, pixels / 16);
    }
    return font;
}

void RichTextView::Relayout() {
    if (!Handle())
        return;
    RECT client{};
    GetClientRect(Handle(), &client);
    Measure measure(*this);
    layout_ = LayOutRichText(doc_, client.right - 2 * Margin(), measure);
    const bool needed = layout_.height + 2 * Margin() > client.bottom;
    if (needed != scrollBarShown_) {
        // Showing or hiding the bar changes the width, and so the lines:
        // the resize lays the text out again.
        scrollBarShown_ = needed;
        ShowScrollBar(Handle(), SB_VERT, needed);
        Relayout();
        return;
    }
    UpdateScrollBar(client.bottom);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void RichTextView::UpdateScrollBar(int viewHeight) {
    const int content = layout_.height + 2 * Margin();
    const int top = content > viewHeight ? content - viewHeight : 0;
    scroll_ = scroll_ < 0 ? 0 : scroll_ > top ? top : scroll_;
    if (!scrollBarShown_)
        return;
    SCROLLINFO info{sizeof(info),
                    SIF_RANGE | SIF_PAGE | SIF_POS,
                    0,
                    content - 1,
                    static_cast<UINT>(viewHeight),
                    scroll_,
                    0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
}

void RichTextView::ScrollTo(int pos) {
    scroll_ = pos;
    RECT client{};
    GetClientRect(Handle(), &client);
    UpdateScrollBar(client.bottom);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void RichTextView::OnVerticalScroll(int request) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), SB_VERT, &info);
    switch (request) {
        case SB_LINEUP:
            ScrollTo(scroll_ - kScrollLine);
            break;
        case SB_LINEDOWN:
            ScrollTo(scroll_ + kScrollLine);
            break;
        case SB_PAGEUP:
            ScrollTo(scroll_ - static_cast<int>(info.nPage));
            break;
        case SB_PAGEDOWN:
            ScrollTo(scroll_ + static_cast<int>(info.nPage));
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            ScrollTo(info.nTrackPos);
            break;
        case SB_TOP:
            ScrollTo(0);
            break;
        case SB_BOTTOM:
            ScrollTo(info.nMax);
            break;
        default:
            break;
    }
}

// Whatever the parent draws behind the view, drawn into dc: its background
// as it erases it, then anything it paints itself.
void RichTextView::PaintParentFace(HDC dc, const RECT& client) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    HWND parent = GetParent(Handle());
    if (!parent)
        return;
    POINT origin{0, 0};
    MapWindowPoints(Handle(), parent, &origin, 1);
    POINT old{};
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void RichTextView::Paint() {
    const PaintDc target = BeginPainting(Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    // Drawn off screen first: the parent's face and then the text, without flicker.
    const MemoryDc dc(CreateCompatibleDC(target.Get()));
    const GdiObject<HBITMAP> canvas(
        CreateCompatibleBitmap(target.Get(), client.right, client.bottom));
    if (!dc.Valid() || !canvas.Valid())
        return;
    const Selection bitmap = SelectInto(dc.Get(), canvas.Get());
    PaintParentFace(dc.Get(), client);
    PaintText(dc.Get());
    BitBlt(target.Get(), 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
}

void RichTextView::PaintText(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
    const Selection font = KeepSelected(dc, OBJ_FONT);
    for (const PlacedText& t : layout_.pieces) {
        const std::wstring wide = Widen(t.text);
        const Font& font = FontOf(t.format);
        SelectObject(dc, font.handle.Get());
        for (int dx = 0; dx <= font.overstrike; ++dx)
            TextOutW(dc, Margin() + t.x + dx, Margin() + t.baseline - scroll_, wide.c_str(),
                     static_cast<int>(wide.size()));
    }
}

LRESULT RichTextView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT:
            Paint();
            return 0;
        case WM_SIZE:
            Relayout();
            return 0;
        case WM_VSCROLL:
            OnVerticalScroll(LOWORD(wParam));
            return 0;
        case WM_MOUSEWHEEL:
            if (!scrollBarShown_)
                break;
            ScrollTo(scroll_ - GET_WHEEL_DELTA_WPARAM(wParam) * 3 * kScrollLine / WHEEL_DELTA);
            return 0;
        default:
            break;
    }
    return Window::OnMessage(message, wParam, lParam);
}
