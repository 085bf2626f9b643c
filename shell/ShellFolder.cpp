#include "shell/ShellFolder.h"

std::string GetShellFolder(Registry& registry, const std::string& name, RegRoot root) {
    return registry.GetString(
        root, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
}
