#include "app/OneSetupAtATime.h"

#include "ui/Window.h"
#include "win32/Win32Result.h"

namespace {

// Where the system keeps private namespaces, the claim lives in one whose
// boundary is the Administrators group: only a process whose token holds that
// group (an elevated one, or the system's) can make it, so a user without
// rights cannot take the claim first. Such namespaces belong to no session:
// a setup in another session (fast user switching, a remote desktop), which
// installs into the same folders, finds the claim too.
const wchar_t kNamespace[] = L"Quillmark";
const wchar_t kClaimInNamespace[] = L"Quillmark\\SetupRunning";

// The boundary of the namespace; none where the system makes none (Wine 8,
// which does not implement the calls that would take one either).
BoundaryDescriptor AdministratorsBoundary(OsResult& result) {
    SetLastError(ERROR_SUCCESS);
    BoundaryDescriptor boundary(CreateBoundaryDescriptorW(kNamespace, 0));
    result = CheckedCall(boundary.Valid());
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof(administrators);
    if (result)
        result = CheckedCall(
            CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size));
    if (!result)
        return {};
    // Adding may grow the descriptor, and so move it.
    HANDLE grown = boundary.Release();
    result = CheckedCall(AddSIDToBoundaryDescriptor(&grown, administrators));
    boundary.Reset(grown);
    return result ? std::move(boundary) : BoundaryDescriptor();
}

// Makes the namespace, or opens it where a running setup has made it. Its
// last holder may end between the two calls, hence a few attempts.
void EnterNamespace(const BoundaryDescriptor& boundary, SetupClaim& claim) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        claim.space.Reset(CreatePrivateNamespaceW(nullptr, boundary.Get(), kNamespace));
        claim.spaceResult = CheckedCall(claim.space.Valid());
        // Made; or refused for good, as to a setup without administrator
        // rights, whose claim then goes where anyone's can.
        if (claim.spaceResult.error != ERROR_ALREADY_EXISTS)
            return;
        claim.space.Reset(OpenPrivateNamespaceW(boundary.Get(), kNamespace));
        claim.spaceResult = CheckedCall(claim.space.Valid());
        // Only an administrator's or the system's process can have made it:
        // one that will not let this setup in is another setup's.
        claim.takenByAnother = claim.spaceResult.error == ERROR_ACCESS_DENIED;
        if (claim.spaceResult || claim.takenByAnother)
            return;
    }
}

// The running setup's process: its top-level windows carry the setup's class
// even while hidden, as all of them are at "Done." and between two windows.
BOOL CALLBACK FindOtherSetup(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[64] = {};
    if (process == GetCurrentProcessId() || !GetClassNameW(window, className, 64) ||
        lstrcmpW(className, kWindowClass) != 0)
        return TRUE;
    *reinterpret_cast<DWORD*>(found) = process;
    return FALSE;
}

struct ForemostSearch {
    DWORD process;
    HWND found = nullptr;
};

// Top-level windows come foremost first: the first visible one of the process
// is what it shows on top (a message box, the folder picker, a dialog, the
// progress window), whatever its class. A tool window (a list's tooltip) is
// never the one the user works in.
BOOL CALLBACK FindForemost(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<ForemostSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) ||
        (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
        return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

const wchar_t kGlobalClaimName[] = L"Global\\QuillmarkSetupRunning";

SetupClaim ClaimTheOnlySetup() {
    SetupClaim claim;
    const BoundaryDescriptor boundary = AdministratorsBoundary(claim.spaceResult);
    if (boundary.Valid())
        EnterNamespace(boundary, claim);
    if (claim.takenByAnother)
        return claim;
    SetLastError(ERROR_SUCCESS);
    claim.held.Reset(
        CreateMutexW(nullptr, FALSE, claim.space.Valid() ? kClaimInNamespace : kGlobalClaimName));
    const DWORD error = GetLastError();
    // Refused access is a claim made by another user's setup: as taken as one that exists.
    claim.takenByAnother = error == ERROR_ALREADY_EXISTS || error == ERROR_ACCESS_DENIED;
    if (claim.takenByAnother)
        claim.held.Reset();
    claim.claimResult = claim.held.Valid() ? OsResult::Done() : OsResult::Failed(error);
    return claim;
}

void BringRunningSetupToFront() {
    DWORD setup = 0;
    EnumWindows(FindOtherSetup, reinterpret_cast<LPARAM>(&setup));
    if (!setup)
        return;
    // The user has just started this setup, so it may set the foreground
    // window. It hands that on: a running setup that shows no window now (a
    // retry between two windows) brings its next one to the front itself.
    AllowSetForegroundWindow(setup);
    ForemostSearch search{setup};
    EnumWindows(FindForemost, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    if (IsIconic(search.found))
        ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(search.found));
}
