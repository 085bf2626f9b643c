// The product's names, file names, icon indexes and version as the setup
// writes and looks for them: each stands here once. The resource script
// includes this header too, so the version is also a preprocessor text.
#pragma once

#define QUILLMARK_VERSION "3.90"
#define QUILLMARK_VERSION_MAJOR 3
#define QUILLMARK_VERSION_MINOR 90

#ifndef RC_INVOKED

// The name Windows lists the product by; also its default program group and
// the stem of its file types' identifiers.
inline constexpr char kProductName[] = "Quillmark";
inline constexpr char kProductVersion[] = QUILLMARK_VERSION;

// Tails that follow the install folder, joined by plain concatenation.
inline constexpr char kProgramTail[] = "\\Quillmark.exe";
inline constexpr char kSettingsFileTail[] = "\\Quillmark.ini";
// The product's configuration file, in the product program's folder.
inline constexpr char kConfigFileName[] = "Quillmark.cfg";

// The icon library, relative to the install folder, and its pictures.
inline constexpr char kIconLibrary[] = "Support\\AppIcons.icl";
enum ProductIcon : int {
    kProgramIcon = 0,
    kDataFileIcon = 1,
    kUninstallIcon = 3,
    kProjectFileIcon = 4,
    kInterfaceFileIcon = 5,
};

// The shortcut files, and the switch that makes the product program remove itself.
inline constexpr char kProgramLink[] = "Quillmark.lnk";
inline constexpr char kUninstallLink[] = "Uninstall.lnk";
inline constexpr char kUninstallSwitch[] = "/uninstall";

#endif
