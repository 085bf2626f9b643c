// What a window of the setup tells a screen reader through Active
// Accessibility (oleacc), which NVDA, Narrator and JAWS ask: the name, role,
// state and value of its client area, and for a list its rows. Windows' own
// object for the window answers everything else (place, parent, navigation,
// the children of a dialog), so a window says only what that one cannot know.
#pragma once

#include <windows.h>

#include <string>

class AccessibleSource {
public:
    // Each answers false to leave the question to Windows' own object.
    virtual bool AccessibleName(std::string& /*name*/) const { return false; }
    virtual bool AccessibleRole(long& /*role*/) const { return false; }
    virtual bool AccessibleValue(std::string& /*value*/) const { return false; }
    // Added to the states of Windows' own object.
    virtual long AccessibleStates() const { return 0; }

    // The rows of a list, answered as its children 1 to count; -1 leaves the
    // children to Windows' own object.
    virtual int AccessibleItemCount() const { return -1; }
    virtual std::string AccessibleItemName(int /*row*/) const { return {}; }
    virtual long AccessibleItemStates(int /*row*/) const { return 0; }
    // The row's place on the screen; false when it has none.
    virtual bool AccessibleItemPlace(int /*row*/, RECT& /*screen*/) const { return false; }

protected:
    ~AccessibleSource() = default;
};

// The answer to WM_GETOBJECT for window, whose source is asked for as long as
// the window lives: an object for its client area, or 0 for any other object,
// which the caller leaves to DefWindowProc.
LRESULT AnswerAccessibleObject(HWND window, const AccessibleSource& source, WPARAM wParam,
                               LPARAM lParam);
// Before the window is destroyed or the source goes: objects handed out
// earlier answer as Windows' own from then on.
void ForgetAccessibleSource(HWND window);
// Tells screen readers that what the client area answers changed
// (EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE...).
void NotifyAccessibleChange(HWND window, DWORD event);
