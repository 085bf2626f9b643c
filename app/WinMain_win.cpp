// Entry of the setup program. The command line is not read: the setup has no
// switches, and any arguments are ignored.
#include <windows.h>

#include "app/Hardening.h"
#include "app/Setup.h"
#include "shell/ShellLink.h"
#include "win/Gui.h"
#include "win/Win32FileSystem.h"
#include "win/Win32Registry.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HardenProcess();
    Gui gui(instance);
    Win32Registry registry;
    Win32FileSystem fs;
    Win32ShortcutWriter shortcuts;
    Setup setup{{registry, fs, shortcuts}, gui, {}};
    return RunMainSequence(setup);
}
