// What the setup installs and writes, by the names the Wine tests look for.
#pragma once

namespace driver {

// The product files as the package installs them, in extraction order.
inline const wchar_t* const kProductFiles[] = {
    L"Quillmark.exe",
    L"Quillmark.ini",
    L"libnodave.dll",
    L"Documentations\\UserManual$en-us.chm",
    L"Documentations\\UserManual$it-it.chm",
    L"Support\\AppIcons.icl",
    L"Support\\Project.xml",
    L"Support\\local.upd",
    L"Sources\\Quillmark-V390-source.7z",
    L"Sources\\libnodave-0.8.4.5.zip",
};
constexpr int kSettingsFile = 1;  // index of Quillmark.ini above

inline const wchar_t kShellFolders[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline const wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark";
// The product program's switch that the entry's UninstallString gives it.
inline const wchar_t kUninstallSwitch[] = L"/uninstall";

// The titles of the setup's windows.
inline const wchar_t kInstallFolderTitle[] = L"Quillmark setup program";
inline const wchar_t kLaunchIconsTitle[] = L"Zelk - Launch icons";
inline const wchar_t kProgressTitle[] = L"Setup progress";

// The setup's two messages.
inline const wchar_t kDone[] = L"Done.";
inline const wchar_t kFailed[] = L"Error. Installation package demaged !";

}  // namespace driver
