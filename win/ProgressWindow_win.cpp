#include "win/ProgressWindow.h"

#include <commctrl.h>

#include "win/Gui.h"
#include "win/MessageLoop.h"
#include "win/Utf.h"

namespace {

// Client area and control places at 96 DPI.
constexpr int kWidth = 380;
constexpr int kHeight = 62;
constexpr int kMargin = 10;
constexpr int kTextHeight = 16;
constexpr int kBarHeight = 18;

}  // namespace

ProgressWindow::ProgressWindow(Gui& gui) : Window(gui), throttle_(GetTickCount64()) {
    // No system menu: the window has no close box, there is nothing to cancel.
    // Clipping its children: redrawing the window's face then leaves the text
    // and the bar alone, which redraw themselves when their values change.
    CreateTopLevel("Working...", WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, gui.Scale(kWidth),
                   gui.Scale(kHeight));
    const int inner = gui.Scale(kWidth - 2 * kMargin);
    text_ = CreateWindowExW(0, L"STATIC", L"",
                            WS_CHILD | WS_VISIBLE | SS_CENTER | SS_NOPREFIX | SS_PATHELLIPSIS,
                            gui.Scale(kMargin), gui.Scale(kMargin), inner, gui.Scale(kTextHeight),
                            Handle(), nullptr, gui.Instance(), nullptr);
    bar_ = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | PBS_SMOOTH,
                           gui.Scale(kMargin), gui.Scale(kMargin + kTextHeight + 8), inner,
                           gui.Scale(kBarHeight), Handle(), nullptr, gui.Instance(), nullptr);
    SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(gui.StandardFont()), FALSE);
}

void ProgressWindow::SetTitle(const std::string& title) {
    Window::SetTitle(title);
}

void ProgressWindow::SetText(const std::string& text) {
    textLine_ = text;
    UpdateIfDue();
}

void ProgressWindow::SetTextAlignLeft() {
    LONG_PTR style = GetWindowLongPtrW(text_, GWL_STYLE);
    SetWindowLongPtrW(text_, GWL_STYLE, (style & ~static_cast<LONG_PTR>(SS_CENTER)) | SS_LEFT);
}

void ProgressWindow::SetPos(int32_t pos, int32_t total) {
    pos_ = pos;
    total_ = total;
    UpdateIfDue();
}

void ProgressWindow::Refresh() {
    // Drawn at the next visible update: asked for after every piece of output,
    // a repaint between two updates would show nothing new.
    repaintWanted_ = true;
}

void ProgressWindow::Close() {
    Show(false);
}

void ProgressWindow::UpdateIfDue() {
    if (!throttle_.TakeUpdate(GetTickCount64()))
        return;
    ShowState();
    if (!Visible())
        Show(true);
    else if (repaintWanted_)
        InvalidateRect(Handle(), nullptr, FALSE);  // its face; the controls redraw themselves
    repaintWanted_ = false;
    PumpPendingMessages();
}

void ProgressWindow::ShowState() {
    // Only what changed: each change costs a redraw, and under a remote or
    // emulated display a redraw is not cheap.
    if (textLine_ != shownText_) {
        SetWindowTextW(text_, Widen(textLine_).c_str());
        shownText_ = textLine_;
    }
    if (total_ != shownTotal_) {
        SendMessageW(bar_, PBM_SETRANGE32, 0, total_ > 0 ? total_ : 1);
        shownTotal_ = total_;
        shownPixel_ = -1;
    }
    // The bar is redrawn only when it would look different: a step smaller
    // than one of its pixels changes nothing on screen.
    RECT bar;
    GetClientRect(bar_, &bar);
    const int64_t pixels = bar.right > 0 ? bar.right : 1;
    const int32_t pixel =
        total_ > 0 ? static_cast<int32_t>(int64_t{pos_ > 0 ? pos_ : 0} * pixels / total_) : 0;
    if (pixel != shownPixel_) {
        SendMessageW(bar_, PBM_SETPOS, static_cast<WPARAM>(pos_ > 0 ? pos_ : 0), 0);
        shownPixel_ = pixel;
    }
}

LRESULT ProgressWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE)
        return 0;  // Alt+F4 and the like: the extraction always runs to its end
    return Window::OnMessage(message, wParam, lParam);
}
