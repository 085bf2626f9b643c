// TEMPORARY STAND-IN for the rich-text view: shows the text of QTF without its
// formatting. Replaced by the real view when that lands.
#pragma once

#include <windows.h>

#include <string>

class Gui;

class RichTextView {
public:
    explicit RichTextView(Gui& /*gui*/) {}
    RichTextView(const RichTextView&) = delete;
    RichTextView& operator=(const RichTextView&) = delete;

    bool Create(HWND parent, const RECT& pixels, int controlId);
    void SetQtf(const std::string& qtf);
    void SetZoom(int m, int d) {
        zoomM_ = m;
        zoomD_ = d;
    }
    HWND Handle() const { return hwnd_; }
    int Width() const;

private:
    HWND hwnd_ = nullptr;
    int zoomM_ = 1;
    int zoomD_ = 1;
};
