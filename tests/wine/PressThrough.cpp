// Runs the setup and answers every window it shows with its default button,
// as a user who accepts every proposal would; prints the messages it shows.
// Used by the run command when there is no display to show the setup on.
//   press_through.exe SETUP_EXE   (a Windows path, or a Unix path from /)
#include <cstdio>
#include <string>

#include "driver/Driver.h"
#include "win/Utf.h"

using namespace driver;

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: press_through SETUP_EXE\n");
        return 2;
    }
    std::wstring exe = argv[1];
    if (!exe.empty() && exe[0] == L'/')
        exe = FromUnixPath(Narrow(exe));
    Process setup = Process::Start(exe);
    if (!setup.Started()) {
        std::fprintf(stderr, "press_through: cannot start %s\n", Narrow(exe).c_str());
        return 2;
    }
    for (;;) {
        if (HWND box = WaitForMessageBox(setup, 200)) {
            std::printf("The setup says: %s\n", Narrow(MessageBoxText(box)).c_str());
            std::fflush(stdout);
            PressButton(box, IDOK);
            Sleep(300);
            continue;
        }
        // Any other window that waits for an answer gets Enter, which presses
        // its default button; the progress window has none and ignores it.
        if (HWND window = WaitForWindow(setup, L"", L"", 200)) {
            if (WindowText(window) != L"Setup progress") {
                Sleep(500);  // let a user see it
                PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
                PostMessageW(window, WM_KEYUP, VK_RETURN, 0);
            }
        }
        DWORD code = setup.WaitForExit(0);
        if (code != STILL_ACTIVE) {
            std::printf("The setup ended with exit code %lu.\n", code);
            return static_cast<int>(code);
        }
    }
}
