// The setup's two dialog layouts. Each stands once, as a list of items:
//   ITEM(control class, member, label, horizontal place, vertical place, properties)
// from which the layout table (SetupLayouts.cpp) and the dialogs' members and
// their binding (WithMy*Lay.h) are made, so that a member cannot miss its item.
// Labels are translation keys; places are in layout units.
#pragma once

#include "ui/Layout.h"

// The install-folder dialog.
#define MY_SELECT_FOLDER_LAY(ITEM)                                                    \
    ITEM(EditString, path, "", LeftRight(4, 76), TopHeight(156, 19), kNoProps)        \
    ITEM(Button, browse, "&Browse", LeftWidth(332, 64), TopHeight(152, 24), kNoProps) \
    ITEM(Label, dv___2, "Folder:", LeftWidth(4, 62), TopHeight(136, 19), kNoProps)    \
    ITEM(Button, cancel, "&Cancel", LeftWidth(332, 64), TopHeight(188, 24), kNoProps) \
    ITEM(Button, ok, "O&k", LeftWidth(260, 64), TopHeight(188, 24), kNoProps)         \
    ITEM(RichTextView, info, "", LeftWidth(4, 392), TopHeight(4, 128), kViewProperties)

// The launch-icons dialog.
#define MY_INFO_OPTION_LAY(ITEM)                                                                \
    ITEM(RichTextView, prgfolderinfo, "", LeftWidth(4, 348), TopHeight(4, 36), kViewProperties) \
    ITEM(EditString, prgfolder, "", LeftWidth(4, 348), TopHeight(48, 19), kNoProps)             \
    ITEM(ArrayCtrl, prgfolderlist, "", LeftWidth(4, 348), TopHeight(76, 128), kPlainList)       \
    ITEM(RichTextView, desktopiconinfo, "", LeftWidth(4, 348), TopHeight(248, 24),              \
         kViewProperties)                                                                       \
    ITEM(Option, option, "", LeftWidth(4, 348), TopHeight(276, 15), kNoProps)                   \
    ITEM(Button, ok, "&Next >", LeftWidth(288, 64), TopHeight(296, 24), kNoProps)

extern const Layout MySelectFolderLay;
extern const Layout MyInfoOptionLay;
