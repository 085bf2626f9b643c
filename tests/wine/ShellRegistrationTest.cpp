// What a complete run of the setup leaves in the registry: the uninstall entry
// and the three document types, read back through the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "shell/FileType.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

using namespace driver;

namespace {

const wchar_t kCurrentVersion[] = L"Software\\Microsoft\\Windows\\CurrentVersion";

std::wstring ProgramFilesFolder() {
    std::optional<RawValue> v =
        ReadRawValue(HKEY_LOCAL_MACHINE, kCurrentVersion, L"ProgramFilesDir");
    return v ? std::wstring(v->text.c_str()) : std::wstring();
}

// A value that must be a REG_SZ stored with its terminator, without it;
// "<missing>" or "<type N>" otherwise.
std::wstring StringValue(HKEY root, const std::wstring& key, const std::wstring& name) {
    std::optional<RawValue> v = ReadRawValue(root, key, name);
    if (!v)
        return L"<missing>";
    if (v->type != REG_SZ || v->text.empty() || v->text.back() != L'\0')
        return L"<type " + std::to_wstring(v->type) + L">";
    return v->text.substr(0, v->text.size() - 1);
}

std::wstring ClassDefault(const std::wstring& key) {
    return StringValue(HKEY_CLASSES_ROOT, key, L"");
}

std::wstring UninstallValue(const std::wstring& name) {
    return StringValue(HKEY_LOCAL_MACHINE, kUninstallKey, name);
}

class ShellRegistration : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    // Our keys only: every test starts without an earlier installation.
    void Clean() {
        for (const wchar_t* key : kClassKeys) DeleteKeyTree(HKEY_CLASSES_ROOT, key);
        DeleteKeyTree(HKEY_LOCAL_MACHINE, kUninstallKey);
        for (const std::wstring& folder : installed_) RemoveTree(folder);
    }

    // Runs the setup into installFolder (through the program-files folder it
    // proposes), accepting every proposal, to its end.
    void InstallInto(const std::wstring& installFolder) {
        const std::wstring parent = installFolder.substr(0, installFolder.rfind(L'\\'));
        CreateDirectoryW(parent.c_str(), nullptr);
        installed_.push_back(installFolder);
        ScopedRegistryString programFiles(HKEY_LOCAL_MACHINE, kCurrentVersion, L"ProgramFilesDir",
                                          parent);
        const SetupRun run = RunSetup();
        EXPECT_TRUE(run.Showed(SetupWindow::InstallFolder));
        EXPECT_EQ(run.LastMessage(), L"Done.");
        EXPECT_EQ(run.exitCode, 0u);
    }

    void ExpectRegisteredFor(const std::wstring& installFolder) {
        const std::wstring exe = installFolder + L"\\Quillmark.exe";
        const std::wstring icons = installFolder + L"\\Support\\AppIcons.icl,";
        EXPECT_EQ(UninstallValue(L"DisplayName"), L"Quillmark");
        EXPECT_EQ(UninstallValue(L"UninstallString"), L"\"" + exe + L"\" /uninstall");

        EXPECT_EQ(ClassDefault(L".qkmem"), L"Quillmark.qkmem.File");
        EXPECT_EQ(ClassDefault(L".qkprj"), L"Quillmark.qkprj.File");
        EXPECT_EQ(ClassDefault(L".qkint"), L"Quillmark.qkint.File");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkmem.File"), L"Quillmark data");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkprj.File"), L"Quillmark project");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkint.File"), L"Quillmark interface");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkmem.File\\DefaultIcon"), icons + L"1");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkprj.File\\DefaultIcon"), icons + L"4");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkint.File\\DefaultIcon"), icons + L"5");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkmem.File\\Shell\\Open\\Command"),
                  L"\"" + exe + L"\" \"/F:%1\"");
        EXPECT_EQ(ClassDefault(L"Quillmark.qkprj.File\\Shell\\Open\\Command"),
                  L"\"" + exe + L"\" \"/P:%1\"");
        EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Quillmark.qkint.File\\Shell"));

        Win32Registry registry;
        EXPECT_EQ(Widen(GetRegisteredOpenProgram(registry, ".qkmem")), exe);
        EXPECT_EQ(Widen(GetRegisteredOpenProgram(registry, ".qkprj")), exe);
    }

    std::vector<std::wstring> installed_;
};

TEST_F(ShellRegistration, ACompleteRunRegistersTheEntryAndTheThreeTypes) {
    // The system's own folder, blank included.
    const std::wstring folder = ProgramFilesFolder() + L"\\Quillmark";
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
    const std::wstring first = ProgramFilesFolder() + L"\\Quillmark";
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
