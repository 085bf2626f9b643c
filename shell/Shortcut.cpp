#include "shell/Shortcut.h"

#include "shell/ShellFolder.h"
#include "base/ShortcutWriter.h"
#include "base/FileSystem.h"
#include "base/Path.h"

OsResult CreateDesktopShortcut(ShortcutPlatform& platform, const std::string& target,
                               const std::string& linkName, const std::string& description) {
    const std::string folder = GetShellFolder(platform.registry, "Desktop");
    return platform.shortcuts.Write(
        {target, "", AppendFileName(folder, linkName), description, "", 0});
}

OsResult CreateProgramsShortcut(ShortcutPlatform& platform, const std::optional<std::string>& group,
                                const std::string& target, const std::string& arguments,
                                const std::string& linkName, const std::string& description,
                                const std::string& iconPath, int iconIndex) {
    std::string folder = GetShellFolder(platform.registry, "Programs");
    if (group) {
        folder = AppendFileName(folder, *group);
        // A folder that cannot be made shows in the save that follows.
        platform.fs.RealizeDirectory(folder);
    }
    return platform.shortcuts.Write(
        {target, arguments, AppendFileName(folder, linkName), description, iconPath, iconIndex});
}
