// The install-folder dialog of the real setup, driven under Wine: what the
// user leaves, types or picks there is where the product goes, and any ending
// but OK installs nothing.
#include <gtest/gtest.h>

#include <algorithm>

#include "DocumentTypes.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

bool Contains(const std::vector<std::wstring>& names, const std::wstring& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The setup, started and showing its install-folder dialog.
struct RunningSetup {
    Process process = Process::Start(SetupExe());
    HWND dialog = WaitForInstallFolderDialog(process);
    HWND field = dialog ? InstallFolderField(dialog) : nullptr;

    HWND Button(const std::wstring& label) const { return FindControl(dialog, L"Button", label); }

    // Clicks Browse; the folder picker it opens, or null.
    HWND Browse() {
        Click(Button(L"&Browse"));
        return WaitForFolderPicker(process);
    }
    void WaitForPickerToClose() {
        for (int i = 0; i < 50 && WaitForFolderPicker(process, 0); ++i) Sleep(100);
    }

    // The test has answered the dialog; the installation runs on, with the
    // later proposals accepted, to "Done." and the setup ends with 0.
    void ExpectCompleted() {
        SetupAnswers answers;
        answers.installFolder = [](HWND) {};  // still seen while it closes
        ExpectDone(RunSetup(process, answers));
    }
};

class InstallFolderDialog : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveTree(DefaultInstallFolder());
        scratch_ = TempFolder(L"install folder dialog");
    }
    void TearDown() override {
        RemoveTree(DefaultInstallFolder());
        RemoveTree(scratch_);
    }

    // A folder under this test's scratch folder, made with one marker subfolder
    // so that a picker showing it can be recognised.
    std::wstring MarkedFolder(const std::wstring& name) {
        const std::wstring folder = scratch_ + L"\\" + name;
        CreateDirectoryW(folder.c_str(), nullptr);
        CreateDirectoryW((folder + L"\\" + name + L" marker").c_str(), nullptr);
        return folder;
    }

    std::wstring scratch_;
};

TEST_F(InstallFolderDialog, ReadsAsAWindowsDialog) {
    RunningSetup setup;
    ASSERT_NE(setup.dialog, nullptr);
    HWND ok = setup.Button(L"O&k");
    HWND cancel = setup.Button(L"&Cancel");
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_NE(setup.Button(L"&Browse"), nullptr);
    EXPECT_NE(FindControl(setup.dialog, L"Static", L"Folder:"), nullptr);

    RECT okRect{}, cancelRect{};
    GetWindowRect(ok, &okRect);
    GetWindowRect(cancel, &cancelRect);
    EXPECT_LT(okRect.right, cancelRect.left) << "OK sits left of Cancel";
    EXPECT_TRUE(GetWindowLongW(ok, GWL_STYLE) & BS_DEFPUSHBUTTON);

    const LONG style = GetWindowLongW(setup.dialog, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU) << "has a close box";

    RECT client{};
    GetClientRect(setup.dialog, &client);
    EXPECT_EQ(client.right, 400);  // the layout's size at the test display's 96 DPI
    EXPECT_EQ(client.bottom, 216);

    PressKey(setup.field, VK_ESCAPE);
    EXPECT_EQ(setup.process.WaitForExit(), 0u);
}

TEST_F(InstallFolderDialog, OkWithTheProposalInstallsIntoProgramFilesQuillmark) {
    RunningSetup setup;
    ASSERT_NE(setup.field, nullptr);
    EXPECT_EQ(WindowText(setup.field), DefaultInstallFolder());
    Click(setup.Button(L"O&k"));
    setup.ExpectCompleted();
    EXPECT_TRUE(Exists(DefaultInstallFolder() + L"\\Quillmark.exe"));
}

TEST_F(InstallFolderDialog, ATypedFolderIsUsedExactlyAsTyped) {
    // Spaces, two missing parents and a trailing backslash; Enter accepts.
    const std::wstring typed = scratch_ + L"\\New Parent\\Deep Folder\\";
    RunningSetup setup;
    ASSERT_NE(setup.field, nullptr);
    SetText(setup.field, typed);
    PressKey(setup.field, VK_RETURN);
    setup.ExpectCompleted();

    // Paths are the folder followed by "\...": the doubled backslash is harmless.
    EXPECT_TRUE(Exists(typed + L"\\Quillmark.exe"));
    EXPECT_TRUE(Exists(scratch_ + L"\\New Parent\\Deep Folder\\Support\\AppIcons.icl"));
    EXPECT_FALSE(Exists(DefaultInstallFolder()));
}

TEST_F(InstallFolderDialog, CancelEscapeAndTheCloseBoxLeaveNothingBehind) {
    const struct {
        const char* name;
        void (*end)(RunningSetup&);
    } endings[] = {
        {"Cancel", [](RunningSetup& s) { Click(s.Button(L"&Cancel")); }},
        {"Escape", [](RunningSetup& s) { PressKey(s.field, VK_ESCAPE); }},
        {"close box", [](RunningSetup& s) { PostMessageW(s.dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    // What a completed run writes to the registry; earlier tests may have left it.
    RemoveProductRegistrations();

    const std::wstring typed = scratch_ + L"\\Cancelled\\Quillmark";
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.name);
        RunningSetup setup;
        ASSERT_NE(setup.field, nullptr);
        SetText(setup.field, typed);
        ending.end(setup);
        EXPECT_EQ(setup.process.WaitForExit(), 0u);
        EXPECT_EQ(WaitForMessageBox(setup.process, 0), nullptr) << "ends silently";

        EXPECT_FALSE(Exists(scratch_ + L"\\Cancelled"));
        EXPECT_FALSE(Exists(DefaultInstallFolder()));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        for (const std::wstring& key : DocumentTypeKeys())
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key)) << Narrow(key);
    }
}

TEST_F(InstallFolderDialog, BrowseStartsInTheInstallFolderAndAPickedFolderReplacesTheField) {
    const std::wstring typed = MarkedFolder(L"Typed");
    const std::wstring picked = MarkedFolder(L"Picked Folder");
    // A marker in the program-files folder shows where the first picker starts.
    const std::wstring programFilesMarker =
        ProgramFilesDirInRegistry() + L"\\Quillmark test marker";
    CreateDirectoryW(programFilesMarker.c_str(), nullptr);

    RunningSetup setup;
    ASSERT_NE(setup.field, nullptr);
    SetText(setup.field, typed);
    HWND picker = setup.Browse();
    ASSERT_NE(picker, nullptr);
    const std::vector<std::wstring> first = FolderPickerEntries(picker);
    RemoveDirectoryW(programFilesMarker.c_str());
    EXPECT_TRUE(Contains(first, L"Quillmark test marker")) << "starts in the program-files folder";
    EXPECT_FALSE(Contains(first, L"Typed marker")) << "not in the typed folder";

    ConfirmFolderInPicker(picker, picked);
    setup.WaitForPickerToClose();
    // Exactly the picked folder: nothing appended.
    for (int i = 0; i < 50 && WindowText(setup.field) != picked; ++i) Sleep(100);
    EXPECT_EQ(WindowText(setup.field), picked);

    // The second picker starts where the first one ended; cancelling it changes nothing.
    picker = setup.Browse();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(Contains(FolderPickerEntries(picker), L"Picked Folder marker"));
    PressButton(picker, IDCANCEL);
    setup.WaitForPickerToClose();
    EXPECT_EQ(WindowText(setup.field), picked);

    Click(setup.Button(L"O&k"));
    setup.ExpectCompleted();
    EXPECT_TRUE(Exists(picked + L"\\Quillmark.exe"));
    EXPECT_FALSE(Exists(picked + L"\\Quillmark\\Quillmark.exe"));
    EXPECT_FALSE(Exists(DefaultInstallFolder()));
}

TEST_F(InstallFolderDialog, CancellingThePickerKeepsTheTypedFolder) {
    const std::wstring typed = scratch_ + L"\\Typed By Hand";
    RunningSetup setup;
    ASSERT_NE(setup.field, nullptr);
    SetText(setup.field, typed);
    HWND picker = setup.Browse();
    ASSERT_NE(picker, nullptr);
    PressButton(picker, IDCANCEL);
    setup.WaitForPickerToClose();
    EXPECT_EQ(WindowText(setup.field), typed);

    Click(setup.Button(L"O&k"));
    setup.ExpectCompleted();
    EXPECT_TRUE(Exists(typed + L"\\Quillmark.exe"));
}

}  // namespace
