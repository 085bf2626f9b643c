#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include "settings/HexEncode.h"
#include "settings/MergeSettings.h"
#include "support/IniText.h"
#include "support/ScriptedSetup.h"
#include "support/SettingsExample.h"
#include "support/ShellFixture.h"
#include "support/TestPackage.h"
#include "tools/DefaultSettings.h"

namespace {

// The setup run over the file system with a package that holds only a
// settings file, whose program group is "Zelk\Quillmark".
class SettingsFileTest : public ShellTest {
protected:
    void InstallOver(const std::string& folder,
                     const std::string& defaults = DefaultSettingsFile()) {
        const TestPackage package({{"\\", {{"Quillmark.ini", defaults}}}});
        ScriptedSetup setup(platform, package.Groups(), folder);
        EXPECT_EQ(setup.Run(), kExitCompleted);
    }
};

TEST_F(SettingsFileTest, AnUpdateKeepsTheUsersValues) {
    const std::string folder = "D:\\Plant\\Logger";
    fs.files["D:\\Plant\\Logger\\Quillmark.ini"] = ExampleOldSettingsFile();
    fs.files["D:\\Plant\\Logger\\\\Quillmark.cfg"] = "configuration";
    InstallOver(folder);

    const std::vector<std::string> lines =
        CrLfLines(fs.files.at("D:\\Plant\\Logger\\Quillmark.ini"));
    EXPECT_EQ(lines, ExampleMergedLines(folder, "Zelk\\Quillmark"));
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[4], "LastPath=443A5C506C616E745C4C6F67676572");
    EXPECT_FALSE(fs.files.count("D:\\Plant\\Logger\\\\Quillmark.cfg"));
    EXPECT_FALSE(fs.files.count("D:\\Plant\\Logger\\Quillmark.ini.bak"));
}

TEST_F(SettingsFileTest, AFirstInstallationGetsTheForcedValuesAndEmptyOnes) {
    const std::string folder = "C:\\Program Files\\Quillmark";
    InstallOver(folder);
    EXPECT_EQ(CrLfLines(fs.files.at(folder + "\\Quillmark.ini")),
              ExampleMergedLines(folder, "Zelk\\Quillmark", false));
}

TEST_F(SettingsFileTest, CommentsAndBlankLinesOfTheDefaultFileStayInPlace) {
    const std::string folder = "C:\\Q";
    fs.files["C:\\Q\\Quillmark.ini"] = "[App]\r\nLanguage=DE-DE\r\n";
    InstallOver(folder,
                "; Quillmark settings\r\n\r\n"
                "[App]\r\nLanguage=EN-US\r\n\r\n; serial line\r\n"
                "[Get]\r\nDb=2\r\n");
    const std::vector<std::string> lines = CrLfLines(fs.files.at("C:\\Q\\Quillmark.ini"));
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 4),
              (std::vector<std::string>{"; Quillmark settings", "", "[App]", "Language=DE-DE"}));
    // The keys the default file lacks go behind its blank line and comment.
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "; serial line");
    EXPECT_EQ(lines[6], "UpdateUrl=" + HexEncode(kUpdateSiteUrl));
}

TEST(SettingsPathsTest, AreThePlainConcatenationsTheProductUses) {
    EXPECT_EQ(SettingsFilePath("D:\\Plant\\Logger"), "D:\\Plant\\Logger\\Quillmark.ini");
    EXPECT_EQ(ConfigFilePath("D:\\Plant\\Logger"), "D:\\Plant\\Logger\\\\Quillmark.cfg");
    EXPECT_EQ(SettingsFilePath("D:\\"), "D:\\\\Quillmark.ini");
    EXPECT_EQ(ConfigFilePath("D:\\"), "D:\\\\\\Quillmark.cfg");
}

}  // namespace
