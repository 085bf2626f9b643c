// One-line text field; takes any text of any length, also none.
#pragma once

#include "ui/Control.h"

class EditString : public Control {
public:
    CtrlKind Kind() const override { return CtrlKind::EditString; }

    std::string GetText() const { return GetLabel(); }
    void SetText(const std::string& text) { SetLabel(text); }
    // What screen readers call the field: the text of its label, which
    // Windows finds only in a static control just before the field.
    void SetAccessibleName(const std::string& name);

protected:
    const wchar_t* ClassName() const override { return L"EDIT"; }
    DWORD Style() const override { return WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT; }
    DWORD ExStyle() const override { return WS_EX_CLIENTEDGE; }
    void OnCreated() override;
    bool AccessibleName(std::string& name) const override;

private:
    std::string accessibleName_;
};
