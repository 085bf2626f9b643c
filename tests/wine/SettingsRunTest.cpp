// The user's settings across a whole setup run under Wine: an update keeps
// them, and a failed one leaves the earlier settings file as it was.
#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "settings/HexEncode.h"
#include "settings/MergeSettings.h"
#include "win/Utf.h"
#include "win/Win32Registry.h"

using namespace driver;
using namespace std::string_literals;

namespace {

std::wstring InstallFolder() {
    Win32Registry registry;
    const std::string programFiles = registry.GetString(
        RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    return Widen(programFiles) + L"\\Quillmark";
}

std::wstring SettingsFile() {
    return InstallFolder() + L"\\Quillmark.ini";
}

// Runs the setup and answers its last message; gives that message.
std::wstring RunSetup() {
    Process setup = Process::Start(SetupExe());
    EXPECT_TRUE(setup.Started());
    std::wstring message;
    if (HWND box = WaitForMessageBox(setup, 60000)) {
        message = MessageBoxText(box);
        PressButton(box, IDOK);
    }
    EXPECT_NE(setup.WaitForExit(), static_cast<DWORD>(STILL_ACTIVE));
    return message;
}

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "the last line has no CR LF";
    return lines;
}

class SettingsRun : public ::testing::Test {
  protected:
    void SetUp() override {
        RemoveTree(InstallFolder());
        ASSERT_TRUE(CreateDirectoryW(InstallFolder().c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(InstallFolder()); }
};

TEST_F(SettingsRun, AnUpdateKeepsTheUsersValuesAndForcesTheRest) {
    ASSERT_TRUE(WriteBytes(SettingsFile(),
                           "[App]\r\nLanguage=IT-IT\r\nFirstOpen=false\r\nUpdateUrl=anything\r\n"
                           "LastPath=443A5C4F6C64\r\nRecents=R = any text\r\n"
                           "; the user's own note\r\nTheme=dark\r\n"
                           "[Communication]\r\nDevice=3\r\nIpString=10.0.0.7\r\n"
                           "SerialCommPort=COM1\r\nSerialCommSpeed=19200\r\nAddress=2\r\nRack=1\r\n"
                           "[Get]\r\nGetFileName=D:\\last.qkmem\r\nArea=4\r\nDb=4\r\nStart=4\r\n"
                           "Length=4\r\n"));
    const std::wstring configFile = InstallFolder() + L"\\Quillmark.cfg";
    ASSERT_TRUE(WriteBytes(configFile, "the earlier configuration"));

    EXPECT_EQ(RunSetup(), L"Done.");

    std::string written;
    ASSERT_TRUE(ReadBytes(SettingsFile(), written));
    std::vector<std::string> lines = Lines(written);
    const std::vector<std::string> merged = {
        "[App]",
        "Language=IT-IT",
        "FirstOpen=true",
        "UpdateUrl=" + HexEncode(kUpdateSiteUrl),
        "LastPath=" + HexEncode(Narrow(InstallFolder())),
        "Recents=R = any text",
        "[Communication]",
        "Device=3",
        "IpString=10.0.0.7",
        "SerialCommPort=COM1",
        "SerialCommSpeed=19200",
        "Address=2",
        "Rack=1",
        "Slot=",
        "[Get]",
        "GetFileName=",
        "Area=",
        "Db=",
        "Start=",
        "Length=",
    };
    ASSERT_GE(lines.size(), merged.size()) << written;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + merged.size()), merged);
    // Only the program group the launch-icons step records may follow.
    if (lines.size() > merged.size()) {
        EXPECT_EQ(lines[merged.size()], "[InstallUninstall]");
    }
    EXPECT_LE(lines.size(), merged.size() + 2);

    EXPECT_FALSE(Exists(configFile));
    EXPECT_FALSE(Exists(SettingsFile() + L".bak"));
}

TEST_F(SettingsRun, AFailedUpdatePutsTheEarlierSettingsFileBack) {
    // Bytes of every kind, line ends of every kind: nothing may be rewritten.
    const std::string earlier = "[App]\nLanguage=DE-DE\r\n\r\n; \xE4\xF6\xFC\tx\0y\rRecents=R"s;
    ASSERT_TRUE(WriteBytes(SettingsFile(), earlier));
    const std::wstring support = InstallFolder() + L"\\Support";
    ASSERT_TRUE(CreateDirectoryW(support.c_str(), nullptr));
    const std::wstring project = support + L"\\Project.xml";
    ASSERT_TRUE(WriteBytes(project, "the user's project"));
    {
        // Held open without sharing: the Support group cannot be written.
        UniqueHandle lock(
            CreateFileW(project.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(RunSetup(), L"Error. Installation package demaged !");
    }
    // The root group, the settings file's default among it, was installed.
    EXPECT_TRUE(Exists(InstallFolder() + L"\\libnodave.dll"));
    std::string kept;
    ASSERT_TRUE(ReadBytes(SettingsFile(), kept));
    EXPECT_EQ(kept, earlier);
    EXPECT_FALSE(Exists(SettingsFile() + L".bak"));
}

}  // namespace
