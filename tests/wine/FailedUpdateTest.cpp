// Updates that cannot complete, run under Wine with the real setup: a full
// disk, files held by another program, a damaged stream, a setup ended by
// force. Each leaves the earlier installation as it was, byte for byte.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <cstdio>
#include <map>
#include <random>

#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "support/EarlierInstallation.h"
#include "support/FileTree.h"
#include "support/IniText.h"
#include "support/SettingsExample.h"
#include "win32/Utf.h"
#include "win32/Win32FileSystem.h"

using namespace driver;

namespace {

constexpr int kAppIcons = 5;
constexpr int kProjectXml = 6;
constexpr int kLastFile = 9;

std::wstring SettingsFile(const std::wstring& folder) {
    return folder + L"\\Quillmark.ini";
}

// An earlier installation of the real product's files, alone in folder.
void MakeEarlierInstallation(const std::wstring& folder) {
    RemoveTree(folder);
    std::vector<ProductFile> files;
    for (const wchar_t* file : kProductFiles) files.push_back({Narrow(file), ProductBytes(file)});
    Win32FileSystem disk;
    ASSERT_TRUE(::MakeEarlierInstallation(disk, Narrow(folder), files));
}

FileTree TreeOf(const std::wstring& root) {
    Win32FileSystem disk;
    return ReadTree(disk, Narrow(root));
}

// The setup started with folder typed into its first dialog and accepted.
Process StartInto(const std::wstring& exe, const std::wstring& folder) {
    Process setup = Process::Start(exe);
    EXPECT_TRUE(setup.Started());
    HWND dialog = WaitForInstallFolderDialog(setup, 60000);
    EXPECT_NE(dialog, nullptr);
    if (dialog)
        TypeInstallFolder(folder)(dialog);
    return setup;
}

// The setup run into folder, answering every window as a user who accepts
// everything, until it ends; atLaunchIcons runs before that dialog is
// answered, and unpackSeconds, when asked for, is the time from the progress
// window to the next dialog or message.
SetupRun RunInto(const std::wstring& exe, const std::wstring& folder,
                 const std::function<void()>& atLaunchIcons = nullptr,
                 double* unpackSeconds = nullptr) {
    using Clock = std::chrono::steady_clock;
    Process setup = Process::Start(exe);
    EXPECT_TRUE(setup.Started());
    bool progressSeen = false, unpacked = false;
    Clock::time_point start{};
    SetupAnswers answers;
    answers.installFolder = TypeInstallFolder(folder);
    answers.seen = [&](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::LaunchIcons && atLaunchIcons)
            atLaunchIcons();
        if (kind == SetupWindow::Other && !progressSeen && WindowText(window) == kProgressTitle) {
            progressSeen = true;
            start = Clock::now();
        } else if (progressSeen && !unpacked &&
                   (kind == SetupWindow::Message || kind == SetupWindow::LaunchIcons)) {
            unpacked = true;
            if (unpackSeconds)
                *unpackSeconds = std::chrono::duration<double>(Clock::now() - start).count();
        }
    };
    const SetupRun run = RunSetup(setup, answers, 180000);
    if (!progressSeen)
        ADD_FAILURE() << "no progress window";
    return run;
}

// The setup's own files, left beside the product's.
std::vector<std::string> Leftovers(const FileTree& tree) {
    std::vector<std::string> left;
    for (const auto& [path, data] : tree.entries)
        if (path.find(".setup-") != std::string::npos)
            left.push_back(path);
    return left;
}

void ExpectNoLeftovers(const std::wstring& folder) {
    const FileTree now = TreeOf(folder);
    EXPECT_TRUE(Leftovers(now).empty()) << ::testing::PrintToString(now);
}

// The settings file holds the user's language and device, whatever else.
bool HoldsUsersValues(const std::wstring& folder) {
    const std::optional<std::string> bytes = FileBytes(SettingsFile(folder));
    return bytes && HoldsExampleUsersValues(*bytes);
}

class FailedUpdate : public ::testing::Test {
protected:
    const std::wstring folder = L"C:\\QuillmarkUpdate";
    void SetUp() override {
        MakeEarlierInstallation(folder);
        earlier = TreeOf(folder);
    }
    void TearDown() override { RemoveTree(folder); }
    FileTree earlier;
};

TEST_F(FailedUpdate, ADamagedStreamInTheLastGroupLeavesTheEarlierInstallation) {
    ExpectFailed(RunInto(DamagedSetupCopy(TempFolder(L"damaged-last"), kLastFile), folder));
    EXPECT_EQ(TreeOf(folder), earlier);
}

// What the holder of an open file reads now, from the start.
std::string ContentThrough(const KernelHandle& file) {
    SetFilePointer(file.Get(), 0, nullptr, FILE_BEGIN);
    std::string data(1 << 20, '\0');
    DWORD got = 0;
    ReadFile(file.Get(), &data[0], static_cast<DWORD>(data.size()), &got, nullptr);
    data.resize(got);
    return data;
}

TEST_F(FailedUpdate, ALaterGroupsFileHeldWithoutSharingLeavesTheEarlierInstallation) {
    {
        const KernelHandle held = HoldWithoutSharing(folder + L"\\" + kProductFiles[kProjectXml]);
        ASSERT_TRUE(held.Valid());
        ExpectFailed(RunInto(SetupExe(), folder));
    }
    EXPECT_EQ(TreeOf(folder), earlier);
}

// What the C runtime's fopen gives: reading and writing shared, deleting not.
// Such a file cannot be replaced in one step, and writing into it in place
// could leave it half old, half new for its holder: the update stops instead.
TEST_F(FailedUpdate, AFileHeldWithReadAndWriteSharingStopsTheUpdateUntouched) {
    const std::wstring path = folder + L"\\" + kProductFiles[kAppIcons];
    {
        // Held by the test itself, another process to the setup.
        const KernelHandle held(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held.Valid());
        const std::string before = ContentThrough(held);
        ExpectFailed(RunInto(SetupExe(), folder));
        EXPECT_TRUE(ContentThrough(held) == before);
    }
    EXPECT_EQ(TreeOf(folder), earlier);
}

// Whether the commit waits on file alone: its staged copy is the last one left.
bool CommitWaitsOnlyFor(const std::wstring& folder, const std::wstring& file) {
    std::vector<std::wstring> staged;
    for (const std::wstring& path : ListTree(folder))
        if (path.find(L".setup-tmp") != std::wstring::npos)
            staged.push_back(path);
    return staged.size() == 1 && staged[0].rfind(file + L".", 0) == 0;
}

// A rollback refused at every file, as when the drive goes away after the
// commit has put the new files in place: a folder stands where the last file
// goes, and the test holds every other one once it is in place. Meanwhile the
// progress window answers promptly whoever asks (Windows asks so before it
// marks a window "Not Responding"), the waiting ends, and the next run
// finishes the update.
TEST_F(FailedUpdate, ARollBackRefusedThroughoutKeepsTheWindowAnsweringAndEnds) {
    const std::wstring last = folder + L"\\" + kProductFiles[kLastFile];
    ASSERT_TRUE(DeleteFileW(last.c_str()) && CreateDirectoryW(last.c_str(), nullptr));
    std::vector<KernelHandle> held;
    int asked = 0, late = 0, heardAsProgressBar = 0;
    Process setup = Process::Start(SetupExe());
    SetupAnswers answers;
    answers.installFolder = TypeInstallFolder(folder);
    answers.seen = [&](SetupWindow kind, HWND window) {
        if (kind != SetupWindow::Other || WindowText(window) != kProgressTitle)
            return;
        // Until the setup shows its message, or ends without one.
        auto waiting = [&] {
            return !WaitForMessageBox(setup, 0) && setup.WaitForExit(0) == STILL_ACTIVE;
        };
        while (!CommitWaitsOnlyFor(folder, kProductFiles[kLastFile]) && waiting())
            ;
        for (int i = 0; i < kLastFile; ++i)
            if (i != kSettingsFile)  // the user's file: left in place until the merge
                held.push_back(HoldWithoutSharing(folder + L"\\" + kProductFiles[i]));
        // Answered within a second: far within the five after which Windows
        // ghosts a window, and shorter than the longest wait between two tries.
        for (DWORD_PTR result; waiting(); ++asked) {
            late += !SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result);
            heardAsProgressBar += AskScreenReader(window).role == ROLE_SYSTEM_PROGRESSBAR;
        }
    };
    const SetupRun run = RunSetup(setup, answers, 180000);
    ExpectFailed(run);
    std::printf("the progress window was asked %d times while the setup waited\n", asked);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(late, 0) << "of " << asked;
    EXPECT_EQ(heardAsProgressBar, asked);
    held.clear();
    EXPECT_FALSE(Leftovers(TreeOf(folder)).empty()) << "every earlier file was put back";
    RemoveTree(last);

    ExpectDone(RunInto(SetupExe(), folder));
    ExpectNoLeftovers(folder);
    EXPECT_TRUE(HoldsUsersValues(folder));
}

// An earlier installation on the small drive that the test command maps as
// the drive named in QUILLMARK_SMALL_DRIVE when it may mount one (as root).
class FailedUpdateOnASmallDrive : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t drive[8] = {};
        if (!GetEnvironmentVariableW(L"QUILLMARK_SMALL_DRIVE", drive, 8) ||
            GetDriveTypeW((std::wstring(drive) + L"\\").c_str()) == DRIVE_NO_ROOT_DIR)
            GTEST_SKIP() << "no small drive: making one needs root";
        root = drive;
        folder = root + L"\\Quillmark";
        filler = root + L"\\filler";
        MakeEarlierInstallation(folder);
    }
    void TearDown() override {
        if (root.empty())
            return;
        RemoveTree(folder);
        DeleteFileW(filler.c_str());
    }
    // Writes a file that leaves room bytes of the drive free.
    bool FillAllBut(ULONGLONG room) const {
        ULARGE_INTEGER free{};
        return GetDiskFreeSpaceExW((root + L"\\").c_str(), &free, nullptr, nullptr) &&
               free.QuadPart > room &&
               WriteBytes(filler, std::string(static_cast<size_t>(free.QuadPart - room), 'f'));
    }
    std::wstring root, folder, filler;
};

// The install folder on a drive that holds the earlier installation but not a
// second copy.
TEST_F(FailedUpdateOnASmallDrive, AFullDiskLeavesTheEarlierInstallation) {
    // Room for every new file but the last half of the last one.
    ULONGLONG room = ProductBytes(kProductFiles[kLastFile]).size() / 2;
    for (int i = 0; i < kLastFile; ++i) room += ProductBytes(kProductFiles[i]).size();
    ASSERT_TRUE(FillAllBut(room)) << "the small drive is too small for the test";
    const FileTree before = TreeOf(root);

    ExpectFailed(RunInto(SetupExe(), folder));
    EXPECT_EQ(TreeOf(root), before);
}

// Windows Installer replaces a read-only file like any other; so does the
// setup, and the next update finds nothing in its way.
TEST_F(FailedUpdate, ReadOnlyEarlierFilesAreReplacedAndTheNextUpdateSucceeds) {
    for (int file : {0, kSettingsFile}) {
        SCOPED_TRACE(Narrow(kProductFiles[file]));
        MakeEarlierInstallation(folder);
        const std::wstring path = folder + L"\\" + kProductFiles[file];
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        for (int run = 1; run <= 2; ++run) {
            SCOPED_TRACE("update " + std::to_string(run));
            ExpectDone(RunInto(SetupExe(), folder));
            ExpectNoLeftovers(folder);
            EXPECT_TRUE(HoldsUsersValues(folder));
            EXPECT_TRUE(FileBytes(folder + L"\\" + kProductFiles[0]) ==
                        ProductBytes(kProductFiles[0]));
        }
    }
}

// An install folder that other programs use too, picked with Browse: their
// files named as the setup names its own stay, even one that is held.
TEST_F(FailedUpdate, AnotherProgramsFilesNamedAsTheSetupsOwnAreLeftAsTheyAre) {
    const std::map<std::string, std::string> others = {
        {"\\notes.setup-old", "another program's notes"},
        {"\\data.12345678.setup-tmp", "their data"},
        {"\\Documentations\\notes.setup-old", "their manual's notes"},
        {"\\Support\\data.12345678.setup-tmp", "their support data"},
        {"\\Sources\\notes.setup-old", "their sources' notes"}};
    for (const auto& [path, data] : others) ASSERT_TRUE(WriteBytes(folder + Widen(path), data));
    {
        const KernelHandle held = HoldWithoutSharing(folder + L"\\notes.setup-old");
        ExpectDone(RunInto(SetupExe(), folder));
    }
    const FileTree now = TreeOf(folder);
    for (const auto& [path, data] : others)
        EXPECT_TRUE(now.entries.count(path) && now.entries.at(path) == data) << path;
    EXPECT_EQ(Leftovers(now).size(), others.size())
        << ::testing::PrintToString(now);  // none of the setup's own
    EXPECT_TRUE(HoldsUsersValues(folder));
}

// Ended by force while the launch-icons dialog waits, long after the
// extraction: the user's settings file is still there byte for byte, and the
// next run merges from it.
TEST_F(FailedUpdate, EndedAtTheLaunchIconsDialogTheUsersSettingsFileIsUntouched) {
    {
        Process setup = StartInto(SetupExe(), folder);
        ASSERT_NE(WaitForWindow(setup, L"", kLaunchIconsTitle, 120000), nullptr);
        setup.WaitForExit(1);  // ends it
    }
    // Every file was in place: not even the run's journal is left.
    ExpectNoLeftovers(folder);
    EXPECT_EQ(FileBytes(SettingsFile(folder)), ExampleOldSettingsFile());
    ExpectDone(RunInto(SetupExe(), folder));
    EXPECT_TRUE(HoldsUsersValues(folder));
    ExpectNoLeftovers(folder);
}

// The drive fills up after the extraction, while the launch-icons dialog
// waits: the merged settings cannot be written, and the user's file stays.
TEST_F(FailedUpdateOnASmallDrive, AFullDiskAtTheSettingsWriteLeavesTheUsersFile) {
    ExpectDone(RunInto(SetupExe(), folder, [&] { FillAllBut(0); }));  // the write reports nothing
    EXPECT_EQ(FileBytes(SettingsFile(folder)), ExampleOldSettingsFile());
    ExpectNoLeftovers(folder);
}

// A setup ended by force at random moments of its extraction: each time the
// settings file is whole, the user's or a new one, and a rerun completes.
TEST_F(FailedUpdate, ASetupEndedByForceLeavesAWholeSettingsFileAndARerunCompletes) {
    const std::string users = ExampleOldSettingsFile();
    // The whole file a completed run writes over the user's, its program
    // group the one proposed.
    const std::vector<std::string> merged = ExampleMergedLines(Narrow(folder), "Quillmark");
    auto isMerged = [&](const std::string& bytes) { return CrLfLines(bytes) == merged; };

    const unsigned seed = static_cast<unsigned>(GetTickCount());
    std::printf("random moments from seed %u\n", seed);
    std::mt19937 random(seed);
    // How long unpacking takes on this machine now, measured by each rerun.
    double unpackSeconds = 1.0;
    constexpr int kTimes = 24;
    // Where the ends fell, for the log: while files of the run's own stood
    // beside the product's, and else with the user's or the merged settings.
    int whileStaging = 0, usersFile = 0, mergedFile = 0;
    for (int i = 0; i < kTimes; ++i) {
        ASSERT_TRUE(WriteBytes(SettingsFile(folder), users));
        // At least 1 ms: a wait of 0 only asks whether the setup has ended and
        // would leave it running beside the rerun.
        const DWORD delayMs = std::uniform_int_distribution<DWORD>(
            1, static_cast<DWORD>(unpackSeconds * 1200))(random);
        SCOPED_TRACE("ended " + std::to_string(delayMs) + " ms into extraction, time " +
                     std::to_string(i + 1));
        {
            Process setup = StartInto(SetupExe(), folder);
            WaitForWindow(setup, L"", kProgressTitle, 20000);
            setup.WaitForExit(delayMs);  // ends it when still running then
        }
        const std::optional<std::string> read = FileBytes(SettingsFile(folder));
        ASSERT_TRUE(read);
        const std::string& left = *read;
        // Never the package's defaults in place of the user's values.
        EXPECT_TRUE(left == users || isMerged(left)) << left;
        if (!Leftovers(TreeOf(folder)).empty())
            ++whileStaging;
        else if (left == users)
            ++usersFile;
        else
            ++mergedFile;

        double took = 0;
        const SetupRun rerun = RunInto(SetupExe(), folder, nullptr, &took);
        ASSERT_EQ(rerun.LastMessage(), kDone);
        EXPECT_EQ(rerun.exitCode, 0u);
        unpackSeconds = std::max(0.2, took);
        const std::optional<std::string> settings = FileBytes(SettingsFile(folder));
        ASSERT_TRUE(settings);
        EXPECT_TRUE(isMerged(*settings)) << *settings;
        EXPECT_TRUE(HoldsUsersValues(folder));
        ExpectProductFiles(folder);
        ExpectNoLeftovers(folder);
        if (HasFailure())
            return;
    }
    std::printf(
        "ended with files of its own beside the product's %d times; else with the user's "
        "settings file %d times, with the merged one %d\n",
        whileStaging, usersFile, mergedFile);
}

}  // namespace
