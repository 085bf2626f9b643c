// What a complete run of the setup leaves in the registry: the uninstall entry
// and the three document types, read back through the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "DocumentTypes.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"

using namespace driver;

namespace {

std::wstring UninstallValue(const std::wstring& name) {
    return StoredString(HKEY_LOCAL_MACHINE, kUninstallKey, name);
}

class ShellRegistration : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    // Our keys only: every test starts without an earlier installation.
    void Clean() {
        RemoveProductRegistrations();
        for (const std::wstring& folder : installed_) RemoveTree(folder);
    }

    // Runs the setup into installFolder (through the program-files folder it
    // proposes), accepting every proposal, to its end.
    void InstallInto(const std::wstring& installFolder) {
        const std::wstring parent = installFolder.substr(0, installFolder.rfind(L'\\'));
        CreateDirectoryW(parent.c_str(), nullptr);
        installed_.push_back(installFolder);
        ScopedRegistryString programFiles(HKEY_LOCAL_MACHINE, kCurrentVersionKey,
                                          L"ProgramFilesDir", parent);
        const SetupRun run = RunSetup();
        EXPECT_TRUE(run.Showed(SetupWindow::InstallFolder));
        ExpectDone(run);
    }

    void ExpectRegisteredFor(const std::wstring& installFolder) {
        const std::wstring exe = installFolder + L"\\Quillmark.exe";
        EXPECT_EQ(UninstallValue(L"DisplayName"), L"Quillmark");
        EXPECT_EQ(UninstallValue(L"UninstallString"), L"\"" + exe + L"\" /uninstall");
        ExpectDocumentTypesFor(installFolder);
    }

    std::vector<std::wstring> installed_;
};

TEST_F(ShellRegistration, ACompleteRunRegistersTheEntryAndTheThreeTypes) {
    // The system's own folder, blank included.
    const std::wstring folder = DefaultInstallFolder();
    ASSERT_NE(folder.find(L' '), std::wstring::npos);
    InstallInto(folder);
    ExpectRegisteredFor(folder);
}

TEST_F(ShellRegistration, AnInstallFolderWithANonAsciiNameIsRegisteredExactly) {
    const std::wstring folder =
        L"C:\\Pr\u00f6gr\u00e4mme \u0416 \u6d4b\u8bd5 \U0001F58B\\Quillmark";
    InstallInto(folder);
    ExpectRegisteredFor(folder);
    installed_.push_back(folder.substr(0, folder.rfind(L'\\')));
}

TEST_F(ShellRegistration, ASecondRunOverwritesOursAndKeepsOthersValues) {
    WriteRawString(HKEY_LOCAL_MACHINE, kUninstallKey, L"Publisher", L"Someone else");
    WriteRawString(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayName", L"Old name");
    WriteRawString(HKEY_CLASSES_ROOT, L".qkmem", L"Content Type", L"application/x-quillmark");
    const std::wstring first = DefaultInstallFolder();
    InstallInto(first);
    ExpectRegisteredFor(first);

    const std::wstring second = L"C:\\Plant Logger\\Quillmark";
    InstallInto(second);
    ExpectRegisteredFor(second);
    installed_.push_back(L"C:\\Plant Logger");
    EXPECT_EQ(UninstallValue(L"Publisher"), L"Someone else");
    std::optional<RawValue> type = ReadRawValue(HKEY_CLASSES_ROOT, L".qkmem", L"Content Type");
    ASSERT_TRUE(type);
    EXPECT_EQ(type->text, std::wstring(L"application/x-quillmark") + L'\0');
}

}  // namespace
