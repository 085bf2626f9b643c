#include "app/SetupLayouts.h"

#define LAYOUT_ITEM(kind, member, label, horizontal, vertical, props) \
    {#member, CtrlKind::kind, label, horizontal, vertical, props},

const Layout MySelectFolderLay{"MySelectFolderLay", 400, 216, {MY_SELECT_FOLDER_LAY(LAYOUT_ITEM)}};
const Layout MyInfoOptionLay{"MyInfoOptionLay", 356, 324, {MY_INFO_OPTION_LAY(LAYOUT_ITEM)}};
