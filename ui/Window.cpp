#include "ui/Window.h"

#include "ui/Gui.h"
#include "win32/Utf.h"

const wchar_t kWindowClass[] = L"QuillmarkSetupWindow";

namespace {

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kWindowClass;
    // Registered by the first window; later registrations answer "already exists".
    RegisterClassExW(&wc);
}

// A function of user32 that only later Windows have (10 and later for the
// per-density ones); null on the others.
template <typename Function>
Function LaterUser32(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(user32 ? GetProcAddress(user32, name) : nullptr));
}

// A size Windows asks for (SM_CXSMICON, SM_CXICON) at a density: asked for
// that density where Windows can, else the screen's own.
int SystemSizeAt(int metric, int dpi) {
    const auto forDpi = LaterUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return forDpi ? forDpi(metric, static_cast<UINT>(dpi)) : GetSystemMetrics(metric);
}

}  // namespace

Window::~Window() {
    if (hwnd_) {
        // Detach first: messages sent during destruction must not reach a half-destroyed object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ForgetAccessibleSource(hwnd_);
        DestroyWindow(hwnd_);
    }
}

bool Window::CreateTopLevel(const std::string& title, DWORD style, int clientWidth,
                            int clientHeight) {
    RegisterWindowClass(gui_.Instance(), Trampoline);
    dpi_ = gui_.Dpi();

    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;

    hwnd_ = CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, kWindowClass,
                            Widen(title).c_str(), style, x, y, width, height, nullptr, nullptr,
                            gui_.Instance(), this);
    return hwnd_ != nullptr;
}

bool Window::CreateChild(HWND parent, const RECT& pixels, DWORD style, int controlId) {
    RegisterWindowClass(gui_.Instance(), Trampoline);
    dpi_ = gui_.Dpi();
    hwnd_ = CreateWindowExW(0, kWindowClass, L"", style | WS_CHILD, pixels.left, pixels.top,
                            pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                            gui_.Instance(), this);
    return hwnd_ != nullptr;
}

void Window::SetTitle(const std::string& title) {
    SetWindowTextW(hwnd_, Widen(title).c_str());
}

void Window::Show(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
    if (visible)
        UpdateWindow(hwnd_);
}

void Window::SetIcons(const IconPicture& picture) {
    iconPicture_ = picture;
    IconHandle small(picture(SystemSizeAt(SM_CXSMICON, dpi_)));
    IconHandle big(picture(SystemSizeAt(SM_CXICON, dpi_)));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    // The earlier ones go only now that the window no longer shows them.
    smallIcon_ = std::move(small);
    bigIcon_ = std::move(big);
}

bool Window::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

void Window::IconsForDpi() {
    if (iconPicture_)
        SetIcons(IconPicture(iconPicture_));
}

void Window::OnDpiChanged(const RECT& suggested) {
    IconsForDpi();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::MoveAndSize(const RECT& suggested, int clientWidth, int clientHeight) {
    RECT frame{0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE));
    // The frame at the window's density where Windows tells it.
    const auto forDpi =
        LaterUser32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    if (!forDpi || !forDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi_)))
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A system that draws the frame at another density than the window's
    // (Wine) leaves another client area: the frame it drew is what counts.
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (client.right != clientWidth || client.bottom != clientHeight) {
        width += clientWidth - client.right;
        height += clientHeight - client.bottom;
        SetWindowPos(hwnd_, nullptr, 0, 0, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DPICHANGED && lParam) {
        dpi_ = LOWORD(wParam);
        OnDpiChanged(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    }
    if (message == WM_GETOBJECT) {
        if (const AccessibleSource* source = Accessible())
            if (const LRESULT answer = AnswerAccessibleObject(hwnd_, *source, wParam, lParam))
                return answer;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = self->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // Destroyed with its parent before the object: the object must not
        // destroy the handle again later, when it may name another window.
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        ForgetAccessibleSource(hwnd);
        self->hwnd_ = nullptr;
    }
    return result;
}
