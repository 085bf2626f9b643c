// One installation, two builds: the 32-bit setup that ships and the 64-bit
// one are the same program to a user of 64-bit Windows. An update made by
// either over an installation made by the other proposes the same folder,
// keeps the user's settings and leaves one uninstall entry and one set of
// document types.
#include <gtest/gtest.h>

#include "DocumentTypes.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "support/IniText.h"
#include "support/SettingsExample.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

// The folders of 32-bit and of 64-bit programs, as the system tells every
// process, whatever its own kind.
std::wstring ProgramFiles32() {
    return Environment(L"ProgramFiles(x86)");
}
std::wstring ProgramFiles64() {
    return Environment(L"ProgramW6432");
}

struct Build {
    const char* name;
    const char* unixPath;
};
const Build k32Bit{"32-bit", QUILLMARK_SETUP_EXE_I686};
const Build k64Bit{"64-bit", QUILLMARK_SETUP_EXE_X86_64};

// What one run showed: the folder its install-folder dialog proposed and its
// last message.
struct CrossRun {
    std::wstring proposed;
    std::wstring message;
    DWORD exitCode = STILL_ACTIVE;
};

// Runs a build's setup to its end as a user who accepts every proposal.
CrossRun RunAccepting(const Build& build) {
    CrossRun run;
    Process setup = Process::Start(FromUnixPath(build.unixPath));
    if (!setup.Started()) {
        ADD_FAILURE() << "cannot start the " << build.name << " setup at " << build.unixPath;
        return run;
    }
    SetupAnswers answers;
    answers.seen = [&run](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::InstallFolder && run.proposed.empty())
            run.proposed = ProposedInstallFolder(window);
    };
    const SetupRun result = RunSetup(setup, answers);
    run.message = result.LastMessage();
    run.exitCode = result.exitCode;
    return run;
}

struct Order {
    const char* name;
    Build first, second;
};

class CrossBuild : public ::testing::TestWithParam<Order> {
protected:
    void SetUp() override {
        ASSERT_FALSE(ProgramFiles32().empty()) << "not a 64-bit system";
        folder_ = ProgramFiles32() + L"\\Quillmark";
        Clean();
    }
    void TearDown() override { Clean(); }

    // No earlier installation, in either view or either program-files folder.
    void Clean() {
        RemoveTree(folder_);
        RemoveTree(ProgramFiles64() + L"\\Quillmark");
        RemoveProductRegistrations();
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            DeleteKeyTreeInView(HKEY_LOCAL_MACHINE, kUninstallKey, view);
            for (const std::wstring& key : DocumentTypeKeys())
                DeleteKeyTreeInView(HKEY_LOCAL_MACHINE, L"Software\\Classes\\" + key, view);
        }
    }

    void ExpectOneUninstallEntry() {
        const std::wstring exe = folder_ + L"\\Quillmark.exe";
        EXPECT_TRUE(KeyExistsInView(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY));
        EXPECT_FALSE(KeyExistsInView(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY))
            << "a second entry among the 64-bit programs";
        std::optional<RawValue> command =
            ReadRawValue(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString");
        ASSERT_TRUE(command);
        EXPECT_EQ(std::wstring(command->text.c_str()), L"\"" + exe + L"\" /uninstall");
    }

    void ExpectOneSetOfDocumentTypes() {
        ExpectDocumentTypesFor(folder_);
        // The machine's classes are one key for 32-bit and 64-bit programs;
        // nothing went to the user's classes, which would hide the machine's.
        for (const std::wstring& key : DocumentTypeKeys()) {
            SCOPED_TRACE(Narrow(key));
            const std::wstring machine = L"Software\\Classes\\" + key;
            EXPECT_TRUE(KeyExistsInView(HKEY_LOCAL_MACHINE, machine, KEY_WOW64_64KEY));
            EXPECT_FALSE(KeyExistsInView(
                HKEY_LOCAL_MACHINE, L"Software\\Classes\\Wow6432Node\\" + key, KEY_WOW64_64KEY));
            EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, machine));
        }
    }

    std::wstring folder_;
};

TEST_P(CrossBuild, AnUpdateByTheOtherBuildFindsTheInstallationAndKeepsTheSettings) {
    const Order& order = GetParam();
    const CrossRun first = RunAccepting(order.first);
    EXPECT_EQ(first.proposed, folder_) << order.first.name;
    EXPECT_EQ(first.message, L"Done.");
    EXPECT_EQ(first.exitCode, 0u);
    ASSERT_TRUE(Exists(folder_ + L"\\Quillmark.exe"));

    // The user works with the product and changes its settings.
    ASSERT_TRUE(WriteBytes(folder_ + L"\\Quillmark.ini", ExampleOldSettingsFile()));

    const CrossRun second = RunAccepting(order.second);
    EXPECT_EQ(second.proposed, folder_) << order.second.name;
    EXPECT_EQ(second.message, L"Done.");
    EXPECT_EQ(second.exitCode, 0u);

    std::string written;
    ASSERT_TRUE(ReadBytes(folder_ + L"\\Quillmark.ini", written));
    const std::vector<std::string> lines = CrLfLines(written);
    const std::vector<std::string> merged = ExampleMergedLines(Narrow(folder_));
    ASSERT_GE(lines.size(), merged.size()) << written;
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + merged.size()), merged);

    EXPECT_FALSE(Exists(ProgramFiles64() + L"\\Quillmark")) << "a second copy";
    ExpectOneUninstallEntry();
    ExpectOneSetOfDocumentTypes();
}

INSTANTIATE_TEST_SUITE_P(BothWays, CrossBuild,
                         testing::Values(Order{"InstalledBy32UpdatedBy64", k32Bit, k64Bit},
                                         Order{"InstalledBy64UpdatedBy32", k64Bit, k32Bit}),
                         [](const testing::TestParamInfo<Order>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
