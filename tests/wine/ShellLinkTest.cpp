// Shortcut files written through the real shell link object and read back with
// it, for a user whose profile folder and install folder have non-ASCII names.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "LinkFile.h"
#include "RegistryValues.h"
#include "driver/Driver.h"
#include "driver/ProductNames.h"
#include "shell/ShellFolder.h"
#include "win32/ShellLink.h"
#include "shell/Shortcut.h"
#include "win32/ComInit.h"
#include "win32/ComPtr.h"
#include "win32/Utf.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32Registry.h"

using namespace driver;

namespace {

// Outside every ANSI code page at once: any narrow call on the way garbles it.
const wchar_t kProfileName[] = L"Zo\u00eb \u0141\u00f3d\u017a \u6d4b\u8bd5";
const wchar_t kInstallName[] = L"Pr\u00f6gr\u00e4mme \u0416 \U0001F58B";

// The current user's Desktop and Programs folders, moved into a profile
// folder with a non-ASCII name for the test's duration.
class ShellLinkTest : public ::testing::Test {
protected:
    ShellLinkTest()
        : profile_(std::wstring(L"C:\\users\\") + kProfileName),
          install_(TempFolder(kInstallName)),
          desktop_(HKEY_CURRENT_USER, kShellFolders, L"Desktop", Desktop()),
          programs_(HKEY_CURRENT_USER, kShellFolders, L"Programs", Programs()) {
        RemoveTree(profile_);
        for (const std::wstring& folder : {Desktop(), Programs()})
            SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
    }
    ~ShellLinkTest() override {
        RemoveTree(profile_);
        RemoveTree(install_);
    }

    std::wstring Desktop() const { return profile_ + L"\\Desktop"; }
    std::wstring Programs() const { return profile_ + L"\\AppData\\Start Menu\\Programs"; }
    std::wstring Product() const { return install_ + L"\\Quillmark.exe"; }
    std::string ProductU8() const { return Narrow(Product()); }

    std::wstring profile_, install_;
    ScopedRegistryString desktop_, programs_;
    Win32Registry registry_;
    Win32FileSystem fs_;
    Win32ShortcutWriter writer_;
    ShortcutPlatform platform_{registry_, fs_, writer_};
};

TEST_F(ShellLinkTest, ShellFoldersAreReadAsUnicode) {
    EXPECT_EQ(Widen(GetShellFolder(registry_, "Desktop")), Desktop());
    EXPECT_EQ(Widen(GetShellFolder(registry_, "Programs")), Programs());
}

TEST_F(ShellLinkTest, DesktopShortcutReadsBackAsRequested) {
    ASSERT_TRUE(CreateDesktopShortcut(platform_, ProductU8(), "Quillmark.lnk", "Quillmark 3.90"));
    EXPECT_EQ(LoadLink(Desktop() + L"\\Quillmark.lnk"),
              (LinkFields{Product(), L"", L"Quillmark 3.90", Product(), 0}));
}

TEST_F(ShellLinkTest, ProgramGroupOfTwoLevelsIsMadeAndHoldsBothShortcuts) {
    const std::optional<std::string> group = "Accessories\\Quillmark";
    ASSERT_TRUE(CreateProgramsShortcut(platform_, group, ProductU8(), "", "Quillmark.lnk",
                                       "Quillmark 3.90", "", 0));
    const std::wstring library = install_ + L"\\Support\\AppIcons.icl";
    ASSERT_TRUE(CreateProgramsShortcut(platform_, group, ProductU8(), "/uninstall", "Uninstall.lnk",
                                       "Uninstall", Narrow(library), 3));

    const std::wstring folder = Programs() + L"\\Accessories\\Quillmark";
    EXPECT_EQ(ListFolder(folder), (std::vector<std::wstring>{L"Quillmark.lnk", L"Uninstall.lnk"}));
    EXPECT_EQ(LoadLink(folder + L"\\Uninstall.lnk"),
              (LinkFields{Product(), L"/uninstall", L"Uninstall", library, 3}));
}

TEST_F(ShellLinkTest, EmptyGroupWritesStraightIntoPrograms) {
    ASSERT_TRUE(CreateProgramsShortcut(platform_, std::string(), ProductU8(), "", "Quillmark.lnk",
                                       "Quillmark 3.90", "", 0));
    EXPECT_TRUE(LoadLink(Programs() + L"\\Quillmark.lnk"));
}

TEST_F(ShellLinkTest, NegativeIconIndexSetsNoIconAndASecondSaveOverwrites) {
    const std::wstring path = Desktop() + L"\\x.lnk";
    ASSERT_TRUE(CreateShellLink({ProductU8(), "a", Narrow(path), "first", "", 0}));
    ASSERT_TRUE(CreateShellLink({ProductU8(), "b", Narrow(path), "second", "", -1}));
    std::optional<LinkFields> link = LoadLink(path);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->arguments, L"b");
    EXPECT_EQ(link->description, L"second");
    EXPECT_EQ(link->iconPath, L"");
}

TEST_F(ShellLinkTest, AGroupThatCannotBeAFolderFailsQuietly) {
    EXPECT_FALSE(CreateProgramsShortcut(platform_, std::string("Bad|Name"), ProductU8(), "",
                                        "Quillmark.lnk", "Quillmark 3.90", "", 0));
}

// A path of exactly n UTF-16 units ending in ".lnk" inside the Desktop folder,
// its folders made; the surrogate pair and accents make its UTF-8 longer.
std::wstring LinkPathOfLength(const std::wstring& desktop, size_t n) {
    std::wstring path = desktop + L"\\\U0001F58B\u00e9";
    CreateDirectoryW(path.c_str(), nullptr);
    while (path.size() + 1 + 100 + 4 < n) {
        path += L"\\" + std::wstring(100, L'\u00e9');
        CreateDirectoryW(path.c_str(), nullptr);
    }
    path += L"\\";
    path += std::wstring(n - path.size() - 4, L'q');
    return path + L".lnk";
}

TEST_F(ShellLinkTest, LinkPathsMustFitTheSaveBufferWhole) {
    const std::wstring fits = LinkPathOfLength(Desktop(), MAX_PATH - 1);
    ASSERT_EQ(fits.size(), MAX_PATH - 1u);
    ASSERT_GT(Narrow(fits).size(), size_t{MAX_PATH});
    EXPECT_TRUE(CreateShellLink({ProductU8(), "", Narrow(fits), "d", "", 0}));
    EXPECT_TRUE(LoadLink(fits));

    const std::wstring tooLong = LinkPathOfLength(Desktop(), MAX_PATH);
    EXPECT_FALSE(CreateShellLink({ProductU8(), "", Narrow(tooLong), "d", "", 0}));
    // Nothing was saved under the path cut to the buffer either.
    EXPECT_FALSE(Exists(tooLong));
    EXPECT_FALSE(Exists(tooLong.substr(0, MAX_PATH - 1)));
}

// The registry string routines under the same conditions.
class RegistryStrings : public ::testing::Test {
protected:
    void TearDown() override { DeleteKeyTree(HKEY_CURRENT_USER, kKey); }
    const wchar_t* kKey = L"Software\\QuillmarkTests";
    const std::string kKeyU8 = "Software\\QuillmarkTests";
    Win32Registry registry_;
};

TEST_F(RegistryStrings, StoresUnicodeAsAStringWithItsTerminator) {
    const std::wstring text = std::wstring(kProfileName) + L" \U0001F58B";
    ASSERT_TRUE(registry_.SetString(RegRoot::CurrentUser, kKeyU8 + "\\Sub", "Name", Narrow(text)));
    std::optional<RawValue> raw =
        ReadRawValue(HKEY_CURRENT_USER, L"Software\\QuillmarkTests\\Sub", L"Name");
    ASSERT_TRUE(raw);
    EXPECT_EQ(raw->type, DWORD{REG_SZ});
    EXPECT_EQ(raw->text, text + L'\0');
    EXPECT_EQ(registry_.GetString(RegRoot::CurrentUser, kKeyU8 + "\\Sub", "Name"), Narrow(text));
    // The key's default value is the one with the empty name.
    ASSERT_TRUE(registry_.SetString(RegRoot::CurrentUser, kKeyU8, "", "default"));
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kKey, L"")->text, std::wstring(L"default") + L'\0');
}

TEST_F(RegistryStrings, ReadsWhatOthersStoredAsTheyStoredIt) {
    WriteRawString(HKEY_CURRENT_USER, kKey, L"NoTerminator", L"abc", false);
    WriteRawString(HKEY_CURRENT_USER, kKey, L"TwoTerminators", std::wstring(L"abc") + L'\0');
    WriteRawString(HKEY_CURRENT_USER, kKey, L"Expand", L"%SystemRoot%\\x", true, REG_EXPAND_SZ);
    const auto get = [&](const char* name) {
        return registry_.GetString(RegRoot::CurrentUser, kKeyU8, name);
    };
    EXPECT_EQ(get("NoTerminator"), "abc");
    EXPECT_EQ(get("TwoTerminators"), std::string("abc") + '\0');
    EXPECT_EQ(get("Expand"), "%SystemRoot%\\x");
    EXPECT_EQ(get("Missing"), "");
    EXPECT_EQ(registry_.GetString(RegRoot::CurrentUser, kKeyU8 + "\\Missing", "x"), "");
}

}  // namespace
