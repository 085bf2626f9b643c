// Base of every window of the setup: one window class and one window procedure
// (a trampoline to the object), destroyed with the object.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "ui/Accessible.h"
#include "ui/DpiScale.h"
#include "win32/Handles.h"

class Gui;

// The class of every top-level window and view this toolkit makes.
extern const wchar_t kWindowClass[];

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return hwnd_; }
    void Show(bool visible);
    bool Visible() const;

    // The window's icon drawn pixels a side; the window owns what it answers.
    using IconPicture = std::function<HICON(int pixels)>;
    // The title-bar icon and the big one of the taskbar and Alt+Tab, each
    // drawn at the size Windows asks for at the window's density.
    void SetIcons(const IconPicture& picture);

    // The density the window is laid out for: the screen's when it is made,
    // then that of the monitor it is on (WM_DPICHANGED).
    int Dpi() const { return dpi_; }
    // Sizes designed at 96 DPI, for this window.
    int Scale(int units) const { return ScaleForDpi(units, dpi_); }

    // Modal runs (see MessageLoop.h) end when a result is set.
    void EndModal(int result) { modalResult_ = result; }
    bool ModalEnded() const { return modalResult_ >= 0; }
    int ModalResult() const { return modalResult_; }
    void ResetModal() { modalResult_ = -1; }

protected:
    explicit Window(Gui& gui) : gui_(gui) {}

    // Creates the top-level window with a client area of the given size in
    // pixels, centred on the work area; hidden until shown.
    bool CreateTopLevel(const std::string& title, DWORD style, int clientWidth, int clientHeight);
    // Creates a child window of parent at a place in pixels of the parent's
    // client area; its messages reach OnMessage like a top-level window's.
    bool CreateChild(HWND parent, const RECT& pixels, DWORD style, int controlId);
    void SetTitle(const std::string& title);

    // Everything the window procedure receives; the default is the system's,
    // but for screen readers, who get Accessible()'s answers.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window tells screen readers; null leaves it all to Windows.
    virtual const AccessibleSource* Accessible() const { return nullptr; }
    // The window moved to a monitor of another density, now Dpi(): it lays
    // itself out again. The default draws the icons again and takes the
    // place Windows suggests.
    virtual void OnDpiChanged(const RECT& suggested);
    // Takes suggested's top left and a client area of this size, framed.
    void MoveAndSize(const RECT& suggested, int clientWidth, int clientHeight);
    // The icons given to SetIcons, drawn again at the window's density.
    void IconsForDpi();
    // For a child laid out by its parent.
    void SetDpi(int dpi) { dpi_ = dpi; }

    Gui& gui_;

private:
    static LRESULT CALLBACK Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    int modalResult_ = -1;
    int dpi_ = 96;
    IconPicture iconPicture_;
    IconHandle smallIcon_;
    IconHandle bigIcon_;
};
