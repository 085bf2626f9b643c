// The setup's two dialog layouts. Labels are translation keys.
#pragma once

#include "ui/Layout.h"

// The install-folder dialog.
extern const Layout MySelectFolderLay;
// The launch-icons dialog.
extern const Layout MyInfoOptionLay;
