// An update that fails, at whichever step and for whatever reason, leaves the
// earlier installation exactly as it was; one that succeeds leaves exactly the
// new one. Nothing of the setup's own is left behind either way.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "base/Retry.h"
#include "package/Extract.h"
#include "package/MyProgress.h"
#include "package/RunJournal.h"
#include "package/StagedFiles.h"
#include "support/FaultyFileSystem.h"
#include "support/FileTree.h"
#include "support/RecordingProgress.h"
#include "support/SampleBytes.h"
#include "support/TestPackage.h"

namespace {

const std::string kDrive = "C:";
const std::string kFolder = kDrive + "\\Apps\\Quillmark";

// Win32 codes, as the real file system would answer them.
constexpr std::uint32_t kDiskFull = 112;         // ERROR_DISK_FULL
constexpr std::uint32_t kSharingViolation = 32;  // ERROR_SHARING_VIOLATION

std::string At(const std::string& tail) {
    return kFolder + "\\" + tail;
}

// Shaped like the product: the settings file in the root group, a group
// without files, a later group with a file the earlier installation lacks.
std::vector<TestPackage::Group> PackageFiles() {
    return {
        {"\\",
         {{"Quillmark.exe", SampleBytes(60000, 1)},
          {"Quillmark.ini", "[App]\r\nLanguage=EN-US\r\n"},
          {"libnodave.dll", SampleBytes(9000, 2)}}},
        {"\\Documentations\\", {}},
        {"\\Support\\",
         {{"AppIcons.icl", SampleBytes(3000, 3)}, {"Project.xml", SampleBytes(400, 4)}}},
        {"\\Sources\\", {{"Quillmark-V390-source.7z", SampleBytes(20000, 5)}}},
    };
}

// Everything on the drive: the install folder's parent too goes when a first
// installation fails.
FileTree TreeOf(FileSystem& fs) {
    return ReadTree(fs, kDrive);
}

// An earlier installation that lacks Project.xml and the Sources group, on a
// file system that, as a disk, holds files only in folders that exist: all
// that the tree read from its folders sees.
void MakeEarlierInstallation(MemoryFileSystem& fs) {
    fs.strictFolders = true;
    std::vector<ProductFile> files = FilesOf(PackageFiles());
    files.erase(std::remove_if(files.begin(), files.end(),
                               [](const ProductFile& f) {
                                   return f.tail == "Support\\Project.xml" ||
                                          f.tail.rfind("Sources\\", 0) == 0;
                               }),
                files.end());
    EXPECT_TRUE(::MakeEarlierInstallation(fs, kFolder, files));
}

// One run of the extraction, with its own time for retries; the failure and
// what the display was shown, when asked for.
bool Extract(const TestPackage& package, FileSystem& fs, ExtractFailure* failure = nullptr,
             RecordingProgress* display = nullptr, const std::string& id = "0000000A") {
    ExtractFailure unasked;
    RecordingProgress unwatched;
    MyProgress progress(display ? *display : unwatched);
    progress.SetTotalBytes(TotalCompressedBytes(package.Groups()));
    RetryBudget retries;
    RunJournal journal(fs, RunNames(id), retries);
    return ExtractPackage(package.Groups(), kFolder, progress, fs, journal,
                          failure ? *failure : unasked);
}

struct Scenario {
    const char* name;
    bool update;     // over an earlier installation, else into nothing at all
    bool hardLinks;  // the volume gives files second names
    FaultyFileSystem::Fault fault;
};

const Scenario kScenarios[] = {
    {"update, one step fails", true, true, FaultyFileSystem::Fault::once},
    {"update, the disk fills up", true, true, FaultyFileSystem::Fault::diskFull},
    {"update on FAT, one step fails", true, false, FaultyFileSystem::Fault::once},
    {"update on FAT, the disk fills up", true, false, FaultyFileSystem::Fault::diskFull},
    {"first installation, one step fails", false, true, FaultyFileSystem::Fault::once},
    {"first installation, the disk fills up", false, true, FaultyFileSystem::Fault::diskFull},
};

FaultyFileSystem Prepared(const Scenario& scenario) {
    FaultyFileSystem fs;
    fs.strictFolders = true;
    fs.hardLinks = scenario.hardLinks;
    if (scenario.update)
        MakeEarlierInstallation(fs);
    fs.steps = 0;
    return fs;
}

TEST(ExtractRollbackTest, WhicheverStepFailsTheTreeIsTheEarlierOneOrTheCompleteNewOne) {
    const TestPackage package(PackageFiles());
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        FaultyFileSystem clean = Prepared(scenario);
        const FileTree earlier = TreeOf(clean);
        ASSERT_TRUE(Extract(package, clean));
        const FileTree complete = TreeOf(clean);
        ASSERT_FALSE(complete == earlier);
        int failed = 0;
        for (int n = 1; n <= clean.steps; ++n) {
            SCOPED_TRACE("step " + std::to_string(n) + " of " + std::to_string(clean.steps));
            FaultyFileSystem fs = Prepared(scenario);
            fs.failAt = n;
            fs.fault = scenario.fault;
            if (Extract(package, fs)) {
                EXPECT_EQ(TreeOf(fs), complete);
            } else {
                EXPECT_EQ(TreeOf(fs), earlier);
                ++failed;
            }
            if (::testing::Test::HasFailure())
                return;
        }
        // Every step up to the last move into place can stop the update.
        EXPECT_GT(failed, clean.steps / 2);
    }
}

// Whichever step the system refuses, writing, making a folder, keeping a file
// aside or moving one into place, its code is what the failure reports.
TEST(ExtractRollbackTest, TheFailureCarriesTheSystemsCodeOfTheRefusal) {
    const TestPackage package(PackageFiles());
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        const std::uint32_t code =
            scenario.fault == FaultyFileSystem::Fault::diskFull ? kDiskFull : kSharingViolation;
        FaultyFileSystem clean = Prepared(scenario);
        ASSERT_TRUE(Extract(package, clean));
        for (int n = 1; n <= clean.steps; ++n) {
            FaultyFileSystem fs = Prepared(scenario);
            fs.failAt = n;
            fs.fault = scenario.fault;
            fs.failureCode = code;
            ExtractFailure failure;
            if (!Extract(package, fs, &failure)) {
                ASSERT_EQ(failure.osError, code)
                    << "step " << n << ": " << static_cast<int>(failure.step);
            }
        }
    }
}

// A file that cannot be written, or a stream that cannot be decoded: not even
// the files before it, decoded and written whole, stay.
TEST(ExtractRollbackTest, AFirstInstallationThatFailsLeavesNotEvenItsFolder) {
    for (bool damaged : {false, true}) {
        TestPackage package(PackageFiles());
        MemoryFileSystem fs;
        fs.strictFolders = true;
        fs.folders.insert("C:\\Apps");  // there before: stays
        const std::string last = At("Sources\\Quillmark-V390-source.7z");
        if (damaged)
            package.Damage(3, 0);
        else
            fs.locked.insert(RunNames("0000000A").Staged(last));
        ExtractFailure failure;
        EXPECT_FALSE(Extract(package, fs, &failure));
        EXPECT_EQ(failure.path, last);
        EXPECT_TRUE(fs.files.empty());
        EXPECT_EQ(fs.folders, std::set<std::string>{"C:\\Apps"});
    }
}

// Things outside the setup that stop an update, each over the same earlier
// installation: it stays as it was, and the failure names the file.
struct Obstacle {
    const char* name;
    std::function<void(MemoryFileSystem&, TestPackage&)> place;
    std::string failingFile;
    // A file in the way is found before any stream is decoded.
    ExtractStep step = ExtractStep::replaceEarlier;
    bool refusedBySystem = true;  // else no system call failed, and there is no code
};

const Obstacle kObstacles[] = {
    {"a later group's file held open without sharing",
     [](MemoryFileSystem& fs, TestPackage&) { fs.locked.insert(At("Support\\AppIcons.icl")); },
     At("Support\\AppIcons.icl")},
    {"a later group's file held open without delete sharing",
     [](MemoryFileSystem& fs, TestPackage&) {
         fs.sharedWithoutDelete.insert(At("Support\\AppIcons.icl"));
     },
     At("Support\\AppIcons.icl")},
    {"the settings file held open without delete sharing",
     [](MemoryFileSystem& fs, TestPackage&) { fs.sharedWithoutDelete.insert(At("Quillmark.ini")); },
     At("Quillmark.ini")},
    {"the running program",
     [](MemoryFileSystem& fs, TestPackage&) { fs.locked.insert(At("Quillmark.exe")); },
     At("Quillmark.exe")},
    {"a damaged stream in the last group",
     [](MemoryFileSystem&, TestPackage& package) { package.Damage(3, 0); },
     At("Sources\\Quillmark-V390-source.7z"), ExtractStep::unpack, false},
};

TEST(ExtractRollbackTest, AnObstacleAnywhereLeavesTheEarlierInstallationAsItWas) {
    for (const Obstacle& obstacle : kObstacles) {
        SCOPED_TRACE(obstacle.name);
        TestPackage package(PackageFiles());
        MemoryFileSystem fs;
        MakeEarlierInstallation(fs);
        const FileTree earlier = TreeOf(fs);
        obstacle.place(fs, package);
        fs.failureCode = kSharingViolation;
        ExtractFailure failure;
        RecordingProgress display;
        EXPECT_FALSE(Extract(package, fs, &failure, &display));
        EXPECT_EQ(failure.step, obstacle.step);
        EXPECT_EQ(display.positions.empty(), obstacle.step == ExtractStep::replaceEarlier);
        EXPECT_EQ(failure.path, obstacle.failingFile);
        EXPECT_EQ(failure.osError, obstacle.refusedBySystem ? kSharingViolation : 0u);
        EXPECT_EQ(TreeOf(fs), earlier);
    }
}

// A drive gone, or a scanner holding every new file for good: the last file
// cannot be put in place, nor one earlier file back. Six refused steps, each
// worth three seconds of waits: the run waits its budget, no more, and the
// next run finishes from the journal.
TEST(ExtractRollbackTest, ARollBackRefusedThroughoutWaitsNoLongerThanTheRunMay) {
    const TestPackage package(PackageFiles());
    const std::string last = At("Sources\\Quillmark-V390-source.7z");
    for (bool hardLinks : {true, false}) {
        SCOPED_TRACE(hardLinks ? "NTFS" : "FAT");
        MemoryFileSystem fs, expected;
        fs.hardLinks = expected.hardLinks = hardLinks;
        MakeEarlierInstallation(fs);
        MakeEarlierInstallation(expected);
        const FileTree earlier = TreeOf(fs);
        ASSERT_TRUE(Extract(package, expected));
        fs.locked.insert(last);
        fs.afterMove = [&fs](const std::string& to) { fs.sharedWithoutDelete.insert(to); };
        ExtractFailure failure;
        EXPECT_FALSE(Extract(package, fs, &failure));
        EXPECT_EQ(fs.pausedMs, kRunRetryBudgetMs) << failure.path;
        for (const auto& [key, data] : earlier.entries)  // under its name or kept aside
            EXPECT_TRUE(key.back() == '\\' || fs.files.at(kDrive + key) == data ||
                        fs.files.at(RunNames("0000000A").KeptAside(kDrive + key)) == data);
        fs.afterMove = nullptr;  // everything let go
        fs.sharedWithoutDelete.clear();
        fs.locked.clear();
        EXPECT_TRUE(Extract(package, fs, &failure, nullptr, "0000000B")) << failure.path;
        EXPECT_EQ(TreeOf(fs), TreeOf(expected));
    }
}

// Another program's files in the same folders, named alike: not one is a
// package file's, in its folder, with a run's suffix as the setup writes it.
const std::map<std::string, std::string> kOthersFiles = {
    {At("notes.setup-old"), "another program's notes"},
    {At("data.12345678.setup-tmp"), "their data"},
    {At("Support\\notes.setup-old"), "their support notes"},
    {At("Support\\Quillmark.exe.setup-old"), "not the program's folder"},
    {At("Quillmark.exe.0000000b.setup-tmp"), "not an id the setup writes"},
    {At("Support\\Quillmark.0000000B.setup-run"), "not the journals' folder"},
};

// An earlier version of the setup, stopped by force, left its files under
// names without a run's id; the next run is not disturbed by them and
// finishes what they hold, whether it succeeds or fails. Another program's
// files stay as they are, not even waited for when one is held.
TEST(ExtractRollbackTest, AnEarlierVersionsFilesAreFinishedAndAnotherProgramsNamedAlikeStay) {
    const TestPackage package(PackageFiles());
    MemoryFileSystem expected;
    MakeEarlierInstallation(expected);
    const FileTree earlier = TreeOf(expected);
    ASSERT_TRUE(Extract(package, expected));
    const FileTree complete = TreeOf(expected);

    for (bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "the next run fails" : "the next run succeeds");
        MemoryFileSystem fs;
        MakeEarlierInstallation(fs);
        fs.files[At("Quillmark.exe.setup-old")] = "an even older program";
        fs.files[At("Quillmark.ini.setup-old")] = "[App]\r\n";
        fs.files[At("Support\\AppIcons.icl.setup-tmp")] = "half a fi";
        // Stopped on FAT between moving the earlier file aside and the new one in.
        ASSERT_TRUE(fs.RenameFile(At("libnodave.dll"), At("libnodave.dll.setup-old")));
        fs.files.insert(kOthersFiles.begin(), kOthersFiles.end());
        fs.locked.insert(At("notes.setup-old"));
        if (fails)
            fs.locked.insert(At("Support\\AppIcons.icl"));
        EXPECT_EQ(Extract(package, fs), !fails);
        // The one copy of the earlier library is back under its name either way.
        FileTree expected = fails ? earlier : complete;
        for (const auto& [path, data] : kOthersFiles)
            expected.entries[path.substr(kDrive.size())] = data;
        EXPECT_EQ(TreeOf(fs), expected);
        EXPECT_TRUE(fails || fs.pausedMs == 0) << fs.pausedMs;
    }
}

}  // namespace
