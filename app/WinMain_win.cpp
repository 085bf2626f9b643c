// Entry of the setup program. The command line is not read: the setup has no
// switches, and any arguments are ignored. A setup started while another runs
// changes nothing: it shows the running one and ends.
#include <windows.h>

#include <string>

#include "app/Hardening.h"
#include "app/OneSetupAtATime.h"
#include "app/Setup.h"
#include "app/SetupWindows.h"
#include "win32/ShellLink.h"
#include "ui/Gui.h"
#include "ui/MessageLoop.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

namespace {

// Different for every run: the process id, which no two running processes
// share, mixed with the time, which tells apart the runs that reuse one.
RunNames NewRunNames() {
    return RunNames::Numbered((static_cast<std::uint32_t>(GetCurrentProcessId()) * 2654435761u) ^
                              static_cast<std::uint32_t>(GetTickCount()));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HardenProcess();
    // Held until the process ends, however it ends.
    const SetupClaim claim = ClaimTheOnlySetup();
    if (claim.takenByAnother) {
        BringRunningSetupToFront();
        return kExitAnotherSetupRuns;
    }
    Gui gui(instance);
    Win32Registry registry;
    // A refused step is waited for on the one thread: its windows must not
    // stop answering meanwhile, or Windows marks them "Not Responding".
    Win32FileSystem fs(WaitDispatchingMessages);
    Win32ShortcutWriter shortcuts;
    Setup setup{{registry, fs, shortcuts}, ProductPackage(), NewRunNames(), {}};
    SetupWindows windows(gui, setup);
    return RunMainSequence(setup, windows, windows);
}
