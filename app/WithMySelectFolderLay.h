// The install-folder dialog's controls as members, made from MySelectFolderLay.
#pragma once

#include "app/LayoutClass.h"
#include "app/SetupLayouts.h"
#include "richtext/RichTextView.h"
#include "ui/Button.h"
#include "ui/EditString.h"
#include "ui/Label.h"

template <class Base>
class WithMySelectFolderLay : public Base {
public:
    using Base::Base;

    MY_SELECT_FOLDER_LAY(LAYOUT_CLASS_MEMBER)

protected:
    bool ApplyMySelectFolderLay(const Translator& translate) {
        return this->ApplyLayout(MySelectFolderLay, {MY_SELECT_FOLDER_LAY(LAYOUT_CLASS_BINDING)},
                                 translate);
    }
};
