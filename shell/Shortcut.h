// Shortcuts on the current user's desktop and in the start menu's programs.
#pragma once

#include <optional>
#include <string>

#include "base/OsResult.h"
#include "base/Platform.h"

// Placing a shortcut reads the shell folders from the registry, makes group
// folders and has the shortcut writer save the file.
using ShortcutPlatform = Platform;

// linkName in the "Desktop" shell folder, pointing at target with no
// arguments and the target's first icon. No folder is made. Answers the
// shortcut writer's result.
OsResult CreateDesktopShortcut(ShortcutPlatform& platform, const std::string& target,
                               const std::string& linkName, const std::string& description);

// linkName in the "Programs" shell folder, or in group below it (one or more
// levels, made where missing) when a group is given, even an empty one.
OsResult CreateProgramsShortcut(ShortcutPlatform& platform, const std::optional<std::string>& group,
                                const std::string& target, const std::string& arguments,
                                const std::string& linkName, const std::string& description,
                                const std::string& iconPath, int iconIndex);
