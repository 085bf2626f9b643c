#include "app/OneSetupAtATime.h"

#include "ui/Window.h"

namespace {

// Global: a setup in another session (fast user switching, a remote
// desktop) installs into the same folders.
const wchar_t kClaimName[] = L"Global\\QuillmarkSetupRunning";

BOOL CALLBACK BringToFrontIfOtherSetup(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[64] = {};
    if (process == GetCurrentProcessId() || !IsWindowVisible(window) ||
        !GetClassNameW(window, className, 64) || lstrcmpW(className, kWindowClass) != 0)
        return TRUE;
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(window));
    return FALSE;
}

}  // namespace

std::optional<KernelHandle> ClaimTheOnlySetup() {
    KernelHandle claim(CreateMutexW(nullptr, FALSE, kClaimName));
    // Refused access is a claim another user's setup made: as taken as one that exists.
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED)
        return std::nullopt;
    return claim;
}

void BringRunningSetupToFront() {
    EnumWindows(BringToFrontIfOtherSetup, 0);
}
