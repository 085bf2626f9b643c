// Push button; its action runs when it is clicked or pressed from the keyboard.
#pragma once

#include <functional>

#include "ui/Control.h"

class Button : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::Button; }

    std::function<void()> WhenAction;

    // Drawn as the button that Enter presses.
    void SetDefault(bool isDefault);
    void Press() {
        if (WhenAction)
            WhenAction();
    }

    void OnCommand(int notification) override {
        if (notification == BN_CLICKED)
            Press();
    }

protected:
    const wchar_t* ClassName() const override { return L"BUTTON"; }
    DWORD Style() const override { return WS_TABSTOP | BS_PUSHBUTTON; }
};
