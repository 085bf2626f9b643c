// The one message loop of the setup, in its two uses.
#pragma once

class Window;

// Shows the window and dispatches messages until the window's modal result is
// set; answers that result. Keyboard navigation (Tab, Enter, Escape) goes
// through the dialog manager of the window that has the message.
int RunModal(Window& window);

// Dispatches the messages already waiting, then returns: lets windows repaint
// and move while the caller keeps working.
void PumpPendingMessages();
