// The whole setup, run under Wine and driven through its real windows.
#include <gtest/gtest.h>

#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

constexpr int kProjectXml = 6;  // index of a file in a later group

std::optional<std::string> InstalledBytes(int i) {
    return FileBytes(DefaultInstallFolder() + L"\\" + kProductFiles[i]);
}

// No file staged or set aside by the setup is left among the product's.
void ExpectNoFilesOfTheSetupsOwn(const std::wstring& folder) {
    for (const std::wstring& path : ListTree(folder))
        EXPECT_TRUE(path.find(L"tmp") == std::wstring::npos &&
                    path.find(L".setup-") == std::wstring::npos)
            << Narrow(path);
}

// Runs a setup to its end, accepting every proposal; title, when asked for,
// is its last message's title.
SetupRun RunToTheEnd(Process& setup, std::wstring* title = nullptr) {
    SetupAnswers answers;
    answers.seen = [title](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::Message && title)
            *title = WindowText(window);
    };
    const SetupRun run = RunSetup(setup, answers);
    EXPECT_TRUE(run.Showed(SetupWindow::InstallFolder));
    return run;
}

class InstallRun : public ::testing::Test {
protected:
    void SetUp() override { RemoveTree(DefaultInstallFolder()); }
    void TearDown() override { RemoveTree(DefaultInstallFolder()); }
};

TEST_F(InstallRun, InstallsEveryProductFileExactlyAndEndsWithDone) {
    // An earlier installation's files are replaced.
    CreateDirectoryW(DefaultInstallFolder().c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(DefaultInstallFolder() + L"\\Quillmark.exe", "old program"));

    Process setup = Process::Start(SetupExe());
    ASSERT_TRUE(setup.Started());
    std::wstring title;
    ExpectDone(RunToTheEnd(setup, &title));
    EXPECT_EQ(title, L"QuillmarkSetup");  // the program's file name
    ExpectProductFiles(DefaultInstallFolder());
    for (const wchar_t* folder : {L"\\Documentations", L"\\Support", L"\\Sources"})
        EXPECT_TRUE(IsFolder(DefaultInstallFolder() + folder));
    ExpectNoFilesOfTheSetupsOwn(DefaultInstallFolder());
}

TEST_F(InstallRun, ArgumentsChangeNothing) {
    Process setup = Process::Start(SetupExe(), L"/uninstall /S extra");
    ExpectDone(RunToTheEnd(setup));
    EXPECT_TRUE(InstalledBytes(0) == ProductBytes(kProductFiles[0]));
}

TEST_F(InstallRun, ALockedProgramStopsTheInstallationAndKeepsItsContent) {
    CreateDirectoryW(DefaultInstallFolder().c_str(), nullptr);
    const std::wstring program = DefaultInstallFolder() + L"\\Quillmark.exe";
    ASSERT_TRUE(WriteBytes(program, "the running product"));
    {
        // Held open without sharing, as a running product would be.
        KernelHandle lock = HoldWithoutSharing(program);
        ASSERT_TRUE(lock.Valid());
        Process setup = Process::Start(SetupExe());
        ExpectFailed(RunToTheEnd(setup));
    }
    EXPECT_EQ(FileBytes(program), "the running product");
    // Nothing after the locked file was written.
    EXPECT_EQ(ListFolder(DefaultInstallFolder()), std::vector<std::wstring>{L"Quillmark.exe"});
}

TEST_F(InstallRun, ADamagedStreamIsReportedAndNoFileIsWritten) {
    const std::wstring setupCopy = DamagedSetupCopy(TempFolder(L"damaged"), kProjectXml);
    CreateDirectoryW(DefaultInstallFolder().c_str(), nullptr);
    CreateDirectoryW((DefaultInstallFolder() + L"\\Support").c_str(), nullptr);
    ASSERT_TRUE(
        WriteBytes(DefaultInstallFolder() + L"\\Support\\Project.xml", "the user's project"));

    Process setup = Process::Start(setupCopy);
    ExpectFailed(RunToTheEnd(setup));

    // Not even the files before the damaged one, which were whole.
    EXPECT_EQ(ListTree(DefaultInstallFolder()),
              (std::vector<std::wstring>{L"Support", L"Support\\Project.xml"}));
    EXPECT_EQ(InstalledBytes(kProjectXml), "the user's project");
}

// Text is UTF-8 inside the setup and wide at every system call: a folder name
// outside the ANSI code page must arrive exactly, not as its UTF-8 bytes.
TEST(InstallRunUnicode, AFolderNameWithAnUmlautIsUsedExactly) {
    const std::wstring parent = L"C:\\Programme";
    const std::wstring folder = parent + L"\\M\u00fcller Tools \u0141\u00f3d\u017a";
    RemoveTree(parent);
    ExpectDone(RunSetupInto(folder));

    EXPECT_EQ(ListFolder(parent),
              std::vector<std::wstring>{L"M\u00fcller Tools \u0141\u00f3d\u017a"});
    EXPECT_TRUE(FileBytes(folder + L"\\Sources\\libnodave-0.8.4.5.zip") ==
                ProductBytes(L"Sources\\libnodave-0.8.4.5.zip"));
    RemoveTree(parent);
}

// An install folder as long as a user may make it: every product path passes
// MAX_PATH, and the names staged beside the files are longer still. It is
// typed with a trailing separator, so every path joined to it holds a doubled
// one. The test reads back through the "\\?\" form, which takes any length.
TEST(InstallRunLongPath, AnInstallFolderPastMaxPathGetsEveryProductFile) {
    const std::wstring parent = L"C:\\Long install folders";
    std::wstring folder = parent;
    while (folder.size() < 280) folder += L"\\" + std::wstring(40, L'q');
    const std::wstring unparsed = L"\\\\?\\" + folder;
    RemoveTree(L"\\\\?\\" + parent);

    std::wstring accepted;
    SetupAnswers answers;
    answers.installFolder = [&](HWND dialog) {
        HWND field = InstallFolderField(dialog);
        SetText(field, folder + L"\\");
        accepted = WindowText(field);
        Click(FindControl(dialog, L"Button", L"O&k"));
    };
    const SetupRun run = RunSetup(answers);
    EXPECT_EQ(accepted, folder + L"\\");  // the path field takes it whole
    ExpectDone(run);

    ExpectProductFiles(unparsed);
    // The settings file is the package's merged with the user's settings.
    const std::optional<std::string> settings =
        FileBytes(unparsed + L"\\" + kProductFiles[kSettingsFile]);
    EXPECT_TRUE(settings && settings->find("[App]\r\n") != std::string::npos);
    ExpectNoFilesOfTheSetupsOwn(unparsed);
    RemoveTree(L"\\\\?\\" + parent);
}

}  // namespace
