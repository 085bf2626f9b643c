// The members of a layout class and their binding to the layout's items, both
// made from the layout's item list (SetupLayouts.h):
//   MY_SELECT_FOLDER_LAY(LAYOUT_CLASS_MEMBER)           declares the controls;
//   {MY_SELECT_FOLDER_LAY(LAYOUT_CLASS_BINDING)}        binds them by name.
#pragma once

#include <type_traits>

#include "ui/TopWindow.h"

// The toolkit's controls are made bare; a view of a layer above takes the GUI it draws with.
template <class T>
T MakeLayoutControl([[maybe_unused]] Gui& gui) {
    if constexpr (std::is_constructible_v<T, Gui&>)
        return T(gui);
    else
        return T();
}

#define LAYOUT_CLASS_MEMBER(kind, member, ...) kind member = MakeLayoutControl<kind>(this->gui_);
#define LAYOUT_CLASS_BINDING(kind, member, ...) Member(#member, member),
