// One-line text field; takes any text of any length, also none.
#pragma once

#include "ui/Control.h"

class EditString : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::EditString; }

    std::string GetText() const { return GetLabel(); }
    void SetText(const std::string& text) { SetLabel(text); }

protected:
    const wchar_t* ClassName() const override { return L"EDIT"; }
    DWORD Style() const override { return WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT; }
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void OnCreated() override;
};
