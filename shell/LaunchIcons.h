// The launch-icons step: the product's shortcuts in the program group and on
// the desktop, and the group recorded in the product's settings. The dialog
// that asks for the answers only hands them to these functions.
#pragma once

#include <string>
#include <vector>

#include "base/Platform.h"
#include "base/ProductNames.h"

class IniDocument;

// The name a new program group gets, and what picking an existing folder
// puts below it.
inline constexpr const char* kDefaultProgramGroup = kProductName;

// What the user answered in the launch-icons dialog.
struct LaunchIconAnswers {
    std::string group;  // relative to the Programs folder; may be empty or of several levels
    bool desktop = true;
};

// A desktop shortcut is wanted only when the dialog ended with its button
// (result 1) and the option was ticked.
bool DesktopShortcutWanted(int dialogResult, bool optionTicked);

// The group field's text after the user picked the folder named folderName.
std::string GroupInFolder(const std::string& folderName);

// The folders of the user's Programs folder in the file system's order:
// folders only (also hidden ones and ones whose name begins with a dot),
// unsorted. Empty when the folder cannot be read.
std::vector<std::string> ProgramFolderNames(Platform& platform);

// Makes the shortcuts for the product installed in installFolder, in this
// order: on the desktop when wanted, then the product's and its uninstall
// shortcut in the group; then records the group under "InstallUninstall" /
// "StartFolderPath" in settings, whether or not the shortcuts could be made.
// Answers whether every shortcut was saved.
bool CreateLaunchShortcuts(Platform& platform, const std::string& installFolder,
                           const LaunchIconAnswers& answers, IniDocument& settings);
