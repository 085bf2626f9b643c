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
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}
