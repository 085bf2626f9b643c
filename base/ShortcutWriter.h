// Writing one shortcut (.lnk) file: what is asked for, and who writes it.
#pragma once

#include <optional>
#include <string>

#include "base/OsResult.h"

struct ShortcutRequest {
    std::string target;
    std::string arguments;
    std::string linkPath;
    std::string description;
    std::string iconPath;  // empty: the target's own icons
    int iconIndex = 0;     // below 0: no icon location at all
};

struct IconLocation {
    std::string path;
    int index;
};

// The icon location the shortcut gets, if any.
std::optional<IconLocation> IconLocationOf(const ShortcutRequest& request);

class ShortcutWriter {
public:
    virtual ~ShortcutWriter() = default;
    // Saves the shortcut file, over any file of that name; done when it was saved.
    virtual OsResult Write(const ShortcutRequest& request) = 0;
};
