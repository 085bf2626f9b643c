// The whole setup, run under Wine and driven through its real windows.
#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

using namespace driver;

namespace {

constexpr int kProjectXml = 6;  // index of a file in a later group

std::wstring InstallFolder() {
    Win32Registry registry;
    return Widen(registry.GetString(RegRoot::LocalMachine,
                                    "Software\\Microsoft\\Windows\\CurrentVersion",
                                    "ProgramFilesDir")) +
           L"\\Quillmark";
}

std::string ProductBytes(int i) {
    std::string data;
    EXPECT_TRUE(ReadBytes(ProductFolder() + L"\\" + kProductFiles[i], data)) << kProductFiles[i];
    return data;
}

std::string InstalledBytes(int i) {
    std::string data;
    ReadBytes(InstallFolder() + L"\\" + kProductFiles[i], data);
    return data;
}

// Runs a setup to its end, accepting every proposal, and gives its last
// message, that message's title and the exit code.
struct Outcome {
    std::wstring message;
    std::wstring title;
    DWORD exitCode = STILL_ACTIVE;
};

Outcome RunToTheEnd(Process& setup) {
    Outcome outcome;
    SetupAnswers answers;
    answers.seen = [&outcome](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::Message)
            outcome.title = WindowText(window);
    };
    const SetupRun run = RunSetup(setup, answers);
    EXPECT_TRUE(run.Showed(SetupWindow::InstallFolder));
    outcome.message = run.LastMessage();
    outcome.exitCode = run.exitCode;
    return outcome;
}

class InstallRun : public ::testing::Test {
protected:
    void SetUp() override { RemoveTree(InstallFolder()); }
    void TearDown() override { RemoveTree(InstallFolder()); }

    void ExpectNoTemporaryFiles() {
        for (const wchar_t* folder : {L"", L"\\Documentations", L"\\Support", L"\\Sources"})
            for (const std::wstring& name : ListFolder(InstallFolder() + folder))
                EXPECT_EQ(name.find(L"tmp"), std::wstring::npos) << Narrow(name);
    }
};

TEST_F(InstallRun, InstallsEveryProductFileExactlyAndEndsWithDone) {
    // An earlier installation's files are replaced.
    CreateDirectoryW(InstallFolder().c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(InstallFolder() + L"\\Quillmark.exe", "old program"));

    Process setup = Process::Start(SetupExe());
    ASSERT_TRUE(setup.Started());
    Outcome outcome = RunToTheEnd(setup);
    EXPECT_EQ(outcome.message, kDone);
    EXPECT_EQ(outcome.title, L"QuillmarkSetup");  // the program's file name
    EXPECT_EQ(outcome.exitCode, 0u);

    for (int i = 0; i < static_cast<int>(std::size(kProductFiles)); ++i) {
        // The settings file is merged with the user's settings at the end.
        if (i != kSettingsFile) {
            EXPECT_TRUE(InstalledBytes(i) == ProductBytes(i)) << Narrow(kProductFiles[i]);
        }
    }
    for (const wchar_t* folder : {L"\\Documentations", L"\\Support", L"\\Sources"})
        EXPECT_TRUE(IsFolder(InstallFolder() + folder));
    ExpectNoTemporaryFiles();
}

TEST_F(InstallRun, ArgumentsChangeNothing) {
    Process setup = Process::Start(SetupExe(), L"/uninstall /S extra");
    Outcome outcome = RunToTheEnd(setup);
    EXPECT_EQ(outcome.message, kDone);
    EXPECT_EQ(outcome.exitCode, 0u);
    EXPECT_TRUE(InstalledBytes(0) == ProductBytes(0));
}

TEST_F(InstallRun, ALockedProgramStopsTheInstallationAndKeepsItsContent) {
    CreateDirectoryW(InstallFolder().c_str(), nullptr);
    const std::wstring program = InstallFolder() + L"\\Quillmark.exe";
    ASSERT_TRUE(WriteBytes(program, "the running product"));
    {
        // Held open without sharing, as a running product would be.
        KernelHandle lock = HoldWithoutSharing(program);
        ASSERT_TRUE(lock.Valid());
        Process setup = Process::Start(SetupExe());
        Outcome outcome = RunToTheEnd(setup);
        EXPECT_EQ(outcome.message, kFailed);
        EXPECT_EQ(outcome.exitCode, 1u);
    }
    std::string kept;
    ASSERT_TRUE(ReadBytes(program, kept));
    EXPECT_EQ(kept, "the running product");
    // Nothing after the locked file was written.
    EXPECT_EQ(ListFolder(InstallFolder()), std::vector<std::wstring>{L"Quillmark.exe"});
}

// A copy of the setup whose stream of one file in a later group is damaged.
std::wstring DamagedSetup(const std::wstring& folder, int file) {
    std::string exe, stream;
    EXPECT_TRUE(ReadBytes(SetupExe(), exe));
    EXPECT_TRUE(ReadBytes(StreamFolder() + L"\\stream" + std::to_wstring(file) + L".bz2", stream));
    size_t at = exe.find(stream);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos)
        exe[at + stream.size() / 2] = static_cast<char>(exe[at + stream.size() / 2] ^ 0x08);
    const std::wstring copy = folder + L"\\QuillmarkSetup.exe";
    EXPECT_TRUE(WriteBytes(copy, exe));
    return copy;
}

TEST_F(InstallRun, ADamagedStreamIsReportedAndNoFileIsWritten) {
    const std::wstring setupCopy = DamagedSetup(TempFolder(L"damaged"), kProjectXml);
    CreateDirectoryW(InstallFolder().c_str(), nullptr);
    CreateDirectoryW((InstallFolder() + L"\\Support").c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(InstallFolder() + L"\\Support\\Project.xml", "the user's project"));

    Process setup = Process::Start(setupCopy);
    Outcome outcome = RunToTheEnd(setup);
    EXPECT_EQ(outcome.message, kFailed);
    EXPECT_EQ(outcome.exitCode, 1u);

    // Not even the files before the damaged one, which were whole.
    EXPECT_EQ(ListFolder(InstallFolder()), std::vector<std::wstring>{L"Support"});
    EXPECT_EQ(ListFolder(InstallFolder() + L"\\Support"),
              std::vector<std::wstring>{L"Project.xml"});
    EXPECT_EQ(InstalledBytes(kProjectXml), "the user's project");
}

}  // namespace

namespace {

// Text is UTF-8 inside the setup and wide at every system call: a folder name
// outside the ANSI code page must arrive exactly, not as its UTF-8 bytes.
TEST(InstallRunUnicode, AFolderNameWithAnUmlautIsUsedExactly) {
    const std::wstring parent = L"C:\\Programme";
    const std::wstring folder = parent + L"\\M\u00fcller Tools \u0141\u00f3d\u017a";
    RemoveTree(parent);
    SetupAnswers answers;
    answers.installFolder = TypeInstallFolder(folder);
    const SetupRun run = RunSetup(answers);
    EXPECT_EQ(run.LastMessage(), kDone);
    EXPECT_EQ(run.exitCode, 0u);

    EXPECT_EQ(ListFolder(parent),
              std::vector<std::wstring>{L"M\u00fcller Tools \u0141\u00f3d\u017a"});
    std::string installed, packaged;
    EXPECT_TRUE(ReadBytes(folder + L"\\Sources\\libnodave-0.8.4.5.zip", installed));
    EXPECT_TRUE(ReadBytes(ProductFolder() + L"\\Sources\\libnodave-0.8.4.5.zip", packaged));
    EXPECT_TRUE(installed == packaged);
    RemoveTree(parent);
}

}  // namespace
