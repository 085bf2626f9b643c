#include "ui/ProgressWindow.h"

#include <oleacc.h>

#include <algorithm>

#include "ui/Gui.h"
#include "ui/MessageLoop.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

namespace {

// Client area and places at 96 DPI.
constexpr int kWidth = 380;
constexpr int kHeight = 62;
constexpr int kMargin = 10;
constexpr int kTextHeight = 16;
constexpr int kBarHeight = 18;

RECT Inside(RECT r) {
    InflateRect(&r, -1, -1);
    return r;
}

}  // namespace

ProgressWindow::ProgressWindow(Gui& gui) : Window(gui), throttle_(GetTickCount64()) {
    // No system menu: the window has no close box, there is nothing to cancel.
    CreateTopLevel("Working...", WS_POPUP | WS_CAPTION, gui.Scale(kWidth), gui.Scale(kHeight));
    PlaceParts();
    taskbar_.emplace(Handle());
}

void ProgressWindow::PlaceParts() {
    const int left = Scale(kMargin);
    const int right = Scale(kWidth - kMargin);
    const int textTop = Scale(kMargin);
    const int barTop = Scale(kMargin + kTextHeight + 8);
    textRect_ = {left, textTop, right, textTop + Scale(kTextHeight)};
    barRect_ = {left, barTop, right, barTop + Scale(kBarHeight)};
    shownPixels_ = BarPixels();
}

void ProgressWindow::OnDpiChanged(const RECT& suggested) {
    font_ = gui_.StandardFontAt(Dpi());
    PlaceParts();
    IconsForDpi();
    MoveAndSize(suggested, Scale(kWidth), Scale(kHeight));
    InvalidateRect(Handle(), nullptr, FALSE);
}

void ProgressWindow::SetTitle(const std::string& title) {
    Window::SetTitle(title);
}

void ProgressWindow::SetText(const std::string& text) {
    textLine_ = Widen(text);
    UpdateIfDue();
}

void ProgressWindow::SetTextAlignLeft() {
    alignLeft_ = true;
    InvalidateRect(Handle(), &textRect_, FALSE);
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
    taskbar_->Clear();
    Show(false);
}

void ProgressWindow::ShowFailure() {
    taskbar_->ShowError();
}

void ProgressWindow::UpdateIfDue() {
    if (!throttle_.TakeUpdate(GetTickCount64()))
        return;
    ShowState();
    if (!Visible())
        Show(true);
    else if (repaintWanted_)
        InvalidateRect(Handle(), nullptr, FALSE);
    repaintWanted_ = false;
    // After the window is shown: a hidden one has no taskbar button.
    ShowPercent();
    PumpPendingMessages();
}

int32_t ProgressWindow::BarPixels() const {
    const RECT inner = Inside(barRect_);
    const int64_t width = inner.right - inner.left;
    if (total_ <= 0 || pos_ <= 0)
        return 0;
    return static_cast<int32_t>(std::min<int64_t>(width, pos_ * width / total_));
}

int ProgressWindow::Percent() const {
    if (total_ <= 0 || pos_ <= 0)
        return 0;
    return static_cast<int>(std::min<int64_t>(100, int64_t{pos_} * 100 / total_));
}

void ProgressWindow::ShowState() {
    // Only what changed is drawn again: under a remote or emulated display
    // every drawing is a round trip.
    if (textLine_ != shownText_) {
        shownText_ = textLine_;
        InvalidateRect(Handle(), &textRect_, FALSE);
        NotifyAccessibleChange(Handle(), EVENT_OBJECT_NAMECHANGE);
    }
    // A step smaller than one of the bar's pixels changes nothing on screen.
    const int32_t pixels = BarPixels();
    if (pixels != shownPixels_) {
        shownPixels_ = pixels;
        InvalidateRect(Handle(), &barRect_, FALSE);
    }
}

void ProgressWindow::ShowPercent() {
    // The taskbar button is a few dozen pixels wide, and a screen reader
    // reads the value out: a step of one percent is the finest either shows.
    const int percent = Percent();
    if (percent == shownPercent_)
        return;
    shownPercent_ = percent;
    taskbar_->SetValue(static_cast<uint64_t>(std::max(pos_, 0)),
                       static_cast<uint64_t>(std::max(total_, 1)));
    NotifyAccessibleChange(Handle(), EVENT_OBJECT_VALUECHANGE);
}

bool ProgressWindow::AccessibleName(std::string& name) const {
    name = Narrow(shownText_);
    return true;
}

bool ProgressWindow::AccessibleRole(long& role) const {
    role = ROLE_SYSTEM_PROGRESSBAR;
    return true;
}

bool ProgressWindow::AccessibleValue(std::string& value) const {
    value = std::to_string(std::max(shownPercent_, 0)) + "%";
    return true;
}

long ProgressWindow::AccessibleStates() const {
    return STATE_SYSTEM_READONLY;
}

void ProgressWindow::Paint(HDC dc) const {
    RECT client;
    GetClientRect(Handle(), &client);
    // The face around the text and the bar, each of which fills its own place.
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, textRect_.left, textRect_.top, textRect_.right, textRect_.bottom);
    ExcludeClipRect(dc, barRect_.left, barRect_.top, barRect_.right, barRect_.bottom);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
    PaintText(dc);
    PaintBar(dc);
}

void ProgressWindow::PaintText(HDC dc) const {
    FillRect(dc, &textRect_, GetSysColorBrush(COLOR_BTNFACE));
    const Selection font = SelectInto(dc, font_.Valid() ? font_.Get() : gui_.StandardFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    RECT line = textRect_;
    DrawTextW(dc, shownText_.c_str(), static_cast<int>(shownText_.size()), &line,
              (alignLeft_ ? DT_LEFT : DT_CENTER) | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
}

void ProgressWindow::PaintBar(HDC dc) const {
    FrameRect(dc, &barRect_, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT inner = Inside(barRect_);
    RECT done = inner;
    done.right = inner.left + shownPixels_;
    RECT rest = inner;
    rest.left = done.right;
    FillRect(dc, &done, GetSysColorBrush(COLOR_HIGHLIGHT));
    FillRect(dc, &rest, GetSysColorBrush(COLOR_WINDOW));
}

LRESULT ProgressWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            return 0;  // Alt+F4 and the like: the extraction always runs to its end
        case WM_ERASEBKGND:
            return 1;  // the paint fills every pixel itself, without a flash of the face
        case WM_PAINT: {
            const PaintDc dc = BeginPainting(Handle());
            Paint(dc.Get());
            return 0;
        }
        default:
            return Window::OnMessage(message, wParam, lParam);
    }
}
