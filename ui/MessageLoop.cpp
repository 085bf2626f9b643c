#include "ui/MessageLoop.h"

#include "ui/Window.h"

namespace {

void Dispatch(MSG& msg) {
    HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (top && IsDialogMessageW(top, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// WM_QUIT, when one is taken from the queue: it belongs to the outermost
// loop, which gets it back once the inner use is done.
struct Quit {
    bool taken = false;
    int code = 0;

    void HandBack() const {
        if (taken)
            PostQuitMessage(code);
    }
};

// Dispatches the messages waiting now. A WM_QUIT among them is kept aside,
// not posted again at once: it would be taken again straight away.
void DispatchWaiting(Quit& quit) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            quit = {true, static_cast<int>(msg.wParam)};
        else
            Dispatch(msg);
    }
}

}  // namespace

int RunModal(Window& window) {
    window.ResetModal();
    window.Show(true);
    SetForegroundWindow(window.Handle());
    MSG msg;
    while (!window.ModalEnded()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT belongs to the outermost loop: hand it back and end this run.
            PostQuitMessage(static_cast<int>(msg.wParam));
            window.EndModal(IDCANCEL);
            break;
        }
        if (got == -1) {
            window.EndModal(IDCANCEL);
            break;
        }
        Dispatch(msg);
    }
    return window.ModalResult();
}

void PumpPendingMessages() {
    Quit quit;
    DispatchWaiting(quit);
    quit.HandBack();
}

void WaitDispatchingMessages(int milliseconds) {
    const ULONGLONG end =
        GetTickCount64() + static_cast<ULONGLONG>(milliseconds > 0 ? milliseconds : 0);
    Quit quit;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        // Wakes for sent messages too: another process's questions (a screen
        // reader's, the system's check that the window still answers) are
        // answered inside PeekMessage.
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(end - now), QS_ALLINPUT,
                                    MWMO_INPUTAVAILABLE);
        DispatchWaiting(quit);
    }
    quit.HandBack();
}
