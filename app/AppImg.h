// AppImg, the setup's image list: six pictures carried in the executable as
// resources (drawn at build time), reached by name.
#pragma once

#include <string_view>

#include "ui/PixelImage.h"

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

// What AppImg has a picture of in three sizes.
enum class AppImgSubject { setup, PrgFolder_1 };

// The picture a subject is drawn from at pixels a side: the smallest that is
// not smaller, so that it is only ever scaled down; else the largest.
AppImgId AppImgSource(AppImgSubject subject, int pixels);

// A picture as the executable carries it: one bzip2 stream of the picture's
// byte form (ui/PixelImage.h), which takes a fifth of the space. False, with
// out untouched, for anything else or a picture of another size than entry's.
bool DecodeAppImgPicture(std::string_view resource, const AppImgEntry& entry, PixelImage& out);

#ifdef _WIN32
// A 32-bit top-down DIB section with premultiplied alpha, ready for
// AlphaBlend. The caller owns it (DeleteObject); null when the resource is
// missing or damaged.
HBITMAP AppImgBitmap(HINSTANCE module, AppImgId id);

// The picture as an icon with its alpha, e.g. for WM_SETICON. The caller owns
// it (DestroyIcon); null when the resource is missing or damaged.
HICON AppImgIcon(HINSTANCE module, AppImgId id);

// The same of a subject at pixels a side, drawn from its AppImgSource.
HBITMAP AppImgBitmap(HINSTANCE module, AppImgSubject subject, int pixels);
HICON AppImgIcon(HINSTANCE module, AppImgSubject subject, int pixels);

// The setup's window icon at any size, for Window::SetIcons.
inline auto SetupWindowIcon(HINSTANCE module) {
    return [module](int pixels) { return AppImgIcon(module, AppImgSubject::setup, pixels); };
}
#endif
