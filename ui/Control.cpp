#include "ui/Control.h"

#include "win32/Utf.h"

namespace {

// The control whose procedure answers, on its window.
const wchar_t kControlProperty[] = L"QuillmarkControl";

}  // namespace

bool Control::Create(HWND parent, const RECT& rect, int id, HFONT font) {
    hwnd_ = CreateWindowExW(ExStyle(), ClassName(), L"", WS_CHILD | WS_VISIBLE | Style(), rect.left,
                            rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                            nullptr);
    if (!hwnd_)
        return false;
    id_ = id;
    if (font)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    OnCreated();
    return true;
}

void Control::SetLabel(const std::string& text) {
    SetWindowTextW(hwnd_, Widen(text).c_str());
}

std::string Control::GetLabel() const {
    const int length = GetWindowTextLengthW(hwnd_);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return Narrow(text);
}

void Control::Enable(bool enabled) {
    EnableWindow(hwnd_, enabled);
}

void Control::Show(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

RECT Control::Place() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void Control::SetPlace(const RECT& rect) {
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::AnswerScreenReaders() {
    if (!hwnd_ || systemProcedure_)
        return;
    SetPropW(hwnd_, kControlProperty, this);
    systemProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::Answering)));
}

void Control::StopAnswering() {
    if (!systemProcedure_)
        return;
    ForgetAccessibleSource(hwnd_);
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProcedure_));
    RemovePropW(hwnd_, kControlProperty);
    systemProcedure_ = nullptr;
}

LRESULT CALLBACK Control::Answering(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<Control*>(GetPropW(hwnd, kControlProperty));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC system = self->systemProcedure_;
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = AnswerAccessibleObject(hwnd, *self, wParam, lParam))
            return answer;
    } else if (message == WM_NCDESTROY) {
        self->StopAnswering();  // destroyed with its parent, before the object
    }
    return CallWindowProcW(system, hwnd, message, wParam, lParam);
}
