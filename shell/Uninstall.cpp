#include "shell/Uninstall.h"

#include "base/Registry.h"

std::string UninstallKey(const std::string& displayName) {
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + displayName;
}

void RegisterUninstall(Registry& registry, const std::string& program,
                       const std::string& displayName, const std::string& suffix) {
    const std::string key = UninstallKey(displayName);
    registry.SetString(RegRoot::LocalMachine, key, "DisplayName", displayName);
    // Quoted: Windows runs this elevated, and an unquoted path with blanks
    // would start "C:\Program.exe" first if someone had planted one.
    registry.SetString(RegRoot::LocalMachine, key, "UninstallString",
                       "\"" + program + "\"" + suffix);
}
