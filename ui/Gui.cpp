#include "ui/Gui.h"

#include <commctrl.h>

#include "win32/Utf.h"

namespace {

// The visual styles of common controls 6 load further DLLs by name, and not
// all of those loads keep to the system folder (under Wine, the system
// libraries' own delay imports also look in the program's folder). Loaded
// from the system folder first, they are then found already loaded.
const wchar_t* const kStyleDlls[] = {L"uxtheme.dll", L"msimg32.dll", L"dwmapi.dll"};

// comctl32 is not one of the system's known DLLs, so it is not imported: it is
// loaded here, after WinMain has limited DLL loading to the system folder.
void LoadCommonControls() {
    for (const wchar_t* dll : kStyleDlls)
        LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    HMODULE comctl = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!comctl)
        return;
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init = reinterpret_cast<InitFn>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
    if (!init)
        return;
    INITCOMMONCONTROLSEX icc{sizeof(icc),
                             ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    init(&icc);
}

int ScreenDpi() {
    const WindowDc screen = DcOfWindow(nullptr);
    const int dpi = screen.Valid() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
    return dpi > 0 ? dpi : 96;
}

}  // namespace

Gui::Gui(HINSTANCE instance) : instance_(instance), dpi_(ScreenDpi()) {
    LoadCommonControls();
}

void Gui::SetStandardFont(const std::string& face, int height) {
    fontFace_ = face;
    fontHeight_ = height;
    font_ = StandardFontAt(dpi_);
}

GdiObject<HFONT> Gui::StandardFontAt(int dpi) const {
    // A negative height asks for the character height, as a font size in pixels means.
    return GdiObject<HFONT>(CreateFontW(-ScaleForDpi(fontHeight_, dpi), 0, 0, 0, FW_NORMAL, FALSE,
                                        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                        CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                        DEFAULT_PITCH | FF_DONTCARE, Widen(fontFace_).c_str()));
}
