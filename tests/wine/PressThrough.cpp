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
        AnswerNextWindow(setup, VK_RETURN, 400, [](HWND window) {
            if (GetDlgItem(window, 0xFFFF)) {
                // A box already answered can still be seen closing: its text is gone.
                const std::wstring text = MessageBoxText(window);
                if (!text.empty())
                    std::printf("The setup says: %s\n", Narrow(text).c_str());
                std::fflush(stdout);
            } else {
                Sleep(500);  // let a user see it
            }
        });
        DWORD code = setup.WaitForExit(0);
        if (code != STILL_ACTIVE) {
            std::printf("The setup ended with exit code %lu.\n", code);
            return static_cast<int>(code);
        }
    }
}
