#include "shell/LaunchIcons.h"

#include <gtest/gtest.h>

#include "settings/IniDocument.h"
#include "settings/SaveIniDocument.h"
#include "settings/ParseIniDocument.h"
#include "support/IniText.h"
#include "support/ShellFixture.h"
#include "ui/ListCursor.h"

namespace {

class LaunchIconsTest : public ShellTest {
protected:
    // The link paths of what one step made, in the order it made them.
    std::vector<std::string> LinksFor(const std::string& installFolder,
                                      const LaunchIconAnswers& answers) {
        writer.written.clear();
        CreateLaunchShortcuts(platform, installFolder, answers, settings);
        std::vector<std::string> links;
        for (const ShortcutRequest& r : writer.written) links.push_back(r.linkPath);
        return links;
    }
    std::string Recorded() {
        return std::string(settings.Section("InstallUninstall").Value("StartFolderPath"));
    }

    IniDocument settings;
};

TEST_F(LaunchIconsTest, DefaultAnswersMakeThreeShortcutsWithTheirFieldsInOrder) {
    const std::string p = kPrograms;
    EXPECT_EQ(LinksFor("C:\\Q", {"Quillmark", true}),
              (std::vector<std::string>{std::string(kDesktop) + "\\Quillmark.lnk",
                                        p + "\\Quillmark\\Quillmark.lnk",
                                        p + "\\Quillmark\\Uninstall.lnk"}));
    const std::string exe = "C:\\Q\\Quillmark.exe";
    EXPECT_EQ(writer.written,
              (ShortcutRequests{
                  {exe, "", std::string(kDesktop) + "\\Quillmark.lnk", "Quillmark 3.90", "", 0},
                  {exe, "", p + "\\Quillmark\\Quillmark.lnk", "Quillmark 3.90", "", 0},
                  {exe, "/uninstall", p + "\\Quillmark\\Uninstall.lnk", "Uninstall",
                   "C:\\Q\\Support\\AppIcons.icl", 3}}));
    EXPECT_TRUE(fs.folders.count(p + "\\Quillmark"));
    EXPECT_EQ(Recorded(), "Quillmark");
}

TEST_F(LaunchIconsTest, GroupsOfTwoLevelsAndNoneAndADeclinedDesktop) {
    const std::string p = kPrograms;
    EXPECT_EQ(LinksFor("C:\\Q", {"Accessories\\Quillmark", false}),
              (std::vector<std::string>{p + "\\Accessories\\Quillmark\\Quillmark.lnk",
                                        p + "\\Accessories\\Quillmark\\Uninstall.lnk"}));
    EXPECT_TRUE(fs.folders.count(p + "\\Accessories"));
    EXPECT_TRUE(fs.folders.count(p + "\\Accessories\\Quillmark"));
    EXPECT_EQ(Recorded(), "Accessories\\Quillmark");

    // An empty group: straight into Programs, and recorded as empty.
    EXPECT_EQ(LinksFor("C:\\Q", {"", false}),
              (std::vector<std::string>{p + "\\Quillmark.lnk", p + "\\Uninstall.lnk"}));
    EXPECT_EQ(Recorded(), "");
}

TEST_F(LaunchIconsTest, AnInstallFolderIsJoinedAsGivenTrailingBackslashIncluded) {
    LinksFor("D:\\Tools\\", {"Quillmark", false});
    EXPECT_EQ(writer.written.at(0).target, "D:\\Tools\\\\Quillmark.exe");
    EXPECT_EQ(writer.written.at(1).iconPath, "D:\\Tools\\\\Support\\AppIcons.icl");
}

TEST_F(LaunchIconsTest, TheGroupIsRecordedWhenEveryShortcutFailsAndReplacesAnEarlierValue) {
    settings = ParseIniDocument(
        "[App]\r\nLanguage=EN-US\r\n[InstallUninstall]\r\nOther=1\r\n"
        "StartFolderPath=Old\\Group\r\n");
    writer.succeeds = false;
    EXPECT_FALSE(CreateLaunchShortcuts(platform, "C:\\Q", {"New", true}, settings));
    EXPECT_EQ(writer.written.size(), 3u);
    EXPECT_EQ(FormatIniDocument(settings),
              "[App]\r\nLanguage=EN-US\r\n[InstallUninstall]\r\nOther=1\r\n"
              "StartFolderPath=New\r\n");

    // A file without the section gets it appended, after the others.
    settings = ParseIniDocument("[App]\r\nLanguage=EN-US\r\n");
    writer.succeeds = true;
    EXPECT_TRUE(CreateLaunchShortcuts(platform, "C:\\Q", {"Quillmark", true}, settings));
    EXPECT_EQ(FormatIniDocument(settings),
              "[App]\r\nLanguage=EN-US\r\n[InstallUninstall]\r\nStartFolderPath=Quillmark\r\n");
}

TEST(LaunchIconAnswers, DesktopOnlyForTheButtonWithTheOptionTicked) {
    EXPECT_TRUE(DesktopShortcutWanted(1, true));
    EXPECT_FALSE(DesktopShortcutWanted(1, false));
    EXPECT_FALSE(DesktopShortcutWanted(2, true));
    EXPECT_FALSE(DesktopShortcutWanted(0, true));
    EXPECT_FALSE(DesktopShortcutWanted(-1, true));
}

TEST(LaunchIconAnswers, APickedFolderGetsTheProductGroupBelowIt) {
    EXPECT_EQ(GroupInFolder("Accessories"), "Accessories\\Quillmark");
    EXPECT_EQ(GroupInFolder("Quillmark"), "Quillmark\\Quillmark");
    EXPECT_EQ(GroupInFolder(".config"), ".config\\Quillmark");
}

TEST_F(LaunchIconsTest, FolderListKeepsTheSystemsOrderAndSkipsFiles) {
    fs.listings[kPrograms] = {{"Zeta", true},          {"Accessories", true}, {"readme.lnk", false},
                              {".hidden tools", true}, {"Quillmark", true},   {"Z.txt", false}};
    EXPECT_EQ(ProgramFolderNames(platform),
              (std::vector<std::string>{"Zeta", "Accessories", ".hidden tools", "Quillmark"}));

    fs.listings[kPrograms] = {{"Quillmark.lnk", false}, {"Uninstall.lnk", false}};
    EXPECT_TRUE(ProgramFolderNames(platform).empty());

    // No Programs folder recorded: the listing is asked of the empty folder,
    // the root of the current drive.
    reg.values.clear();
    fs.listings[""] = {{"Windows", true}};
    EXPECT_EQ(ProgramFolderNames(platform), std::vector<std::string>{"Windows"});
}

TEST(ListCursor, FollowsTheSelectionSoARowClickedAgainAfterClearingMovesIt) {
    ListCursor cursor;
    EXPECT_EQ(cursor.Row(), -1);
    EXPECT_TRUE(cursor.Selected(2));
    EXPECT_FALSE(cursor.Selected(2)) << "the same row again is no move";
    // Another row: the old one is deselected first, then the new one selected.
    cursor.Deselected(2);
    EXPECT_TRUE(cursor.Selected(0));
    // A row that is not the cursor losing its selection changes nothing.
    cursor.Deselected(5);
    EXPECT_EQ(cursor.Row(), 0);
    // Ctrl+click clears the selection; a click on the same row is a move again.
    cursor.Deselected(0);
    EXPECT_EQ(cursor.Row(), -1);
    EXPECT_TRUE(cursor.Selected(0));
    // A click below the rows clears every row at once.
    cursor.Deselected(-1);
    EXPECT_EQ(cursor.Row(), -1);
    EXPECT_TRUE(cursor.Selected(0));
    EXPECT_FALSE(cursor.Selected(-1));
}

}  // namespace
