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

// Runs a build's setup to its end as a user who accepts every proposal, and
// gives the folder its install-folder dialog proposed.
std::wstring RunAccepting(const Build& build) {
    std::wstring proposed;
    Process setup = Process::Start(FromUnixPath(build.unixPath));
    if (!setup.Started()) {
        ADD_FAILURE() << "cannot start the " << build.name << " setup at " << build.unixPath;
        return proposed;
    }
    SetupAnswers answers;
    answers.seen = [&proposed](SetupWindow kind, HWND window) {
        if (kind == SetupWindow::InstallFolder && proposed.empty())
            proposed = ProposedInstallFolder(window);
    };
    ExpectDone(RunSetup(setup, answers));
    return proposed;
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
    }

    void ExpectOneUninstallEntry() {
        EXPECT_TRUE(KeyExistsInView(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_32KEY));
        EXPECT_FALSE(KeyExistsInView(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY))
            << "a second entry among the 64-bit programs";
        EXPECT_EQ(StoredString(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString"),
                  L"\"" + folder_ + L"\\Quillmark.exe\" /uninstall");
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
    EXPECT_EQ(RunAccepting(order.first), folder_) << order.first.name;
    ASSERT_TRUE(Exists(folder_ + L"\\Quillmark.exe"));

    // The user works with the product and changes its settings.
    ASSERT_TRUE(WriteBytes(folder_ + L"\\Quillmark.ini", ExampleOldSettingsFile()));

    EXPECT_EQ(RunAccepting(order.second), folder_) << order.second.name;
    ExpectUsersSettingsMerged(folder_, "Quillmark");

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
