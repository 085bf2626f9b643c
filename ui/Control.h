// Base of the child controls that layouts place: one Win32 control each, owned
// by its parent window (destroyed with it), addressed by its control id.
#pragma once

#include <windows.h>

#include <string>

#include "ui/Accessible.h"
#include "ui/Layout.h"

// A control may tell screen readers more than Windows knows of it (a field's
// label, a list's rows): it then answers WM_GETOBJECT itself, through a
// procedure put in front of the system's own for its class.
class Control : protected AccessibleSource {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() { StopAnswering(); }

    virtual CtrlKind Kind() const = 0;

    // Makes the control as a visible child of parent at rect, in the given font.
    // The parent must already route notifications for id to this object: some
    // controls ask their parent about themselves while they are being made.
    bool Create(HWND parent, const RECT& rect, int id, HFONT font);

    HWND Handle() const { return hwnd_; }
    int Id() const { return id_; }

    void SetLabel(const std::string& text);
    std::string GetLabel() const;
    void Enable(bool enabled);
    void Show(bool visible);

    // The control's place in its parent's client area, in pixels.
    RECT Place() const;
    void SetPlace(const RECT& rect);

    // Notifications the parent receives from this control.
    virtual void OnCommand(int /*notification*/) {}
    virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
    // Owner-drawn controls; false when the control does not draw itself.
    virtual bool OnMeasureItem(MEASUREITEMSTRUCT& /*measure*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*draw*/) { return false; }

protected:
    virtual const wchar_t* ClassName() const = 0;
    virtual DWORD Style() const = 0;
    virtual DWORD ExStyle() const { return 0; }
    // After creation, for settings that need the window.
    virtual void OnCreated() {}
    // From now on screen readers get this control's AccessibleSource answers.
    void AnswerScreenReaders();

private:
    static LRESULT CALLBACK Answering(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window back its own procedure, before either goes.
    void StopAnswering();

    HWND hwnd_ = nullptr;
    int id_ = 0;
    WNDPROC systemProcedure_ = nullptr;  // while answering
};
