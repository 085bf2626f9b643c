// AppImg, the setup's image list: six pictures carried in the executable as
// resources (drawn at build time), reached by name.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

enum class AppImgId { setup48, setup32, setup16, PrgFolder_1_48, PrgFolder_1_32, PrgFolder_1_16 };

struct AppImgEntry {
    AppImgId id;
    const char* name;
    int size;  // pixels a side
    int resource;
};

// In image-list order.
extern const AppImgEntry kAppImgEntries[6];

const AppImgEntry& AppImgInfo(AppImgId id);

#ifdef _WIN32
// A 32-bit top-down DIB section with premultiplied alpha, ready for
// AlphaBlend. The caller owns it (DeleteObject); null when the resource is
// missing or damaged.
HBITMAP AppImgBitmap(HINSTANCE module, AppImgId id);

// The picture as an icon with its alpha, e.g. for WM_SETICON. The caller owns
// it (DestroyIcon); null when the resource is missing or damaged.
HICON AppImgIcon(HINSTANCE module, AppImgId id);
#endif
