// Shortcut files written with the shell's link object.
#pragma once

#include "base/ShortcutWriter.h"

// Saves the shortcut at its link path: target (doubled backslashes made one),
// arguments, description and its icon location, if any (IconLocationOf). No
// working folder, show command or hot key. COM is initialised for this call
// alone. Fails when the link object cannot be made, the path does not fit a
// MAX_PATH buffer, or the file is not saved.
OsResult CreateShellLink(const ShortcutRequest& request);

class Win32ShortcutWriter : public ShortcutWriter {
public:
    OsResult Write(const ShortcutRequest& request) override;
};
