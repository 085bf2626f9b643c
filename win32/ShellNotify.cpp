#include "win32/ShellNotify.h"

#include <windows.h>
#include <shlobj.h>

void NotifyAssociationsChanged() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
