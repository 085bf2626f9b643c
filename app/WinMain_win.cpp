// Entry of the setup program. The command line is not read: the setup has no
// switches, and any arguments are ignored. A setup started while another runs
// changes nothing: it shows the running one and ends.
#include <windows.h>

#include <string>

#include "app/Hardening.h"
#include "app/OneSetupAtATime.h"
#include "app/Setup.h"
#include "win32/ShellLink.h"
#include "ui/Gui.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

namespace {

// Different for every run: the process id, which no two running processes
// share, mixed with the time, which tells apart the runs that reuse one.
RunNames NewRunNames() {
    const unsigned mixed = (static_cast<unsigned>(GetCurrentProcessId()) * 2654435761u) ^
                           static_cast<unsigned>(GetTickCount());
    // Written out by hand: a formatting function would bring the C library's
    // whole printf into the setup.
    std::string id(8, '0');
    unsigned rest = mixed;
    for (int digit = 7; digit >= 0; --digit, rest >>= 4)
        id[static_cast<size_t>(digit)] = "0123456789ABCDEF"[rest & 15];
    return RunNames(id);
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
    Win32FileSystem fs;
    Win32ShortcutWriter shortcuts;
    Setup setup{{registry, fs, shortcuts}, gui, NewRunNames(), {}};
    return RunMainSequence(setup);
}
