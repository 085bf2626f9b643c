#include "ui/Prompt.h"

#include <windows.h>

#include <iterator>

#include "win32/Utf.h"
#include "ui/Window.h"

namespace {

std::wstring ProgramTitle() {
    wchar_t path[MAX_PATH * 4] = {};
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring name(path, n);
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        name.erase(0, slash + 1);
    size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0)
        name.erase(dot);
    return name;
}

void Prompt(const std::string& text, const Window* owner, UINT icon) {
    HWND parent = owner && owner->Visible() ? owner->Handle() : nullptr;
    // MessageBox plays the sound that belongs to its icon.
    MessageBoxW(parent, Widen(text).c_str(), ProgramTitle().c_str(),
                MB_OK | icon | (parent ? 0 : MB_SETFOREGROUND));
}

}  // namespace

void PromptOK(const std::string& text, const Window* owner) {
    Prompt(text, owner, MB_ICONASTERISK);
}

void PromptExclamation(const std::string& text, const Window* owner) {
    Prompt(text, owner, MB_ICONEXCLAMATION);
}
