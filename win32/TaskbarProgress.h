// The progress a window shows on its taskbar button (ITaskbarList3, Windows 7
// and later): a bar while work goes on, red while an error is shown, nothing
// once the window is done. The button is a second view of what the window
// says, so every failure here (an older Windows, no taskbar running, the
// button not made yet) is ignored: the work goes on.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <cstdint>

#include "win32/ComInit.h"
#include "win32/ComPtr.h"

class TaskbarProgress {
public:
    explicit TaskbarProgress(HWND window);
    ~TaskbarProgress() { Clear(); }
    TaskbarProgress(const TaskbarProgress&) = delete;
    TaskbarProgress& operator=(const TaskbarProgress&) = delete;

    // done out of total, in the normal colour.
    void SetValue(uint64_t done, uint64_t total);
    // The bar as it stands, in the error colour.
    void ShowError();
    // No bar at all.
    void Clear();

private:
    ComInit com_;  // for the life of the taskbar object
    ComPtr<ITaskbarList3> list_;
    HWND window_;
};
