// The install-folder dialog's controls as members, made from MySelectFolderLay.
#pragma once

#include "app/SetupLayouts.h"
#include "win/Button.h"
#include "win/EditString.h"
#include "win/Label.h"
#include "win/RichTextView.h"
#include "win/TopWindow.h"

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
