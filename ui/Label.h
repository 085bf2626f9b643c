// Static text, vertically centred in its place as a caption beside a field.
#pragma once

#include "ui/Control.h"

class Label : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::Label; }

protected:
    const wchar_t* ClassName() const override { return L"STATIC"; }
    DWORD Style() const override { return SS_LEFT | SS_CENTERIMAGE; }
};
