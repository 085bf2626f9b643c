#include "app/SetupLayouts.h"

const Layout MySelectFolderLay{
    "MySelectFolderLay",
    400,
    216,
    {
        {"path", CtrlKind::EditString, "", LeftRight(4, 76), TopHeight(156, 19), kNoProps},
        {"browse", CtrlKind::Button, "&Browse", LeftWidth(332, 64), TopHeight(152, 24), kNoProps},
        {"dv___2", CtrlKind::Label, "Folder:", LeftWidth(4, 62), TopHeight(136, 19), kNoProps},
        {"cancel", CtrlKind::Button, "&Cancel", LeftWidth(332, 64), TopHeight(188, 24), kNoProps},
        {"ok", CtrlKind::Button, "O&k", LeftWidth(260, 64), TopHeight(188, 24), kNoProps},
        {"info", CtrlKind::RichTextView, "", LeftWidth(4, 392), TopHeight(4, 128), kViewProperties},
    },
};

const Layout MyInfoOptionLay{
    "MyInfoOptionLay",
    356,
    324,
    {
        {"prgfolderinfo", CtrlKind::RichTextView, "", LeftWidth(4, 348), TopHeight(4, 36),
         kViewProperties},
        {"prgfolder", CtrlKind::EditString, "", LeftWidth(4, 348), TopHeight(48, 19), kNoProps},
        {"prgfolderlist", CtrlKind::ArrayCtrl, "", LeftWidth(4, 348), TopHeight(76, 128),
         kPlainList},
        {"desktopiconinfo", CtrlKind::RichTextView, "", LeftWidth(4, 348), TopHeight(248, 24),
         kViewProperties},
        {"option", CtrlKind::Option, "", LeftWidth(4, 348), TopHeight(276, 15), kNoProps},
        {"ok", CtrlKind::Button, "&Next >", LeftWidth(288, 64), TopHeight(296, 24), kNoProps},
    },
};
