#include "shell/Shortcut.h"

#include <gtest/gtest.h>

#include <functional>

#include "shell/ShellFolder.h"
#include "support/ShellFixture.h"

namespace {

using Folders = std::set<std::string>;

class ShortcutTest : public ShellTest {
protected:
    // The link path of the one shortcut made with group.
    std::string ProgramsLinkFor(const std::optional<std::string>& group) {
        EXPECT_TRUE(CreateProgramsShortcut(platform, group, "C:\\Q\\Quillmark.exe", "",
                                           "Quillmark.lnk", "Quillmark 3.90", "", 0));
        return writer.written.at(0).linkPath;
    }
};

TEST_F(ShortcutTest, DesktopShortcutHasNoArgumentsAndTheTargetsFirstIcon) {
    EXPECT_TRUE(
        CreateDesktopShortcut(platform, "C:\\Q\\Quillmark.exe", "Quillmark.lnk", "Quillmark 3.90"));
    EXPECT_EQ(writer.written, (ShortcutRequests{{"C:\\Q\\Quillmark.exe", "",
                                                 std::string(kDesktop) + "\\Quillmark.lnk",
                                                 "Quillmark 3.90", "", 0}}));
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
    EXPECT_EQ(writer.written,
              (ShortcutRequests{{"C:\\Q\\Quillmark.exe", "/uninstall",
                                 std::string(kPrograms) + "\\Quillmark\\Uninstall.lnk", "Uninstall",
                                 "C:\\Q\\Support\\AppIcons.icl", 3}}));
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

// The whole-request comparison that the shortcut tests rest on misses no field.
TEST(ShortcutRequestCompare, EveryFieldCounts) {
    const ShortcutRequest base{"t.exe", "/a", "l.lnk", "d", "i.icl", 1};
    EXPECT_EQ(base, base);
    const std::function<void(ShortcutRequest&)> changes[] = {
        [](ShortcutRequest& r) { r.target += "x"; },
        [](ShortcutRequest& r) { r.arguments += "x"; },
        [](ShortcutRequest& r) { r.linkPath += "x"; },
        [](ShortcutRequest& r) { r.description += "x"; },
        [](ShortcutRequest& r) { r.iconPath += "x"; },
        [](ShortcutRequest& r) { ++r.iconIndex; },
    };
    for (const auto& change : changes) {
        ShortcutRequest other = base;
        change(other);
        EXPECT_FALSE(other == base) << ::testing::PrintToString(other);
    }
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
