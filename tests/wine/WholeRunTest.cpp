// Whole installations under Wine, driven through the real windows and checked
// in what they leave: the files, the settings file, the registry and the
// shortcut files read back through the shell.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "DocumentTypes.h"
#include "LinkFile.h"
#include "RegistryValues.h"
#include "RunLeftovers.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "support/IniText.h"
#include "support/SettingsExample.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

using Windows = std::vector<SetupWindow>;

// A path with every run of backslashes after the drive made one, as the shell
// resolves it.
std::wstring Collapsed(std::wstring path) {
    for (size_t i; (i = path.find(L"\\\\", 2)) != std::wstring::npos;) path.erase(i, 1);
    return path;
}

// A shortcut as read back, its icon path as the shell resolves it.
std::optional<LinkFields> LoadResolvedLink(const std::wstring& path) {
    std::optional<LinkFields> link = LoadLink(path);
    if (link)
        link->iconPath = Collapsed(link->iconPath);
    return link;
}

// FILETIME of the last write, as one number.
ULONGLONG WriteTime(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

class WholeRun : public ::testing::Test {
protected:
    void SetUp() override {
        desktop_ = ShellFolderPath(L"Desktop");
        programs_ = ShellFolderPath(L"Programs");
        ASSERT_FALSE(desktop_.empty());
        ASSERT_FALSE(programs_.empty());
        CreateDirectoryW(desktop_.c_str(), nullptr);
        scratch_ = TempFolder(L"whole run");
        Clean();
    }
    void TearDown() override {
        Clean();
        RemoveTree(scratch_);
        for (const std::wstring& f : made_) RemoveTree(f);
    }

    // What any run may have left outside the scratch folder.
    void Clean() {
        RemoveRunLeftovers();
        for (const wchar_t* f : {L"\\Quillmark.lnk", L"\\Uninstall.lnk"}) RemoveTree(programs_ + f);
    }
    // A folder in the Programs folder for this test only.
    void MakeProgramsFolder(const std::wstring& name) {
        const std::wstring folder = programs_ + L"\\" + name;
        RemoveTree(folder);
        CreateDirectoryW(folder.c_str(), nullptr);
        made_.push_back(folder);
    }

    std::wstring GroupFolder(const std::wstring& group) const {
        return group.empty() ? programs_ : programs_ + L"\\" + group;
    }

    // Every file of the product, installed in folder; the settings file merged
    // and ending with the recorded group; the configuration file gone.
    void ExpectFiles(const std::wstring& folder, const std::wstring& group) {
        ExpectProductFiles(folder);
        const std::vector<std::string> lines =
            CrLfLines(FileBytes(folder + L"\\Quillmark.ini").value_or(""));
        ASSERT_GE(lines.size(), 2u);
        EXPECT_EQ(lines[lines.size() - 2], "[InstallUninstall]");
        EXPECT_EQ(lines.back(), "StartFolderPath=" + Narrow(group));
        EXPECT_FALSE(Exists(folder + L"\\Quillmark.cfg"));
    }

    void ExpectRegistry(const std::wstring& folder) {
        EXPECT_EQ(StoredString(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString"),
                  L"\"" + folder + L"\\Quillmark.exe\" /uninstall");
        ExpectDocumentTypesFor(folder);
    }

    // The group's two shortcuts, and the desktop's when wanted, as requested.
    void ExpectShortcuts(const std::wstring& folder, const std::wstring& group, bool desktop) {
        const std::wstring exe = Collapsed(folder + L"\\Quillmark.exe");
        const LinkFields program{exe, L"", L"Quillmark 3.90", exe, 0};
        EXPECT_EQ(LoadResolvedLink(GroupFolder(group) + L"\\Quillmark.lnk"), program);
        if (desktop) {
            EXPECT_EQ(LoadResolvedLink(desktop_ + L"\\Quillmark.lnk"), program);
        }
        const std::wstring icons = Collapsed(folder + L"\\Support\\AppIcons.icl");
        EXPECT_EQ(LoadResolvedLink(GroupFolder(group) + L"\\Uninstall.lnk"),
                  (LinkFields{exe, L"/uninstall", L"Uninstall", icons, 3}));
    }

    void ExpectNoShortcutsNorRegistrations() {
        EXPECT_FALSE(Exists(desktop_ + L"\\Quillmark.lnk"));
        EXPECT_FALSE(Exists(programs_ + L"\\Quillmark"));
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".qkmem"));
        EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
    }

    std::wstring desktop_, programs_, scratch_;
    std::vector<std::wstring> made_;
};

TEST_F(WholeRun, AFirstInstallationAcceptedUnchanged) {
    // The list shows the Programs folder's subfolders in the file system's
    // order: dot-named ones too, files not.
    MakeProgramsFolder(L".Dot Tools");
    MakeProgramsFolder(L"Zeta Suite");
    ASSERT_TRUE(WriteBytes(programs_ + L"\\Loose file.lnk", "not a folder"));
    made_.push_back(programs_ + L"\\Loose file.lnk");
    std::vector<std::wstring> expectedRows;
    for (const std::wstring& name : ListFolder(programs_))
        if (IsFolder(programs_ + L"\\" + name))
            expectedRows.push_back(name);

    Process setup = Process::Start(SetupExe());
    std::wstring folder;
    HWND installFolderDialog = nullptr, launchIconsDialog = nullptr;
    SetupAnswers answers;
    answers.seen = [&](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::InstallFolder) {
            installFolderDialog = window;
            folder = ProposedInstallFolder(window);
            made_.push_back(folder);
            RemoveTree(folder);
        }
        if (kind == SetupWindow::Message) {
            // Both dialogs live, hidden, until the final message is answered.
            EXPECT_TRUE(IsWindow(launchIconsDialog) && !IsWindowVisible(launchIconsDialog));
            EXPECT_TRUE(IsWindow(installFolderDialog) && !IsWindowVisible(installFolderDialog));
        }
        if (kind != SetupWindow::LaunchIcons)
            return;
        launchIconsDialog = window;
        // The earlier windows are out of sight, not gone.
        EXPECT_TRUE(IsWindow(installFolderDialog));
        EXPECT_EQ(WaitForWindow(setup, L"", kInstallFolderTitle, 0), nullptr);
        EXPECT_EQ(WaitForWindow(setup, L"", kProgressTitle, 0), nullptr);
        RECT client{};
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 356);
        EXPECT_EQ(client.bottom, 324);
        EXPECT_EQ(WindowText(LaunchIconsGroupField(window)), L"Quillmark");
        EXPECT_EQ(SendMessageW(LaunchIconsOption(window), BM_GETCHECK, 0, 0), BST_CHECKED);
        HWND list = LaunchIconsList(window);
        EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & LVS_NOCOLUMNHEADER);
        EXPECT_EQ(ListViewTexts(list, 1), expectedRows);
        EXPECT_EQ(FindControl(window, L"Button", L"&Cancel"), nullptr);
    };
    const SetupRun run = RunSetup(setup, answers);
    EXPECT_EQ(run.windows, (Windows{SetupWindow::InstallFolder, SetupWindow::LaunchIcons,
                                    SetupWindow::Message}));
    EXPECT_EQ(run.messages, std::vector<std::wstring>{kDone});
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_FALSE(folder.empty());

    ExpectFiles(folder, L"Quillmark");
    ExpectRegistry(folder);
    ExpectShortcuts(folder, L"Quillmark", true);
    EXPECT_EQ(ListFolder(programs_ + L"\\Quillmark"),
              (std::vector<std::wstring>{L"Quillmark.lnk", L"Uninstall.lnk"}));
}

TEST_F(WholeRun, AnUpdateIntoATwoLevelGroupPickedFromTheListWithoutADesktopShortcut) {
    const std::wstring folder = scratch_ + L"\\Quillmark";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(folder + L"\\Quillmark.ini", ExampleOldSettingsFile()));
    ASSERT_TRUE(WriteBytes(folder + L"\\Quillmark.cfg", "earlier configuration"));
    ASSERT_TRUE(WriteBytes(desktop_ + L"\\Quillmark.lnk", "an earlier desktop shortcut"));
    MakeProgramsFolder(L"Accessories");
    MakeProgramsFolder(L"Games");

    SetupAnswers answers;
    answers.launchIcons = [](HWND dialog) {
        HWND field = LaunchIconsGroupField(dialog);
        HWND list = LaunchIconsList(dialog);
        const std::vector<std::wstring> rows = ListViewTexts(list, 1);
        const auto row = [&rows](const wchar_t* name) {
            return static_cast<int>(std::find(rows.begin(), rows.end(), name) - rows.begin());
        };
        SetText(field, L"Typed");
        SelectListRow(list, row(L"Games"));
        EXPECT_EQ(WindowText(field), L"Games\\Quillmark") << "a pick replaces typed text";
        // An edit is kept while the same row stays selected...
        SetText(field, L"Edited");
        SelectListRow(list, row(L"Games"));
        EXPECT_EQ(WindowText(field), L"Edited");
        // ...and a cleared selection makes the same row a move again.
        SelectListRow(list, -1);
        SelectListRow(list, row(L"Games"));
        EXPECT_EQ(WindowText(field), L"Games\\Quillmark");
        SelectListRow(list, row(L"Accessories"));
        EXPECT_EQ(WindowText(field), L"Accessories\\Quillmark");
        SendMessageW(LaunchIconsOption(dialog), BM_SETCHECK, BST_UNCHECKED, 0);
        PressKey(field, VK_RETURN);  // Enter presses "&Next >"
    };
    ExpectDone(RunSetupInto(folder, answers));

    ExpectFiles(folder, L"Accessories\\Quillmark");
    ExpectUsersSettingsMerged(folder, "Accessories\\Quillmark");
    ExpectRegistry(folder);
    ExpectShortcuts(folder, L"Accessories\\Quillmark", false);
    EXPECT_EQ(FileBytes(desktop_ + L"\\Quillmark.lnk"), "an earlier desktop shortcut");
    EXPECT_FALSE(Exists(programs_ + L"\\Quillmark"));
    EXPECT_FALSE(Exists(programs_ + L"\\Games\\Quillmark"));
}

TEST_F(WholeRun, AnEmptyGroupPutsBothShortcutsStraightIntoProgramsAlsoWhenClosedByTheFrame) {
    const std::wstring folder = scratch_ + L"\\Quillmark";
    SetupAnswers answers;
    // The close box ends the dialog as "&Next >" does: the desktop shortcut too.
    answers.launchIcons = [](HWND dialog) {
        SetText(LaunchIconsGroupField(dialog), L"");
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    ExpectDone(RunSetupInto(folder, answers));
    ExpectFiles(folder, L"");
    ExpectShortcuts(folder, L"", true);
}

TEST_F(WholeRun, InstallFoldersWithSpacesAndWithATrailingBackslash) {
    for (const std::wstring& folder :
         {scratch_ + L"\\Plant Logger Tools\\Quillmark", scratch_ + L"\\Trailing\\"}) {
        SCOPED_TRACE(Narrow(folder));
        ExpectDone(RunSetupInto(folder));
        ExpectFiles(folder, L"Quillmark");
        ExpectRegistry(folder);
        ExpectShortcuts(folder, L"Quillmark", true);
        // Joined as given: the doubled backslash goes into the shortcut as written.
        if (folder.back() == L'\\') {
            std::optional<LinkFields> link = LoadLink(programs_ + L"\\Quillmark\\Uninstall.lnk");
            ASSERT_TRUE(link);
            EXPECT_EQ(link->iconPath, folder + L"\\Support\\AppIcons.icl");
        }
        Clean();
    }
}

TEST_F(WholeRun, CancelAtTheFirstDialogMakesNothing) {
    SetupAnswers answers;
    answers.installFolder = [this](HWND dialog) {
        SetText(InstallFolderField(dialog), scratch_ + L"\\Cancelled");
        CancelInstallFolder()(dialog);
    };
    const SetupRun run = RunSetup(answers);
    EXPECT_EQ(run.windows, Windows{SetupWindow::InstallFolder});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_FALSE(Exists(scratch_ + L"\\Cancelled"));
    ExpectNoShortcutsNorRegistrations();
}

TEST_F(WholeRun, AFailedExtractionShowsNoSecondDialogAndMakesNoShortcut) {
    const std::wstring folder = scratch_ + L"\\Quillmark";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const std::wstring program = folder + L"\\Quillmark.exe";
    ASSERT_TRUE(WriteBytes(program, "the running product"));
    KernelHandle lock = HoldWithoutSharing(program);
    ASSERT_TRUE(lock.Valid());
    const SetupRun run = RunSetupInto(folder);
    EXPECT_EQ(run.windows, (Windows{SetupWindow::InstallFolder, SetupWindow::Message}));
    EXPECT_EQ(run.messages, std::vector<std::wstring>{kFailed});
    EXPECT_EQ(run.exitCode, 1u);
    ExpectNoShortcutsNorRegistrations();
}

TEST_F(WholeRun, ACompletedRunChangesThingsInItsOrder) {
    const std::wstring folder = scratch_ + L"\\Quillmark";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    ASSERT_TRUE(WriteBytes(folder + L"\\Quillmark.cfg", "earlier configuration"));
    const std::wstring settings = folder + L"\\Quillmark.ini";
    SetupAnswers answers;
    answers.seen = [&](SetupWindow kind, HWND) {
        if (kind == SetupWindow::LaunchIcons) {
            // Product files, the configuration file's deletion and the
            // uninstall entry come before the dialog...
            for (const wchar_t* file : kProductFiles)
                EXPECT_TRUE(Exists(folder + L"\\" + file)) << Narrow(file);
            EXPECT_FALSE(Exists(folder + L"\\Quillmark.cfg"));
            EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
            // ...shortcuts, the merged settings file and the associations after it.
            EXPECT_FALSE(Exists(desktop_ + L"\\Quillmark.lnk"));
            EXPECT_FALSE(Exists(programs_ + L"\\Quillmark"));
            EXPECT_TRUE(FileBytes(settings) == ProductBytes(L"Quillmark.ini"));
            EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L".qkmem"));
        }
        if (kind == SetupWindow::Message) {
            // Done. comes last, when everything is there.
            EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"Quillmark.qkint.File"));
            EXPECT_LE(WriteTime(programs_ + L"\\Quillmark\\Uninstall.lnk"), WriteTime(settings));
        }
    };
    const SetupRun run = RunSetupInto(folder, answers);
    EXPECT_EQ(run.windows, (Windows{SetupWindow::InstallFolder, SetupWindow::LaunchIcons,
                                    SetupWindow::Message}));
    EXPECT_EQ(run.LastMessage(), kDone);
    ExpectFiles(folder, L"Quillmark");
}

// Pictures of every window of a run, at three screen densities, kept in the
// build's screenshots folder for people to look at; the test checks only
// that each window grew with the density.
TEST_F(WholeRun, ScreenshotsOfEveryWindowAtThreeDensities) {
    SetProcessDPIAware();  // pictures in the screen's own pixels
    for (const int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        const ScreenDensity density(static_cast<DWORD>(dpi));
        for (const bool fail : {false, true}) {
            const std::wstring folder = scratch_ + L"\\Shots" + std::to_wstring(dpi);
            RemoveTree(folder);
            std::optional<KernelHandle> lock;
            if (fail) {
                CreateDirectoryW(folder.c_str(), nullptr);
                WriteBytes(folder + L"\\Quillmark.exe", "locked");
                lock.emplace(HoldWithoutSharing(folder + L"\\Quillmark.exe"));
            }
            int n = 0;
            SetupAnswers answers;
            answers.seen = [&](SetupWindow kind, HWND window) {
                Sleep(300);  // drawn
                const wchar_t* names[] = {L"install-folder", L"launch-icons", L"message",
                                          L"progress"};
                const std::wstring file = ScreenshotFolder() + L"\\" + std::to_wstring(dpi) +
                                          L"dpi-" + (fail ? L"failed-" : L"") +
                                          std::to_wstring(++n) + L"-" +
                                          names[static_cast<int>(kind)] + L".bmp";
                SaveScreenshot(window, file);
                if (kind == SetupWindow::InstallFolder || kind == SetupWindow::LaunchIcons) {
                    RECT client{};
                    GetClientRect(window, &client);
                    const int width = kind == SetupWindow::InstallFolder ? 400 : 356;
                    EXPECT_EQ(client.right, MulDiv(width, dpi, 96));
                }
                if (kind == SetupWindow::LaunchIcons) {
                    EXPECT_EQ(ListRowHeight(LaunchIconsList(window)), MulDiv(18, dpi, 96));
                }
            };
            EXPECT_EQ(RunSetupInto(folder, answers).LastMessage(), fail ? kFailed : kDone);
            Clean();
        }
    }
}

}  // namespace
