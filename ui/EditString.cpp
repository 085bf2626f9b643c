#include "ui/EditString.h"

void EditString::OnCreated() {
    // Zero lifts the default limit of 32767 characters to the largest the control allows.
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void EditString::SetAccessibleName(const std::string& name) {
    // Mnemonic marks are not read out.
    accessibleName_.clear();
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size())
            ++i;
        accessibleName_ += name[i];
    }
    AnswerScreenReaders();
}

bool EditString::AccessibleName(std::string& name) const {
    name = accessibleName_;
    return true;
}
