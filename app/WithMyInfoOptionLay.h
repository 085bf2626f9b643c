// The launch-icons dialog's controls as members, made from MyInfoOptionLay.
#pragma once

#include "app/SetupLayouts.h"
#include "ui/ArrayCtrl.h"
#include "ui/Button.h"
#include "ui/EditString.h"
#include "ui/Option.h"
#include "richtext/RichTextView.h"
#include "ui/TopWindow.h"

template <class Base>
class WithMyInfoOptionLay : public Base {
public:
    using Base::Base;

    RichTextView prgfolderinfo{this->gui_};
    EditString prgfolder;
    ArrayCtrl prgfolderlist;
    RichTextView desktopiconinfo{this->gui_};
    Option option;
    Button ok;

protected:
    bool ApplyMyInfoOptionLay(const Translator& translate) {
        return this->ApplyLayout(
            MyInfoOptionLay,
            {Member("prgfolderinfo", prgfolderinfo), Member("prgfolder", prgfolder),
             Member("prgfolderlist", prgfolderlist), Member("desktopiconinfo", desktopiconinfo),
             Member("option", option), Member("ok", ok)},
            translate);
    }
};
