// Runs the setup and answers every window it shows with its default button,
// as a user who accepts every proposal would; prints the messages it shows.
// Used by the run command when there is no display to show the setup on.
//   press_through.exe SETUP_EXE   (a Windows path, or a Unix path from /)
#include <cstdio>
#include <string>

#include "driver/Driver.h"
#include "win32/Utf.h"

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
    SetupAnswers answers;
    answers.seen = [](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::Message)
            std::printf("The setup says: %s\n", Narrow(MessageBoxText(window)).c_str());
        else
            std::printf(kind == SetupWindow::Other ? "Showing \"%s\"\n" : "Accepting \"%s\"\n",
                        Narrow(WindowText(window)).c_str());
        std::fflush(stdout);
        if (kind == SetupWindow::InstallFolder || kind == SetupWindow::LaunchIcons)
            Sleep(500);  // let a user see it
    };
    const SetupRun run = RunSetup(setup, answers);
    if (run.exitCode == STILL_ACTIVE) {
        std::printf("The setup did not end in time and was stopped.\n");
        return 1;
    }
    std::printf("The setup ended with exit code %lu.\n", run.exitCode);
    return static_cast<int>(run.exitCode);
}
