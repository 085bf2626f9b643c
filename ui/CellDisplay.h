// Paints one cell of a list in place of its text.
#pragma once

#include <windows.h>

#include <string>

class CellDisplay {
public:
    virtual ~CellDisplay() = default;
    // ink and paper are the colours of the row's state (selected or not).
    virtual void Paint(HDC dc, const RECT& cell, const std::string& value, COLORREF ink,
                       COLORREF paper, unsigned style) const = 0;
};
