// The run command's listing finds an installation wherever a setup put it,
// on every kind of Windows the setup meets, and lists all it left.
#include <windows.h>

#include <gtest/gtest.h>

#include "DocumentTypes.h"
#include "InstallationListing.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "win32/Utf.h"

using namespace driver;

namespace {

class InstallationListing : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = TempFolder(L"listing");
        RemoveProductRegistrations();
    }
    void TearDown() override {
        RemoveProductRegistrations();
        RemoveTree(scratch_);
    }
    // An uninstall entry written by hand into one view, as another tool may have.
    void WriteEntry(REGSAM view, const std::wstring& command) {
        const HKEY machine = HKEY_LOCAL_MACHINE;
        ASSERT_TRUE(WriteStringInView(machine, kUninstallKey, L"DisplayName", L"Quillmark", view));
        ASSERT_TRUE(WriteStringInView(machine, kUninstallKey, L"UninstallString", command, view));
    }

    std::wstring scratch_;
};

TEST_F(InstallationListing, ACompleteRunIsFoundThroughItsEntryAndListedWhole) {
    const std::wstring folder = scratch_ + L"\\Plant Logger";
    ASSERT_EQ(RunSetupInto(folder).LastMessage(), kDone);

    const Installation found = FindInstallation();
    EXPECT_EQ(found.folder, folder);
    EXPECT_EQ(found.foundBy, L"its uninstall entry in the 32-bit registry view");
    std::string listing;
    ASSERT_TRUE(ListInstallation(found, listing));
    const auto listed = [&](const std::wstring& text) {
        return listing.find(Narrow(text)) != std::string::npos;
    };
    for (const wchar_t* file : kProductFiles) EXPECT_TRUE(listed(file)) << Narrow(file);
    EXPECT_TRUE(listed(L"UninstallString = \"" + folder + L"\\Quillmark.exe\" /uninstall"));
    EXPECT_FALSE(listed(L": missing")) << listing;
    for (const wchar_t* link : {L"Quillmark.lnk\n", L"Uninstall.lnk\n"})
        EXPECT_TRUE(listed(link)) << Narrow(link);
    EXPECT_TRUE(listed(L"    arguments:   /uninstall\n"));
    EXPECT_TRUE(listed(L"\n[InstallUninstall]\r\nStartFolderPath=Quillmark\r\n")) << listing;
}

TEST_F(InstallationListing, AnEntryOnlyThe64BitViewHoldsIsFoundThere) {
    if (!OnA64BitSystem())
        GTEST_SKIP() << "a 32-bit system has one view";
    WriteEntry(KEY_WOW64_64KEY, scratch_ + L"\\Quillmark.exe /uninstall");
    const Installation found = FindInstallation();
    EXPECT_EQ(found.folder, scratch_);
    EXPECT_EQ(found.view, REGSAM(KEY_WOW64_64KEY));
    std::string listing;
    ASSERT_TRUE(ListInstallation(found, listing));
    EXPECT_NE(
        listing.find(Narrow(std::wstring(L"\\") + kUninstallKey + L"  DisplayName = Quillmark")),
        std::string::npos)
        << listing;
}

TEST_F(InstallationListing, WithoutAnEntryTheProposedFolderOfThisWindowsIsListed) {
    // The folder of 32-bit programs, whichever build asks.
    const std::wstring programFiles = ProgramFilesOf32BitPrograms();
    ASSERT_FALSE(programFiles.empty());
    const Installation found = FindInstallation();
    EXPECT_EQ(found.folder, programFiles + L"\\Quillmark");

    // An entry that names no product program is no installation.
    WriteEntry(KEY_WOW64_32KEY, L"\"C:\\Other\\Tool.exe\" /uninstall");
    EXPECT_EQ(FindInstallation().folder, programFiles + L"\\Quillmark");

    std::string listing;
    EXPECT_FALSE(ListInstallation(InstallationIn(scratch_ + L"\\nowhere"), listing));
    EXPECT_NE(listing.find("(no such folder)"), std::string::npos);
}

}  // namespace
