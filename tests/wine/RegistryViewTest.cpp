// Where the setup's registry strings land on 64-bit Windows, whichever build
// writes them: machine-wide keys in the 32-bit view, the classes and the
// user's keys in the one place both views share.
#include <gtest/gtest.h>

#include "RegistryValues.h"
#include "driver/Driver.h"
#include "win32/Utf.h"
#include "win32/Win32Registry.h"

namespace {

const wchar_t kKey[] = L"Software\\QuillmarkTests";
const char kKeyU8[] = "Software\\QuillmarkTests";
const wchar_t kClass[] = L".qkviewtest";

class RegistryView : public ::testing::Test {
protected:
    void SetUp() override {
        if (!driver::OnA64BitSystem())
            GTEST_SKIP() << "a 32-bit system has one view";
        Clean();
    }
    void TearDown() override { Clean(); }
    void Clean() {
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY})
            DeleteKeyTreeInView(HKEY_LOCAL_MACHINE, kKey, view);
        DeleteKeyTree(HKEY_CURRENT_USER, kKey);
        DeleteKeyTree(HKEY_CLASSES_ROOT, kClass);
    }
    Win32Registry registry_;
};

TEST_F(RegistryView, MachineKeysAreThoseOf32BitPrograms) {
    ASSERT_TRUE(registry_.SetString(RegRoot::LocalMachine, kKeyU8, "Where", "here"));
    EXPECT_TRUE(KeyExistsInView(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_32KEY));
    EXPECT_FALSE(KeyExistsInView(HKEY_LOCAL_MACHINE, kKey, KEY_WOW64_64KEY));
    EXPECT_EQ(registry_.GetString(RegRoot::LocalMachine, kKeyU8, "Where"), "here");

    // The program-files folder proposed is the one of 32-bit programs.
    const std::wstring folder = driver::ProgramFilesOf32BitPrograms();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(driver::ProgramFilesDirInRegistry(), folder);
}

TEST_F(RegistryView, TheClassesAndTheUsersKeysAreSharedByBothViews) {
    ASSERT_TRUE(registry_.SetString(RegRoot::ClassesRoot, Narrow(kClass), "", "Quillmark.Test"));
    const std::wstring machineClass = std::wstring(L"Software\\Classes\\") + kClass;
    // Written by either build, it is the machine's one key, not a 32-bit copy.
    EXPECT_TRUE(KeyExistsInView(HKEY_LOCAL_MACHINE, machineClass, KEY_WOW64_64KEY));
    EXPECT_FALSE(KeyExistsInView(HKEY_LOCAL_MACHINE,
                                 std::wstring(L"Software\\Classes\\Wow6432Node\\") + kClass,
                                 KEY_WOW64_64KEY));

    ASSERT_TRUE(registry_.SetString(RegRoot::CurrentUser, kKeyU8, "Mine", "yes"));
    EXPECT_TRUE(KeyExistsInView(HKEY_CURRENT_USER, kKey, KEY_WOW64_64KEY));
    EXPECT_TRUE(KeyExistsInView(HKEY_CURRENT_USER, kKey, KEY_WOW64_32KEY));
}

TEST_F(RegistryView, AValueOnlyThe64BitViewHasIsReadBy64BitProgramsAlone) {
    // What a 64-bit system that runs no 32-bit programs offers: the native
    // view alone. A 32-bit program never sees it; the 64-bit build falls back to it.
    ASSERT_TRUE(WriteStringInView(HKEY_LOCAL_MACHINE, kKey, L"Value", L"native", KEY_WOW64_64KEY));
    EXPECT_EQ(registry_.GetString(RegRoot::LocalMachine, kKeyU8, "Value"),
              sizeof(void*) == 8 ? "native" : "");

    // Where both views have it, the 32-bit one's counts.
    ASSERT_TRUE(registry_.SetString(RegRoot::LocalMachine, kKeyU8, "Value", "32-bit"));
    EXPECT_EQ(registry_.GetString(RegRoot::LocalMachine, kKeyU8, "Value"), "32-bit");
}

}  // namespace
