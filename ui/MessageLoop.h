// The one message loop of the setup, in its three uses.
#pragma once

class Window;

// Shows the window and dispatches messages until the window's modal result is
// set; answers that result. Keyboard navigation (Tab, Enter, Escape) goes
// through the dialog manager of the window that has the message.
int RunModal(Window& window);

// Dispatches the messages already waiting, then returns: lets windows repaint
// and move while the caller keeps working.
void PumpPendingMessages();

// Lets milliseconds pass, dispatching every message that arrives meanwhile as
// it arrives: the thread waits for something outside, and its windows go on
// painting and answering (the system and screen readers alike).
void WaitDispatchingMessages(int milliseconds);
