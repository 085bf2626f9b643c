// Shortcuts on the current user's desktop and in the start menu's programs.
#pragma once

#include <optional>
#include <string>

class FileSystem;
class Registry;
class ShortcutWriter;

// What placing a shortcut needs from the system.
struct ShortcutPlatform {
    Registry& registry;  // where the shell folders are read
    FileSystem& fs;      // makes group folders
    ShortcutWriter& writer;
};

// linkName in the "Desktop" shell folder, pointing at target with no
// arguments and the target's first icon. No folder is made.
bool CreateDesktopShortcut(ShortcutPlatform& platform, const std::string& target,
                           const std::string& linkName, const std::string& description);

// linkName in the "Programs" shell folder, or in group below it (one or more
// levels, made where missing) when a group is given, even an empty one.
bool CreateProgramsShortcut(ShortcutPlatform& platform, const std::optional<std::string>& group,
                            const std::string& target, const std::string& arguments,
                            const std::string& linkName, const std::string& description,
                            const std::string& iconPath, int iconIndex);
