#include "shell/LaunchIcons.h"

#include "settings/IniDocument.h"
#include "shell/ShellFolder.h"
#include "shell/Shortcut.h"
#include "base/FileSystem.h"
#include "base/ProductNames.h"

bool DesktopShortcutWanted(int dialogResult, bool optionTicked) {
    return dialogResult == 1 && optionTicked;
}

std::string GroupInFolder(const std::string& folderName) {
    return folderName + "\\" + kDefaultProgramGroup;
}

std::vector<std::string> ProgramFolderNames(Platform& platform) {
    std::vector<std::string> names;
    for (const FolderEntry& entry :
         platform.fs.ListFolder(GetShellFolder(platform.registry, "Programs")))
        if (entry.isFolder)
            names.push_back(entry.name);
    return names;
}

bool CreateLaunchShortcuts(Platform& platform, const std::string& installFolder,
                           const LaunchIconAnswers& answers, IniDocument& settings) {
    // Plain concatenation: a folder given with a trailing backslash keeps it.
    const std::string program = installFolder + kProgramTail;
    const std::string description = std::string(kProductName) + " " + kProductVersion;
    bool all = true;
    if (answers.desktop)
        all &= bool(CreateDesktopShortcut(platform, program, kProgramLink, description));
    all &= bool(CreateProgramsShortcut(platform, answers.group, program, "", kProgramLink,
                                       description, "", kProgramIcon));
    all &= bool(CreateProgramsShortcut(platform, answers.group, program, kUninstallSwitch,
                                       kUninstallLink, "Uninstall",
                                       installFolder + "\\" + kIconLibrary, kUninstallIcon));
    // The product finds its group again by this, shortcuts or not.
    settings.Section("InstallUninstall").Set("StartFolderPath", answers.group);
    return all;
}
