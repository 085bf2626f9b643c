// TEMPORARY STAND-IN for the setup's image list: the system's application icon
// in place of every picture. Replaced by the real image list when that lands.
#pragma once

#include <windows.h>

enum class AppImgId { setup48, setup32, setup16, PrgFolder_1_48, PrgFolder_1_32, PrgFolder_1_16 };

// The picture as an icon; the caller owns it (DestroyIcon).
inline HICON AppImgIcon(HINSTANCE /*module*/, AppImgId /*id*/) {
    return CopyIcon(LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
}
