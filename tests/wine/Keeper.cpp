// Keeps the test prefix's virtual desktop open between test programs: Wine
// closes it about a second after its last program ends, and a program started
// in that second can lose its windows. Ends when the wineserver is stopped, or
// after an hour at the most.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"QuillmarkTestKeeper";
    RegisterClassW(&wc);
    // A hidden top-level window ties this process to the desktop.
    CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    const ULONGLONG end = GetTickCount64() + 3600 * 1000;
    MSG msg;
    while (GetTickCount64() < end) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1000, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return 0;
}
