// A progress display: a titled window with one text line and a bar.
#pragma once

#include <cstdint>
#include <string>

class Progress {
public:
    virtual ~Progress() = default;
    virtual void SetTitle(const std::string& title) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetTextAlignLeft() = 0;
    // The bar shows pos out of total.
    virtual void SetPos(int32_t pos, int32_t total) = 0;
    // Asks for the whole window to be drawn again.
    virtual void Refresh() = 0;
    virtual void Close() = 0;
};
