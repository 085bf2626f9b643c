// Check box with its label; its value is ticked or not.
#pragma once

#include <functional>

#include "ui/Control.h"

class Option : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::Option; }

    std::function<void()> WhenAction;

    bool Get() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void Set(bool ticked) {
        SendMessageW(Handle(), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    void OnCommand(int notification) override {
        if (notification == BN_CLICKED && WhenAction)
            WhenAction();
    }

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
    DWORD Style() const override { return WS_TABSTOP | BS_AUTOCHECKBOX; }
};
