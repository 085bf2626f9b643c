#include "ui/EditString.h"

void EditString::OnCreated() {
    // Zero lifts the default limit of 32767 characters to the largest the control allows.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}
