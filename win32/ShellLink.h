// Shortcut files written with the shell's link object.
#pragma once

#include <string>

#include "base/ShortcutWriter.h"

// Saves a shortcut at linkPath: target (doubled backslashes made one),
// arguments, description and, for an icon index of 0 or more, the icon
// location (iconPath, or the target when it is empty). No working folder, show command or hot key.
// COM is initialised for this call alone. Fails when the link object cannot be made, the path does
// not fit a MAX_PATH buffer, or the file is not saved.
OsResult CreateShellLink(const std::string& target, const std::string& arguments,
                         const std::string& linkPath, const std::string& description,
                         const std::string& iconPath, int iconIndex);

class Win32ShortcutWriter : public ShortcutWriter {
public:
    OsResult Write(const ShortcutRequest& request) override;
};
