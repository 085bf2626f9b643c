// The setup's main sequence as a whole: what each of its endings leaves, and
// the order in which a completed run changes things.
#include "app/MainSequence.h"

#include <gtest/gtest.h>

#include "support/ExpectedFileTypes.h"
#include "support/IniText.h"
#include "support/SampleBytes.h"
#include "support/ScriptedSetup.h"
#include "support/ShellFixture.h"
#include "support/TestPackage.h"

namespace {

const char kFolder[] = "D:\\Plant\\Logger";
const char kProgram[] = "D:\\Plant\\Logger\\Quillmark.exe";
const char kSettings[] = "D:\\Plant\\Logger\\Quillmark.ini";
const char kConfig[] = "D:\\Plant\\Logger\\\\Quillmark.cfg";
const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark";
const char kDone[] = "Done.";

class MainSequenceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        reg.SetString(RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion",
                      "ProgramFilesDir", "C:\\Program Files");
        fs.files[kSettings] = "[App]\r\nLanguage=IT-IT\r\n";
        fs.files[kConfig] = "the earlier configuration";
        before = fs.files;
        registryBefore = reg.values;
    }

    // Nothing changed but what the test itself set up.
    void ExpectNothingChanged() {
        EXPECT_EQ(fs.files, before);
        EXPECT_EQ(reg.values, registryBefore);
        EXPECT_TRUE(writer.written.empty());
    }

    TestPackage package{{
        {"\\",
         {{"Quillmark.exe", SampleBytes(20000, 1)},
          {"Quillmark.ini", "[App]\r\nLanguage=EN-US\r\n"}}},
        {"\\Support\\", {{"AppIcons.icl", SampleBytes(3000, 2)}}},
    }};
    ScriptedSetup setup{platform, package.Groups(), kFolder};
    std::map<std::string, std::string> before;
    decltype(MemoryRegistry::values) registryBefore;
};

TEST_F(MainSequenceTest, ACompletedRunChangesThingsInItsOrderAndEndsWithDone) {
    setup.atLaunchIcons = [this] {
        // Product files in place, the configuration deleted, the uninstall
        // entry made; the user's settings still as they were, nothing else yet.
        EXPECT_TRUE(setup.progress.closed);
        EXPECT_EQ(fs.files.at(kProgram), SampleBytes(20000, 1));
        EXPECT_FALSE(fs.files.count(kConfig));
        EXPECT_EQ(reg.ValuesOf(RegRoot::LocalMachine, kUninstallKey).at("UninstallString"),
                  std::string("\"") + kProgram + "\" /uninstall");
        EXPECT_EQ(fs.files.at(kSettings), before.at(kSettings));
        EXPECT_TRUE(writer.written.empty());
        EXPECT_TRUE(reg.KeysUnder(RegRoot::ClassesRoot).empty());
        EXPECT_TRUE(setup.messages.empty());
    };
    EXPECT_EQ(setup.Run(), kExitCompleted);

    EXPECT_EQ(setup.proposedFolder, "C:\\Program Files");
    EXPECT_EQ(writer.written.size(), 3u);  // desktop, program and uninstall shortcuts
    EXPECT_EQ(CrLfLines(fs.files.at(kSettings)).back(), "StartFolderPath=Zelk\\Quillmark");
    for (const auto& [key, text] : ExpectedFileTypeValues(kFolder))
        EXPECT_EQ(reg.GetString(RegRoot::ClassesRoot, key, ""), text) << key;
    EXPECT_TRUE(setup.fileTypesChanged);
    EXPECT_EQ(setup.messages, std::vector<std::string>{kDone});
}

// Stopped at the launch-icons dialog, a first installation has settings all the same.
TEST_F(MainSequenceTest, AFirstInstallationHasThePackagesSettingsUntilTheMergedOnes) {
    fs.files.erase(kSettings);
    setup.atLaunchIcons = [this] {
        EXPECT_EQ(fs.files.at(kSettings), "[App]\r\nLanguage=EN-US\r\n");
    };
    EXPECT_EQ(setup.Run(), kExitCompleted);
}

TEST_F(MainSequenceTest, ACancelledOrMissingFirstDialogChangesNothingAndSaysNothing) {
    setup.folderAnswer = FolderAnswer::cancelled;
    EXPECT_EQ(setup.Run(), kExitCompleted);
    setup.folderAnswer = FolderAnswer::notShown;
    EXPECT_EQ(setup.Run(), kExitFailed);
    ExpectNothingChanged();
    EXPECT_TRUE(setup.messages.empty());
    EXPECT_TRUE(setup.progress.positions.empty());
}

TEST_F(MainSequenceTest, ADamagedPackageIsReportedAndLeavesEverythingAsItWas) {
    package.Damage(1, 0);
    EXPECT_EQ(setup.Run(), kExitFailed);
    EXPECT_EQ(setup.failure.step, ExtractStep::unpack);
    EXPECT_EQ(setup.messages, std::vector<std::string>{"Error. Installation package demaged !"});
    ExpectNothingChanged();
}

}  // namespace
