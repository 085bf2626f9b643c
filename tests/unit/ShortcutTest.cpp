#include "shell/Shortcut.h"

#include <gtest/gtest.h>

#include "shell/ShellFolder.h"
#include "base/ShortcutWriter.h"
#include "support/MemoryFileSystem.h"
#include "support/MemoryRegistry.h"
#include "support/RecordingShortcutWriter.h"

namespace {

using Folders = std::set<std::string>;
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kPrograms[] = "C:\\Users\\Me\\Start Menu\\Programs";

class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        reg.SetString(RegRoot::CurrentUser, kShellFolders, "Programs", kPrograms);
        reg.SetString(RegRoot::CurrentUser, kShellFolders, "Desktop", "C:\\Users\\Me\\Desktop");
    }

    // The link path of the one shortcut made with group.
    std::string ProgramsLinkFor(const std::optional<std::string>& group) {
        EXPECT_TRUE(CreateProgramsShortcut(platform, group, "C:\\Q\\Quillmark.exe", "",
                                           "Quillmark.lnk", "Quillmark 3.90", "", 0));
        return writer.written.at(0).linkPath;
    }

    MemoryRegistry reg;
    MemoryFileSystem fs;
    RecordingShortcutWriter writer;
    ShortcutPlatform platform{reg, fs, writer};
};

TEST_F(ShortcutTest, DesktopShortcutHasNoArgumentsAndTheTargetsFirstIcon) {
    EXPECT_TRUE(
        CreateDesktopShortcut(platform, "C:\\Q\\Quillmark.exe", "Quillmark.lnk", "Quillmark 3.90"));
    ASSERT_EQ(writer.written.size(), 1u);
    const ShortcutRequest& r = writer.written[0];
    EXPECT_EQ(r.target, "C:\\Q\\Quillmark.exe");
    EXPECT_EQ(r.arguments, "");
    EXPECT_EQ(r.linkPath, "C:\\Users\\Me\\Desktop\\Quillmark.lnk");
    EXPECT_EQ(r.description, "Quillmark 3.90");
    EXPECT_EQ(r.iconPath, "");
    EXPECT_EQ(r.iconIndex, 0);
    EXPECT_TRUE(fs.folders.empty());
}

TEST_F(ShortcutTest, ProgramsShortcutPassesEveryFieldAndTheWritersAnswer) {
    writer.succeeds = false;
    writer.failureCode = 5;  // ERROR_ACCESS_DENIED
    const OsResult answer = CreateProgramsShortcut(
        platform, std::string("Quillmark"), "C:\\Q\\Quillmark.exe", "/uninstall", "Uninstall.lnk",
        "Uninstall", "C:\\Q\\Support\\AppIcons.icl", 3);
    EXPECT_FALSE(answer);
    EXPECT_EQ(answer.error, 5u);
    ASSERT_EQ(writer.written.size(), 1u);
    const ShortcutRequest& r = writer.written[0];
    EXPECT_EQ(r.target, "C:\\Q\\Quillmark.exe");
    EXPECT_EQ(r.arguments, "/uninstall");
    EXPECT_EQ(r.linkPath, std::string(kPrograms) + "\\Quillmark\\Uninstall.lnk");
    EXPECT_EQ(r.description, "Uninstall");
    EXPECT_EQ(r.iconPath, "C:\\Q\\Support\\AppIcons.icl");
    EXPECT_EQ(r.iconIndex, 3);
    EXPECT_EQ(fs.folders, (Folders{"C:\\Users", "C:\\Users\\Me", "C:\\Users\\Me\\Start Menu",
                                   kPrograms, std::string(kPrograms) + "\\Quillmark"}));
}

TEST_F(ShortcutTest, GroupsJoinWithExactlyOneSeparator) {
    const std::string programs = kPrograms;
    EXPECT_EQ(ProgramsLinkFor(std::nullopt), programs + "\\Quillmark.lnk");
    EXPECT_TRUE(fs.folders.empty());  // no group: no folder is made

    writer.written.clear();
    EXPECT_EQ(ProgramsLinkFor(std::string()), programs + "\\Quillmark.lnk");
    EXPECT_TRUE(fs.folders.count(programs));

    writer.written.clear();
    EXPECT_EQ(ProgramsLinkFor(std::string("\\Quillmark")), programs + "\\Quillmark\\Quillmark.lnk");

    writer.written.clear();
    fs.folders.clear();
    EXPECT_EQ(ProgramsLinkFor(std::string("Accessories\\Quillmark")),
              programs + "\\Accessories\\Quillmark\\Quillmark.lnk");
    EXPECT_TRUE(fs.folders.count(programs + "\\Accessories"));
    EXPECT_TRUE(fs.folders.count(programs + "\\Accessories\\Quillmark"));
}

TEST_F(ShortcutTest, MissingShellFoldersLeaveRelativePaths) {
    reg.values.clear();
    EXPECT_EQ(GetShellFolder(reg, "Programs"), "");
    EXPECT_EQ(ProgramsLinkFor(std::string("Accessories\\Quillmark")),
              "Accessories\\Quillmark\\Quillmark.lnk");
    EXPECT_EQ(fs.folders, (Folders{"Accessories", "Accessories\\Quillmark"}));

    writer.written.clear();
    EXPECT_EQ(ProgramsLinkFor(std::string()), "Quillmark.lnk");

    writer.written.clear();
    EXPECT_TRUE(CreateDesktopShortcut(platform, "C:\\Q\\Quillmark.exe", "Quillmark.lnk", "D"));
    EXPECT_EQ(writer.written.at(0).linkPath, "Quillmark.lnk");
}

TEST(IconLocationOf, NegativeIndexSetsNoneAndEmptyPathMeansTheTarget) {
    ShortcutRequest r{"C:\\Q\\Quillmark.exe", "", "x.lnk", "", "", -1};
    EXPECT_FALSE(IconLocationOf(r).has_value());
    r.iconIndex = 0;
    ASSERT_TRUE(IconLocationOf(r).has_value());
    EXPECT_EQ(IconLocationOf(r)->path, "C:\\Q\\Quillmark.exe");
    r.iconPath = "C:\\Q\\Support\\AppIcons.icl";
    r.iconIndex = 3;
    EXPECT_EQ(IconLocationOf(r)->path, "C:\\Q\\Support\\AppIcons.icl");
    EXPECT_EQ(IconLocationOf(r)->index, 3);
}

}  // namespace
