// An update keeps what the user had through whatever happens to it: the
// setup stopped by force at any step, files held by other programs for a
// while or for good, a volume without second names, a settings file that
// cannot be read, a second run over the same folder. Each case runs the
// setup's main sequence over an earlier installation with the user's own values.
#include <gtest/gtest.h>

#include <functional>

#include "base/RunNames.h"
#include "settings/SaveIniDocument.h"
#include "settings/SettingsFile.h"
#include "support/EarlierInstallation.h"
#include "support/FaultyFileSystem.h"
#include "support/FileTree.h"
#include "support/SampleBytes.h"
#include "support/ScriptedSetup.h"
#include "support/SettingsExample.h"
#include "support/ShellFixture.h"
#include "support/TestPackage.h"

namespace {

const std::string kFolder = "C:\\Apps\\Quillmark";
const std::string kSettings = kFolder + "\\Quillmark.ini";
const std::string kProgram = kFolder + "\\Quillmark.exe";
const std::string kIcons = kFolder + "\\Support\\AppIcons.icl";
constexpr std::uint32_t kSharingViolation = 32;  // ERROR_SHARING_VIOLATION

const std::vector<TestPackage::Group> kPackageFiles = {
    {"\\",
     {{"Quillmark.exe", SampleBytes(30000, 1)},
      {"Quillmark.ini", "[App]\r\nLanguage=EN-US\r\n[Communication]\r\nDevice=5\r\n"},
      {"libnodave.dll", SampleBytes(5000, 2)}}},
    {"\\Support\\", {{"AppIcons.icl", SampleBytes(3000, 3)}}},
};

const TestPackage& Package() {
    static const TestPackage package(kPackageFiles);
    return package;
}

void MakeEarlierInstallation(MemoryFileSystem& fs) {
    MakeEarlierInstallation(fs, kFolder, FilesOf(kPackageFiles));
}

using Files = std::map<std::string, std::string>;

// Names of the setup's own, left behind.
std::vector<std::string> Leftovers(const Files& files) {
    std::vector<std::string> left;
    for (const auto& [path, data] : files)
        if (ParseRunFileName(path.substr(path.rfind('\\') + 1)))
            left.push_back(path);
    return left;
}

// What one run of the setup came to.
struct Outcome {
    bool extracted = false;
    ExtractFailure failure;
};

// One run of the setup, answering every window.
Outcome RunSetup(MemoryFileSystem& fs, const std::string& id) {
    MemoryRegistry registry;
    NameShellFolders(registry);
    RecordingShortcutWriter shortcuts;
    ScriptedSetup setup({registry, fs, shortcuts}, Package().Groups(), kFolder);
    // Nothing of its own left while the launch-icons dialog waits, maybe for minutes.
    setup.atLaunchIcons = [&] {
        for (const std::string& path : Leftovers(fs.files))
            EXPECT_EQ(path.find("." + id + "."), std::string::npos) << path;
    };
    const bool extracted = setup.Run(id) == kExitCompleted;
    return {extracted, setup.failure};
}

// The user's language and device, as the settings file holds them now.
bool HoldsUsersValues(const Files& files) {
    auto it = files.find(kSettings);
    return it != files.end() && HoldsExampleUsersValues(it->second);
}

struct Installations {
    Files earlier, complete;
};

Installations Expected(bool hardLinks) {
    FaultyFileSystem fs;
    fs.hardLinks = hardLinks;
    MakeEarlierInstallation(fs);
    Installations expected{fs.files, {}};
    EXPECT_TRUE(RunSetup(fs, "0000000A").extracted);
    expected.complete = fs.files;
    return expected;
}

// Where the earlier content of path is kept: under its name or, on a volume
// without second names, under the name a run kept it aside by.
const std::string* EarlierOrNew(const Files& files, const std::string& path) {
    auto it = files.find(path);
    if (it != files.end())
        return &it->second;
    for (const auto& [other, data] : files) {
        const std::optional<RunFileName> name =
            ParseRunFileName(other.substr(other.rfind('\\') + 1));
        if (name && name->kind == RunFileName::Kind::keptAside &&
            other.substr(0, other.rfind('\\') + 1) + name->target == path)
            return &data;
    }
    return nullptr;
}

// Each file of the earlier installation is there with its earlier or its new
// content, or gone where the update removes it, and the settings file is the
// user's or the complete merged one.
void ExpectNothingLost(const Files& files, const Installations& expected) {
    for (const auto& [path, data] : expected.earlier) {
        const std::string* found = EarlierOrNew(files, path);
        auto now = expected.complete.find(path);
        if (now == expected.complete.end() && !found)
            continue;  // what a completed update removes: the configuration file
        ASSERT_NE(found, nullptr) << path << " is gone";
        EXPECT_TRUE(*found == data || (now != expected.complete.end() && *found == now->second))
            << path;
    }
    EXPECT_TRUE(HoldsUsersValues(files));
}

TEST(NothingLostTest, StoppedAtAnyStepTheNextRunFinishesTheUpdateWithTheUsersValues) {
    for (bool hardLinks : {true, false}) {
        SCOPED_TRACE(hardLinks ? "NTFS" : "FAT");
        const Installations expected = Expected(hardLinks);
        FaultyFileSystem recorded;
        recorded.hardLinks = hardLinks;
        MakeEarlierInstallation(recorded);
        recorded.takeSnapshots = true;
        ASSERT_TRUE(RunSetup(recorded, "0000000B").extracted);
        ASSERT_GT(recorded.snapshots.size(), 20u);
        for (size_t step = 0; step < recorded.snapshots.size(); ++step) {
            SCOPED_TRACE("stopped before step " + std::to_string(step + 1));
            const FaultyFileSystem::Snapshot& stopped = recorded.snapshots[step];
            ExpectNothingLost(stopped.files, expected);
            MemoryFileSystem fs;
            fs.hardLinks = hardLinks;
            fs.files = stopped.files;
            fs.folders = stopped.folders;
            const Outcome next = RunSetup(fs, "0000000C");
            EXPECT_TRUE(next.extracted) << next.failure.path;
            EXPECT_EQ(FileTree{fs.files}, FileTree{expected.complete});
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

// An earlier version of the setup moved the settings file to its backup
// before writing the new one; where that failed, the backup is all that is
// left of the user's settings. The update carries them from it and keeps it;
// the next update, with the user's values in the file again, removes it.
TEST(NothingLostTest, ABackupThatIsTheOnlyCopyOfTheSettingsIsReadAndKept) {
    MemoryFileSystem fs;
    MakeEarlierInstallation(fs);
    const std::string backup = IniBackupPath(kSettings), users = fs.files.at(kSettings);
    fs.files[backup] = users;
    fs.files.erase(kSettings);
    EXPECT_TRUE(RunSetup(fs, "0000000B").extracted);
    EXPECT_TRUE(HoldsUsersValues(fs.files));
    EXPECT_EQ(fs.files.at(backup), users);

    EXPECT_TRUE(RunSetup(fs, "0000000C").extracted);
    EXPECT_TRUE(HoldsUsersValues(fs.files));
    EXPECT_FALSE(fs.files.count(backup));
}

// Other programs holding files: for a moment, then let go, or for good.
struct Hold {
    const char* name;
    std::function<void(MemoryFileSystem&)> place;
    bool hardLinks;
    bool extracted;                 // the run still installs the product
    bool settingsRewritten;         // the merged settings replace the user's file
    bool leavesForNextRun = false;  // what it could not finish, the next run does
};

void HoldFor(MemoryFileSystem& fs, std::set<std::string>& how, const std::string& path,
             int pauses) {
    how.insert(path);
    if (pauses > 0)
        fs.releasedAfterPauses[path] = pauses;
}

// The icons held for good, and the new program by a scanner for that many
// pauses (0: for good), once it is in place.
void HeldOnceInPlace(MemoryFileSystem& fs, int pauses) {
    fs.afterMove = [&fs, pauses](const std::string& to) {
        if (to != kProgram)
            return;
        HoldFor(fs, fs.locked, kIcons, 0);
        HoldFor(fs, fs.sharedWithoutDelete, kProgram, pauses);
    };
}

// Named flags for the table below.
constexpr bool kNtfs = true, kFat = false;
constexpr bool kInstalls = true, kRefused = false;
constexpr bool kMerged = true, kUsersFileKept = false;

const Hold kHolds[] = {
    {"the settings file unreadable for a moment",
     [](MemoryFileSystem& fs) { HoldFor(fs, fs.unreadable, kSettings, 2); }, kNtfs, kInstalls,
     kMerged},
    {"the settings file unreadable for good",
     [](MemoryFileSystem& fs) { HoldFor(fs, fs.unreadable, kSettings, 0); }, kNtfs, kInstalls,
     kUsersFileKept},
    {"the settings file held without delete sharing for good",
     [](MemoryFileSystem& fs) { HoldFor(fs, fs.sharedWithoutDelete, kSettings, 0); }, kNtfs,
     kInstalls, kUsersFileKept},
    {"the settings write refused for good (a full disk)",
     [](MemoryFileSystem& fs) { fs.locked.insert(RunNames("0000000B").Staged(kSettings)); }, kNtfs,
     kInstalls, kUsersFileKept},
    {"the program held for a moment",
     [](MemoryFileSystem& fs) { HoldFor(fs, fs.locked, kProgram, 3); }, kNtfs, kInstalls, kMerged},
    {"the program held for good", [](MemoryFileSystem& fs) { HoldFor(fs, fs.locked, kProgram, 0); },
     kNtfs, kRefused, kUsersFileKept},
    // Held from the moment the new program is in place: before, every earlier
    // file could be replaced, and the commit began.
    {"on FAT, a later file held for good and the new program held by a scanner for a while",
     [](MemoryFileSystem& fs) { HeldOnceInPlace(fs, 9); },  // past the commit's retries
     kFat, kRefused, kUsersFileKept},
    {"on FAT, a later file held for good and the new program held by a scanner for good",
     [](MemoryFileSystem& fs) { HeldOnceInPlace(fs, 0); }, kFat, kRefused, kUsersFileKept, true},
};

TEST(NothingLostTest, FilesHeldByOtherProgramsNeverCostTheUserAnything) {
    for (const Hold& hold : kHolds) {
        SCOPED_TRACE(hold.name);
        const Installations expected = Expected(hold.hardLinks);
        MemoryFileSystem fs;
        fs.hardLinks = hold.hardLinks;
        fs.failureCode = kSharingViolation;
        MakeEarlierInstallation(fs);
        hold.place(fs);
        const Outcome outcome = RunSetup(fs, "0000000B");
        EXPECT_EQ(outcome.extracted, hold.extracted);
        ExpectNothingLost(fs.files, expected);
        if (!outcome.extracted) {
            EXPECT_EQ(outcome.failure.osError, kSharingViolation);
        }
        if (hold.settingsRewritten)
            EXPECT_EQ(fs.files.at(kSettings), expected.complete.at(kSettings));
        else
            EXPECT_EQ(fs.files.at(kSettings), ExampleOldSettingsFile());  // byte for byte
        if (hold.extracted || hold.leavesForNextRun)
            continue;
        // Refused, and rolled back whole: the earlier installation as it was.
        EXPECT_EQ(FileTree{fs.files}, FileTree{expected.earlier});
    }
}

TEST(NothingLostTest, WhatARollBackCouldNotPutBackTheNextRunDoes) {
    const Hold& scanner = kHolds[std::size(kHolds) - 1];
    const Installations expected = Expected(false);
    MemoryFileSystem fs;
    fs.hardLinks = false;
    MakeEarlierInstallation(fs);
    scanner.place(fs);
    ASSERT_FALSE(RunSetup(fs, "0000000B").extracted);
    EXPECT_FALSE(Leftovers(fs.files).empty());
    // The earlier program lives on beside the new one until the next run.
    EXPECT_EQ(fs.files.at(RunNames("0000000B").KeptAside(kProgram)),
              EarlierVersion(SampleBytes(30000, 1)));
    fs.afterMove = nullptr;
    fs.sharedWithoutDelete.clear();
    fs.locked.clear();
    ASSERT_TRUE(RunSetup(fs, "0000000C").extracted);
    EXPECT_EQ(FileTree{fs.files}, FileTree{expected.complete});
}

// A second run over the folder while the first is stopped at any step of its
// own: it installs whole, and leaves every file of the first run's alone.
// When the first one ends, a third run finds everything to finish.
TEST(NothingLostTest, ASecondRunNeverTouchesWhatARunningOneHolds) {
    const Installations expected = Expected(true);
    FaultyFileSystem recorded;
    MakeEarlierInstallation(recorded);
    recorded.takeSnapshots = true;
    ASSERT_TRUE(RunSetup(recorded, "0000000A").extracted);
    const std::string firstJournal = RunNames("0000000A").Journal(kFolder + "\\");
    for (size_t step = 0; step < recorded.snapshots.size(); ++step) {
        SCOPED_TRACE("the first run at step " + std::to_string(step + 1));
        MemoryFileSystem fs;
        fs.files = recorded.snapshots[step].files;
        fs.folders = recorded.snapshots[step].folders;
        if (fs.files.count(firstJournal))
            fs.sharedWithoutDelete.insert(firstJournal);  // it still runs
        std::map<std::string, std::string> firstRunsFiles;
        for (const std::string& path : Leftovers(fs.files))
            if (path.find(".0000000A.") != std::string::npos)
                firstRunsFiles[path] = fs.files.at(path);

        EXPECT_TRUE(RunSetup(fs, "0000000B").extracted);
        for (const auto& [path, data] : firstRunsFiles) {
            auto it = fs.files.find(path);
            EXPECT_TRUE(it != fs.files.end() && it->second == data) << path;
        }
        ExpectNothingLost(fs.files, expected);

        fs.LetEverythingGo();  // the first run ends, stopped
        EXPECT_TRUE(RunSetup(fs, "0000000C").extracted);
        EXPECT_EQ(FileTree{fs.files}, FileTree{expected.complete});
        if (::testing::Test::HasFailure())
            return;
    }
}

}  // namespace
