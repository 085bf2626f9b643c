// The install-folder dialog's controls as members, made from MySelectFolderLay.
#pragma once

#include "app/SetupLayouts.h"
#include "ui/Button.h"
#include "ui/EditString.h"
#include "ui/Label.h"
#include "richtext/RichTextView.h"
#include "ui/TopWindow.h"

template <class Base>
class WithMySelectFolderLay : public Base {
public:
    using Base::Base;

    EditString path;
    Button browse;
    Label dv___2;
    Button cancel;
    Button ok;
    RichTextView info{this->gui_};

protected:
    bool ApplyMySelectFolderLay(const Translator& translate) {
        return this->ApplyLayout(
            MySelectFolderLay,
            {Member("path", path), Member("browse", browse), Member("dv___2", dv___2),
             Member("cancel", cancel), Member("ok", ok), Member("info", info)},
            translate);
    }
};
