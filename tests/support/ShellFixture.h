// What the shell steps see in the native tests: a registry that names the
// user's Programs and Desktop folders, a file system, and a shortcut writer
// that records what it is asked to write.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "base/Platform.h"
#include "base/Registry.h"
#include "support/MemoryFileSystem.h"
#include "support/MemoryRegistry.h"
#include "support/RecordingShortcutWriter.h"
#include "support/ShortcutRequestCompare.h"

inline const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline const char kPrograms[] = "C:\\Users\\Me\\Start Menu\\Programs";
inline const char kDesktop[] = "C:\\Users\\Me\\Desktop";

using ShortcutRequests = std::vector<ShortcutRequest>;

inline void NameShellFolders(Registry& reg) {
    reg.SetString(RegRoot::CurrentUser, kShellFolders, "Programs", kPrograms);
    reg.SetString(RegRoot::CurrentUser, kShellFolders, "Desktop", kDesktop);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { NameShellFolders(reg); }

    MemoryRegistry reg;
    MemoryFileSystem fs;
    RecordingShortcutWriter writer;
    Platform platform{reg, fs, writer};
};
