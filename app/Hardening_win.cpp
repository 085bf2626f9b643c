#include "app/Hardening.h"

#include <windows.h>

void HardenProcess() {
    // Every DLL loaded from now on comes from the system folder only, never
    // from the folder the setup was started from (where a planted DLL may wait).
    // Looked up by hand: a missing export must not stop the setup from starting.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    using SetDirsFn = BOOL(WINAPI*)(DWORD);
    auto setDefaultDirs = reinterpret_cast<SetDirsFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefaultDirs)
        setDefaultDirs(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // Older systems: at least take the current folder out of the search.
    SetDllDirectoryW(L"");
    HeapSetInformation(nullptr, HeapEnableTerminationOnCorruption, nullptr, 0);
    // No "insert a disk" boxes for a drive that is not ready.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}
