#include "shell/LaunchIcons.h"

#include "settings/IniDocument.h"
#include "shell/ShellFolder.h"
#include "shell/Shortcut.h"
#include "base/FileSystem.h"

const char kDefaultProgramGroup[] = "Quillmark";

namespace {

const char kProductExeTail[] = "\\Quillmark.exe";
const char kIconLibraryTail[] = "\\Support\\AppIcons.icl";
const char kProductLink[] = "Quillmark.lnk";
const char kUninstallLink[] = "Uninstall.lnk";
const char kVersion[] = "3.90";
constexpr int kUninstallIcon = 3;  // in the icon library

}  // namespace

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
    const std::string program = installFolder + kProductExeTail;
    const std::string description = std::string("Quillmark ") + kVersion;
    bool all = true;
    if (answers.desktop)
        all &= bool(CreateDesktopShortcut(platform, program, kProductLink, description));
    all &= bool(CreateProgramsShortcut(platform, answers.group, program, "", kProductLink,
                                       description, "", 0));
    all &=
        bool(CreateProgramsShortcut(platform, answers.group, program, "/uninstall", kUninstallLink,
                                    "Uninstall", installFolder + kIconLibraryTail, kUninstallIcon));
    // The product finds its group again by this, shortcuts or not.
    settings.Section("InstallUninstall").Value("StartFolderPath") = answers.group;
    return all;
}
