#include "app/DisplayProgramFolderIcon.h"

#include "app/AppImg.h"

DisplayProgramFolderIcon::DisplayProgramFolderIcon(HINSTANCE module, int pixels)
    : picture_(AppImgBitmap(module, AppImgSubject::PrgFolder_1, pixels)), size_(pixels) {}

void DisplayProgramFolderIcon::Paint(HDC dc, const RECT& cell, const std::string&, COLORREF,
                                     COLORREF paper, unsigned) const {
    SetBkColor(dc, paper);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
    if (!picture_.Get())
        return;
    // Halved by shifting, so a cell smaller than the picture still centres it.
    const int x = cell.left + ((cell.right - cell.left - size_) >> 1);
    const int y = cell.top + ((cell.bottom - cell.top - size_) >> 1);
    const MemoryDc source(CreateCompatibleDC(dc));
    if (!source.Valid())
        return;
    const Selection picture = SelectInto(source.Get(), picture_.Get());
    // gdi32's own blend: msimg32's AlphaBlend would be one more DLL to load.
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, x, y, size_, size_, source.Get(), 0, 0, size_, size_, blend);
}
