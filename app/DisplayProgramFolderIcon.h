// Paints the program-folder picture in a cell of the launch-icons list:
// centred over the row's paper colour, so a selected row shows its highlight
// behind it. One instance serves every row. The picture is 16 pixels at 96
// DPI and grows with the rows on a denser screen, drawn from the larger
// pictures rather than blown up.
#pragma once

#include <windows.h>

#include "ui/CellDisplay.h"
#include "win32/Handles.h"

class DisplayProgramFolderIcon : public CellDisplay {
public:
    // pixels: what 16 pixels at 96 DPI are on this screen.
    DisplayProgramFolderIcon(HINSTANCE module, int pixels);

    void Paint(HDC dc, const RECT& cell, const std::string& value, COLORREF ink, COLORREF paper,
               unsigned style) const override;

private:
    GdiObject<HBITMAP> picture_;  // premultiplied alpha; null when the resource is missing
    int size_;
};
