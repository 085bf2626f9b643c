// The launch-icons dialog's controls as members, made from MyInfoOptionLay.
#pragma once

#include "app/LayoutClass.h"
#include "app/SetupLayouts.h"
#include "richtext/RichTextView.h"
#include "ui/ArrayCtrl.h"
#include "ui/Button.h"
#include "ui/EditString.h"
#include "ui/Option.h"

template <class Base>
class WithMyInfoOptionLay : public Base {
public:
    using Base::Base;

    MY_INFO_OPTION_LAY(LAYOUT_CLASS_MEMBER)

protected:
    bool ApplyMyInfoOptionLay(const Translator& translate) {
        return this->ApplyLayout(MyInfoOptionLay, {MY_INFO_OPTION_LAY(LAYOUT_CLASS_BINDING)},
                                 translate);
    }
};
