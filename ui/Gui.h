// The GUI layer's process settings, made once in WinMain and handed to every
// window: instance, language, standard font and screen scale.
#pragma once

#include <windows.h>

#include <string>

#include "ui/DpiScale.h"
#include "win32/ComInit.h"
#include "win32/Handles.h"

class Gui {
public:
    explicit Gui(HINSTANCE instance);
    Gui(const Gui&) = delete;
    Gui& operator=(const Gui&) = delete;

    HINSTANCE Instance() const { return instance_; }

    // Language code such as "EN-US": what the translation lookup answers in.
    void SetLanguage(const std::string& code) { language_ = code; }
    const std::string& Language() const { return language_; }

    // The default font of every control of the setup's windows; height in pixels at 96 DPI.
    void SetStandardFont(const std::string& face, int height);
    HFONT StandardFont() const { return font_.Get(); }
    // The same font for a window at another density; the caller owns it.
    GdiObject<HFONT> StandardFontAt(int dpi) const;

    // Layout units and pixel sizes are given for 96 DPI; this scales them for the screen.
    int Scale(int units) const { return ScaleForDpi(units, dpi_); }
    int Dpi() const { return dpi_; }

private:
    // The windows' thread is a COM apartment for the whole run: screen
    // readers reach the windows' accessible objects through it.
    ComInit com_;
    HINSTANCE instance_;
    int dpi_ = 96;
    std::string language_;
    std::string fontFace_;
    int fontHeight_ = 0;
    GdiObject<HFONT> font_;
};
