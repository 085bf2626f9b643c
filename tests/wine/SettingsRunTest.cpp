// The user's settings across a whole setup run under Wine: an update keeps
// them, and a failed one leaves the earlier settings file as it was.
#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "support/SettingsExample.h"
#include "win32/Utf.h"

using namespace driver;
using namespace std::string_literals;

namespace {

std::wstring SettingsFile() {
    return DefaultInstallFolder() + L"\\Quillmark.ini";
}

// Runs the setup, accepting every proposal; gives its last message.
std::wstring InstallWithProposals() {
    const SetupRun run = RunSetup();
    EXPECT_NE(run.exitCode, static_cast<DWORD>(STILL_ACTIVE));
    return run.LastMessage();
}

class SettingsRun : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree(DefaultInstallFolder());
        ASSERT_TRUE(CreateDirectoryW(DefaultInstallFolder().c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(DefaultInstallFolder()); }
};

TEST_F(SettingsRun, AnUpdateKeepsTheUsersValuesAndForcesTheRest) {
    ASSERT_TRUE(WriteBytes(SettingsFile(), ExampleOldSettingsFile()));
    const std::wstring configFile = DefaultInstallFolder() + L"\\Quillmark.cfg";
    ASSERT_TRUE(WriteBytes(configFile, "the earlier configuration"));

    EXPECT_EQ(InstallWithProposals(), L"Done.");

    ExpectUsersSettingsMerged(DefaultInstallFolder(), "Quillmark");

    EXPECT_FALSE(Exists(configFile));
    EXPECT_FALSE(Exists(SettingsFile() + L".bak"));
}

TEST_F(SettingsRun, AFailedUpdatePutsTheEarlierSettingsFileBack) {
    // Bytes of every kind, line ends of every kind: nothing may be rewritten.
    const std::string earlier = "[App]\nLanguage=DE-DE\r\n\r\n; \xE4\xF6\xFC\tx\0y\rRecents=R"s;
    ASSERT_TRUE(WriteBytes(SettingsFile(), earlier));
    const std::wstring support = DefaultInstallFolder() + L"\\Support";
    ASSERT_TRUE(CreateDirectoryW(support.c_str(), nullptr));
    const std::wstring project = support + L"\\Project.xml";
    ASSERT_TRUE(WriteBytes(project, "the user's project"));
    {
        // Held open without sharing: the Support group cannot be written.
        KernelHandle lock = HoldWithoutSharing(project);
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(InstallWithProposals(), L"Error. Installation package demaged !");
    }
    // Nothing of the package stays, the settings file's default least of all.
    EXPECT_FALSE(Exists(DefaultInstallFolder() + L"\\libnodave.dll"));
    EXPECT_EQ(FileBytes(SettingsFile()), earlier);
    EXPECT_FALSE(Exists(SettingsFile() + L".bak"));
}

}  // namespace
